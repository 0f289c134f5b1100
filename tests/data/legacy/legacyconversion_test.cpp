// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/legacy/legacyconversion.h"
#include "data/wordstore.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// QProcess and the blocking run need an application object; one serves every test.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "legacy_conversion_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// A folder holding a copy of one legacy fixture.
class LegacyConversionTest : public testing::Test {
protected:
    void SetUp() override { ensureApplication(); }

    QString copy(const QString& name) {
        legacy = testfiles::copyFixture(QStringLiteral("jet/") + name, dir.path());
        original = testfiles::readAll(legacy);
        return legacy;
    }

    // Every entry of the folder, hidden ones included.
    QStringList entries() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    void expectUntouched(const LegacyConversion::Outcome& outcome) const {
        EXPECT_FALSE(outcome.ok);
        EXPECT_FALSE(outcome.message.isEmpty());
        EXPECT_EQ(entries(), QStringList{QFileInfo(legacy).fileName()});
        EXPECT_EQ(testfiles::readAll(legacy), original);
    }

    QTemporaryDir dir;
    QString legacy;
    QByteArray original;
    LegacyConversion conversion{QStringLiteral(VOKU_WORDS_TOOL)};
};

TEST_F(LegacyConversionTest, ReplacesTheFileAndKeepsTheOriginalAsBackup) {
    copy(QStringLiteral("medium-2000.vku"));
    std::vector<std::pair<qint64, qint64>> steps;
    QObject::connect(&conversion, &LegacyConversion::progress,
                     [&steps](qint64 done, qint64 total) { steps.emplace_back(done, total); });
    const LegacyConversion::Outcome outcome = conversion.run(legacy);

    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.backupPath, legacy + ".bak");
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("medium-2000.vku.bak")));
    EXPECT_EQ(testfiles::readAll(legacy + ".bak"), original);
    EXPECT_EQ(WordStore::open(legacy).groupSummaries().size(), 40u);
    EXPECT_EQ(entries(), (QStringList{"medium-2000.vku", "medium-2000.vku.bak"}));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), std::make_pair(qint64{2100}, qint64{2100}));
}

TEST_F(LegacyConversionTest, AnExistingBackupStaysAsItIs) {
    copy(QStringLiteral("small-2003.vku"));
    testfiles::writeAll(legacy + ".bak", "older backup");
    const LegacyConversion::Outcome outcome = conversion.run(legacy);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.backupPath, legacy + ".bak.1");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak"), "older backup");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak.1"), original);
}

TEST_F(LegacyConversionTest, FailingToolLeavesEverythingUntouched) {
    copy(QStringLiteral("truncated.vku"));
    const LegacyConversion::Outcome outcome = conversion.run(legacy);
    expectUntouched(outcome);
    EXPECT_TRUE(outcome.message.contains(legacy)) << outcome.message.toStdString();
    EXPECT_FALSE(outcome.message.contains(QStringLiteral("voku-words:")));
}

TEST_F(LegacyConversionTest, MissingToolLeavesEverythingUntouched) {
    copy(QStringLiteral("small-2000.vku"));
    LegacyConversion missing(dir.filePath(QStringLiteral("no-such-tool")));
    const LegacyConversion::Outcome outcome = missing.run(legacy);
    expectUntouched(outcome);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("起動できません")));
}

TEST_F(LegacyConversionTest, ToolOverTheTimeLimitIsStopped) {
    copy(QStringLiteral("large-2000.vku"));
    conversion.setTimeLimit(std::chrono::milliseconds(1));
    bool finished = false;
    QObject::connect(&conversion, &LegacyConversion::finished,
                     [&finished](bool ok, const QString&) { finished = !ok; });
    expectUntouched(conversion.run(legacy));
    EXPECT_TRUE(conversion.outcome().message.contains(QStringLiteral("中止")));
    EXPECT_TRUE(finished);
}

} // namespace
