// SPDX-License-Identifier: GPL-3.0-or-later
// voku-words as a learner runs it: exit status, messages and files left behind.
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

struct ToolRun {
    int status = -1;
    QByteArray out;
    QString err;
};

ToolRun words(const QStringList& arguments, const QString& folder = {},
              const QString& standardOutput = {}) {
    QProcess process;
    process.setWorkingDirectory(folder);
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput);
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
    const ToolRun import = words({QStringLiteral("import-csv"), csv, vku});
    ASSERT_EQ(import.status, 0);
    EXPECT_EQ(import.out, "2000 語を UTF-8 として読み込みました: " + vku.toUtf8() + '\n');
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
    EXPECT_EQ(words({}).err.count(QStringLiteral("import-csv WORDS.csv")), 1);
}

// Outputs the tool must refuse or report: each run fails with one clean line holding the
// fragment, and the protected file keeps its bytes.
TEST(WordsCliTest, RefusedAndFailedOutputsSayWhyInOneLine) {
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    ASSERT_EQ(words({QStringLiteral("import-csv"),
                     testfiles::fixture(QStringLiteral("jet/small-2000.word.csv")),
                     dir.filePath(QStringLiteral("a.vku"))})
                  .status,
              0);
    ASSERT_TRUE(QFile::link(QStringLiteral("a.vku"), dir.filePath(QStringLiteral("link.vku"))));
    ASSERT_TRUE(QFile::copy(dir.filePath(QStringLiteral("a.vku")), dir.filePath("b.vku")));
    ASSERT_TRUE(::link(QFile::encodeName(dir.filePath("a.vku")),
                       QFile::encodeName(dir.filePath("hard.vku"))) == 0);
    testfiles::writeAll(dir.filePath(QStringLiteral("other.txt")), "keep me");
    testfiles::writeAll(dir.filePath(QStringLiteral("control.csv")), "group,\"k\ne\x01y\"\n");
    testfiles::writeAll(dir.filePath(QStringLiteral("utf16.csv")), QByteArray("g\0r\0", 4));
    dir.mkdir(QStringLiteral("sub"));
    // A FIFO of our own stands for devices: a broken check must not replace a real one.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    const QString longName(300, QLatin1Char('x'));
    const struct {
        QStringList args;
        const char* fragment;
        const char* kept = nullptr;
        const char* standardOutput = nullptr;
    } rows[] = {
        {{"export", "a.vku", "-o", "a.vku"}, "入力ファイルと同じです: a.vku", "a.vku"},
        {{"export", "a.vku", "-o", "sub/../a.vku", "--force"}, "入力ファイルと同じ", "a.vku"},
        {{"print", "a.vku", "-o", "hard.vku", "--force"}, "入力ファイルと同じ", "a.vku"},
        {{"print", "link.vku", "-o", "a.vku", "--force"}, "入力ファイルと同じ", "a.vku"},
        {{"export", "a.vku", "-o", "b.vku", "--force"}, "単語データファイル", "b.vku"},
        {{"export", "a.vku", "-o", "fifo", "--force"}, "通常のファイルではない"},
        {{"print", "a.vku", "-o", "sub", "--force"}, "通常のファイルではない"},
        {{"export", "a.vku", "-o", "other.txt"}, "--force", "other.txt"},
        {{"export", "a.vku", "-o", ""}, "出力ファイル名が空です"},
        {{"print", "a.vku", "-o", ""}, "出力ファイル名が空です"},
        {{"import-csv", "control.csv", ""}, "出力ファイル名が空です"},
        {{"convert", "a.vku", longName}, "長すぎます"},
        {{"print", "a.vku", "-o", "none/c.pdf"}, "ありません）: none/c.pdf"},
        {{"import-csv", "control.csv", "c.vku"}, "「k e y」"},
        {{"import-csv", "utf16.csv", "c.vku"}, "UTF-16"},
        {{"export", "a.vku", "--encoding", "CP932"}, "export に --encoding は使えません"},
        {{"export", "a.vku"}, "標準出力に書き込めませんでした", nullptr, "/dev/full"},
        {{"summary", "a.vku"}, "標準出力に書き込めませんでした", nullptr, "/dev/full"},
    };
    for (const auto& row : rows) {
        const QString context = row.args.join(QLatin1Char(' '));
        const QByteArray before = row.kept ? testfiles::readAll(dir.filePath(row.kept)) : "";
        const ToolRun run = words(row.args, dir.path(), QString::fromLatin1(row.standardOutput));
        EXPECT_NE(run.status, 0) << context.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.fragment))) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith(QLatin1Char('\n')));
        EXPECT_FALSE(std::any_of(run.err.begin(), run.err.end() - 1, [](QChar c) {
            return c.category() == QChar::Other_Control;
        })) << run.err.toStdString();
        if (row.kept) {
            EXPECT_EQ(testfiles::readAll(dir.filePath(row.kept)), before) << row.kept;
        }
    }
    EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
    EXPECT_EQ(words({"export", "a.vku", "-o", "other.txt", "--force"}, dir.path()).status, 0);
    EXPECT_EQ(testfiles::readAll(dir.filePath(QStringLiteral("other.txt"))),
              testfiles::readAll(testfiles::fixture(QStringLiteral("jet/small-2000.word.csv"))));
}

// An import ended by a signal takes its unfinished file along; one killed harder leaves
// files that the next import for the same target removes, and only those.
TEST(WordsCliTest, InterruptedImportsLeaveNoPartFiles) {
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    QByteArray csv = "group,key,word,meaning\n";
    for (int i = 0; i < 60000; ++i)
        csv += QByteArray::number(i % 999 + 1) + ',' + QByteArray::number(i) + ",word,\"意味\"\n";
    testfiles::writeAll(dir.filePath(QStringLiteral("big.csv")), csv);
    for (int signal : {SIGINT, SIGTERM}) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(VOKU_WORDS_TOOL), {"import-csv", "big.csv", "w.vku"});
        ASSERT_TRUE(process.waitForStarted());
        while (process.state() == QProcess::Running &&
               dir.entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden).isEmpty())
            QThread::msleep(1);
        ASSERT_EQ(process.state(), QProcess::Running) << "the import ended before it was caught";
        ::kill(static_cast<pid_t>(process.processId()), signal);
        process.waitForFinished(60000);
        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit) << signal;
        EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList{"big.csv"}) << signal;
    }
    const QStringList stale = {"w.vku.a1B2c3.part", "w.vku.a1B2c3.part-journal",
                               "w.vku.Zz9Zz9.part-journal"};
    const QStringList kept = {"w.vku.BUSY99.part", "w.vku.a1B2c.part", "w.vku.a1B2c3.partx",
                              "xw.vku.a1B2c3.part"};
    for (const QString& name : stale + kept)
        testfiles::writeAll(dir.filePath(name), "x");
    QFile busy(dir.filePath(kept[0]));
    ASSERT_TRUE(busy.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(busy.handle(), LOCK_EX), 0);
    testfiles::writeAll(dir.filePath(QStringLiteral("small.csv")), "group,key,word\n1,1,a\n");
    ASSERT_EQ(words({"import-csv", "small.csv", "w.vku"}, dir.path()).status, 0);
    QStringList expected = kept + QStringList{"big.csv", "small.csv", "w.vku"};
    expected.sort();
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
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
