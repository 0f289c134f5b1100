// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/legacy/convertedfile.h"
#include "data/legacy/legacyconversion.h"
#include "data/storeerror.h"
#include "data/wordstore.h"
#include "support/conversion.h"
#include "support/testfiles.h"
#include "support/testwords.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// QProcess and the blocking run need an application object.
int argc = 1;
char name[] = "legacy_conversion_test";
char* argv[] = {name, nullptr};
const QCoreApplication application(argc, argv);

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(ConvertedFileTest, WrongRowCountsOrNoWordFileLeaveBothFilesAlone) {
    QTemporaryDir dir;
    const QString legacy = dir.filePath(QStringLiteral("words.vku"));
    const QString converted = dir.filePath(QStringLiteral("new.vku"));
    const QString text = dir.filePath(QStringLiteral("text.vku"));
    testfiles::writeAll(legacy, "legacy bytes");
    testfiles::writeAll(text, "not a word file");
    WordStore store = WordStore::create(converted);
    store.insertRows(WordStore::Table::Word, {testwords::word(1, 1), testwords::word(1, 2)});
    store.insertRows(WordStore::Table::Selected, {testwords::word(1, 2)});
    for (const auto& [path, counts] :
         {std::pair(converted, ConversionCounts{3, 1}),
          std::pair(converted, ConversionCounts{2, 0}), std::pair(text, ConversionCounts{})})
        EXPECT_THROW(ConvertedFile::install(legacy, path, counts), StoreError);
    EXPECT_EQ(entries(dir), (QStringList{"new.vku", "text.vku", "words.vku"}));
    EXPECT_EQ(ConvertedFile::install(legacy, converted, {2, 1}), legacy + ".bak");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak"), "legacy bytes");
    EXPECT_EQ(entries(dir), (QStringList{"text.vku", "words.vku", "words.vku.bak"}));
}

TEST(LegacyConversionTest, ReplacesTheFileAndKeepsEveryBackup) {
    QTemporaryDir dir;
    const QString legacy =
        testfiles::copyFixture(QStringLiteral("jet/medium-2000.vku"), dir.path());
    const QByteArray original = testfiles::readAll(legacy);
    testfiles::writeAll(legacy + ".bak", "older backup");
    LegacyConversion conversion{QStringLiteral(VOKU_WORDS_TOOL)};
    std::pair<qint64, qint64> last;
    QObject::connect(&conversion, &LegacyConversion::progress, [&last](qint64 done, qint64 total) {
        last = {done, total};
    });
    const LegacyConversion::Outcome outcome = testfiles::convertAndWait(conversion, legacy);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.backupPath, legacy + ".bak.1");
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("medium-2000.vku.bak.1")));
    EXPECT_EQ(testfiles::readAll(legacy + ".bak"), "older backup");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak.1"), original);
    EXPECT_EQ(WordStore::open(legacy).groupSummaries().size(), 40u);
    EXPECT_EQ(entries(dir),
              (QStringList{"medium-2000.vku", "medium-2000.vku.bak", "medium-2000.vku.bak.1"}));
    EXPECT_EQ(last, std::make_pair(qint64{2100}, qint64{2100}));
}

// A tool that fails, is missing or runs too long leaves the legacy file alone, says why in
// the program's words and reports the failure.
TEST(LegacyConversionTest, FailuresLeaveTheFileUntouched) {
    const struct {
        const char* fixture;
        const char* tool;
        int limitMs;
        const char* fragment;
    } rows[] = {
        {"truncated.vku", VOKU_WORDS_TOOL, 60000, "truncated.vku"},
        {"small-2000.vku", "/nonexistent/voku-words", 60000, "起動できません"},
        {"large-2000.vku", VOKU_WORDS_TOOL, 1, "中止"},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        const QString legacy =
            testfiles::copyFixture(QStringLiteral("jet/") + row.fixture, dir.path());
        const QByteArray original = testfiles::readAll(legacy);
        LegacyConversion conversion{QString::fromUtf8(row.tool)};
        conversion.setTimeLimit(std::chrono::milliseconds(row.limitMs));
        bool failed = false;
        QObject::connect(&conversion, &LegacyConversion::finished,
                         [&failed](bool ok, const QString&) { failed = !ok; });
        const LegacyConversion::Outcome outcome = testfiles::convertAndWait(conversion, legacy);
        EXPECT_TRUE(failed && !outcome.ok) << row.fixture;
        EXPECT_TRUE(outcome.message.contains(QString::fromUtf8(row.fragment)))
            << outcome.message.toStdString();
        EXPECT_FALSE(outcome.message.contains(QStringLiteral("voku-words:")));
        EXPECT_EQ(entries(dir), QStringList{QString::fromLatin1(row.fixture)});
        EXPECT_EQ(testfiles::readAll(legacy), original);
    }
}

} // namespace
