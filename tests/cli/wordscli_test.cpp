// SPDX-License-Identifier: GPL-3.0-or-later
// voku-words as a learner runs it: exit status, messages and files left behind.
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status = -1;
    QByteArray out;
    QString err;
};

ToolRun words(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VOKU_WORDS_TOOL), arguments);
    process.waitForFinished(60000);
    return ToolRun{process.exitCode(), process.readAllStandardOutput(),
                   QString::fromUtf8(process.readAllStandardError())};
}

// The fixtures' per-group counts (group,never,level0..4) as summary lines.
QStringList summaryLinesOf(const QString& summaryCsv) {
    QStringList lines;
    for (const QByteArray& row : testfiles::readAll(summaryCsv).split('\n')) {
        const QList<QByteArray> f = row.split(',');
        if (f.size() != 7 || !f[0].at(0) || !isdigit(static_cast<unsigned char>(f[0].at(0))))
            continue;
        const auto field = [](const QByteArray& n) {
            return QString::fromLatin1(n).rightJustified(3, QLatin1Char(' '));
        };
        lines << field(f[0]) + QString(6, ' ') + field(f[1]) + QString(4, ' ') + field(f[2]) +
                     QString(3, ' ') + field(f[3]) + QString(3, ' ') + field(f[4]) +
                     QString(3, ' ') + field(f[5]) + QString(4, ' ') + field(f[6]) +
                     QString(4, ' ');
    }
    return lines;
}

TEST(WordsCliTest, ImportExportAndSummaryAgreeWithTheFixtures) {
    QTemporaryDir dir;
    const QString vku = dir.filePath(QStringLiteral("medium.vku"));
    const QString csv = testfiles::fixture(QStringLiteral("jet/medium-2000.word.csv"));
    ASSERT_EQ(words({QStringLiteral("import-csv"), csv, vku}).status, 0);
    EXPECT_EQ(words({QStringLiteral("export"), vku}).out, testfiles::readAll(csv));

    const QString out = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_EQ(words({QStringLiteral("export"), vku, QStringLiteral("-o"), out}).status, 0);
    EXPECT_EQ(testfiles::readAll(out), testfiles::readAll(csv));

    const ToolRun summary = words({QStringLiteral("summary"), vku});
    EXPECT_EQ(summary.status, 0);
    const QStringList expected =
        summaryLinesOf(testfiles::fixture(QStringLiteral("jet/medium-2000.summary.csv")));
    ASSERT_EQ(expected.size(), 40);
    EXPECT_EQ(QString::fromUtf8(summary.out), expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

TEST(WordsCliTest, FailedImportLeavesNothingBehind) {
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.csv"));
    testfiles::writeAll(bad, "group,key,word\n1,1,apple\n1,1,pear\n");
    const QString vku = dir.filePath(QStringLiteral("words.vku"));
    const ToolRun run = words({QStringLiteral("import-csv"), bad, vku});
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("3 行目"))) << run.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("bad.csv")});

    testfiles::writeAll(vku, "keep me");
    testfiles::writeAll(bad, "group,key,word\n1,1,apple\n");
    EXPECT_NE(words({QStringLiteral("import-csv"), bad, vku}).status, 0);
    EXPECT_EQ(testfiles::readAll(vku), QByteArray("keep me"))
        << "an existing file is never replaced";
}

TEST(WordsCliTest, UnusableFilesGiveOneLineAndAFailure) {
    for (const char* name :
         {"jet/not-a-database.vku", "jet/small-2000.vku", "jet/no-such-file.vku"}) {
        const ToolRun run =
            words({QStringLiteral("summary"), testfiles::fixture(QString::fromLatin1(name))});
        EXPECT_NE(run.status, 0) << name;
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << name;
    }
    EXPECT_NE(words({QStringLiteral("frobnicate")}).status, 0);
}

TEST(WordsCliTest, PrintsTheChosenGroupsIntoAPdf) {
    QTemporaryDir dir;
    const QString vku = dir.filePath(QStringLiteral("small.vku"));
    ASSERT_EQ(words({QStringLiteral("import-csv"),
                     testfiles::fixture(QStringLiteral("jet/small-2000.word.csv")), vku})
                  .status,
              0);
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    const ToolRun all = words({QStringLiteral("print"), vku, QStringLiteral("-o"), pdf});
    EXPECT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_TRUE(all.err.isEmpty());
    EXPECT_TRUE(testfiles::readAll(pdf).startsWith("%PDF")) << "36 words in a PDF";

    const QString none = dir.filePath(QStringLiteral("none.pdf"));
    const ToolRun empty = words({QStringLiteral("print"), vku, QStringLiteral("-o"), none,
                                 QStringLiteral("--groups"), QStringLiteral("77")});
    EXPECT_NE(empty.status, 0);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("印刷する単語がありません")));
    EXPECT_FALSE(QFile::exists(none));
}

TEST(WordsCliTest, BundledSampleHoldsEveryWordOfItsList) {
    const QString sample = QStringLiteral(VOKU_APP_DIR "/Ini/基本英単語.vku");
    const QByteArray list = testfiles::readAll(QStringLiteral(VOKU_SOURCE_DIR "/data/words.csv"));
    EXPECT_EQ(words({QStringLiteral("export"), sample}).out, list);
    const QStringList groups = QString::fromUtf8(words({QStringLiteral("summary"), sample}).out)
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_GE(groups.size(), 10);
    EXPECT_GE(list.count('\n'), 301);
    // Every pronunciation is IPA between slashes, never katakana.
    const QRegularExpression ipa(QStringLiteral(",\"/[^/\"]+/\"$"));
    for (const QString& line : QString::fromUtf8(list).split(u'\n', Qt::SkipEmptyParts).mid(1))
        EXPECT_TRUE(ipa.match(line).hasMatch()) << line.toStdString();
}

} // namespace
