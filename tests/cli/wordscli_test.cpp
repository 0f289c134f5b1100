// SPDX-License-Identifier: GPL-3.0-or-later
// voku-words as a learner runs it: exit status, messages and files left behind.
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Runs the tool in folder: its exit status, standard output and standard error. With
// fullOutput, standard output goes to an empty file there that may not grow, as on a full disk.
std::tuple<int, QByteArray, QString> words(const QStringList& arguments, const QString& folder = {},
                                           bool fullOutput = false) {
    QProcess process;
    process.setWorkingDirectory(folder);
    if (fullOutput) {
        process.setStandardOutputFile(folder + QStringLiteral("/stdout.txt"));
        process.setChildProcessModifier([] {
            const rlimit none{0, 0};
            ::setrlimit(RLIMIT_FSIZE, &none);
            ::signal(SIGXFSZ, SIG_IGN);
        });
    }
    process.start(QStringLiteral(VOKU_WORDS_TOOL), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// In a folder holding the small word list as a.vku, a command that works writes output
// starting with text to standard output (file "") or to file; one that must not fails with
// one clean line holding text. Files made by neither stay as they were.
// Files a hard-killed import left beside a.vku go with the next one, unless a running
// import holds them or they only look alike.
TEST(WordsCliTest, CommandsWriteTheirOutputOrSayWhyNotInOneLine) {
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    const auto read = [&dir](const char* name) { return testfiles::readAll(dir.filePath(name)); };
    const auto entries = [&dir] {
        return dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QString csvPath = testfiles::fixture(QStringLiteral("jet/small-2000.word.csv"));
    const QByteArray csv = testfiles::readAll(csvPath);
    const QStringList parts = {"a.vku.BUSY99.part", "a.vku.a1B2c.part", "a.vku.a1B2c3.partx",
                               "xa.vku.a1B2c3.part"};
    for (const QString& name :
         parts + QStringList{"a.vku.a1B2c3.part", "a.vku.Zz9Zz9.part-journal"})
        testfiles::writeAll(dir.filePath(name), "x");
    QFile busy(dir.filePath(parts[0]));
    ASSERT_TRUE(busy.open(QIODevice::ReadOnly) && ::flock(busy.handle(), LOCK_EX) == 0);
    ASSERT_EQ(std::get<1>(words({"import-csv", csvPath, "a.vku"}, dir.path())),
              "36 語を UTF-8 として読み込みました: a.vku\n");
    EXPECT_EQ(dir.entryList({"*.part*"}, QDir::Files, QDir::Name), parts);
    ASSERT_TRUE(QFile::link("a.vku", dir.filePath("link.vku")));
    ASSERT_TRUE(QFile::copy(dir.filePath("a.vku"), dir.filePath("b.vku")));
    ASSERT_EQ(::link(QFile::encodeName(dir.filePath("a.vku")),
                     QFile::encodeName(dir.filePath("hard.vku"))),
              0);
    // A FIFO of our own stands for devices: a broken check must not replace a real one.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    testfiles::writeAll(dir.filePath("control.csv"), "group,\"k\ne\x01y\"\n");
    testfiles::writeAll(dir.filePath("other.txt"), "keep me");
    testfiles::writeAll(dir.filePath("old.txt"), "replace me");
    testfiles::writeAll(dir.filePath("stdout.txt"), {});
    const struct {
        QStringList args;
        QByteArray text;
        const char* file = nullptr; // nullptr: the command fails
        bool fullOutput = false;
    } rows[] = {
        {{"export", "a.vku"}, csv, ""},
        {{"export", "a.vku", "-o", "out.csv"}, csv, "out.csv"},
        {{"export", "a.vku", "-o", "old.txt", "--force"}, csv, "old.txt"},
        {{"summary", "a.vku"}, "  1        3      1     3     2     1      2    \n  2 ", ""},
        {{"print", "a.vku", "-o", "cards.pdf"}, "%PDF", "cards.pdf"},
        {{"export", "a.vku", "-o", "a.vku"}, "入力ファイルと同じです: a.vku"},
        {{"print", "a.vku", "-o", "hard.vku", "--force"}, "入力ファイルと同じ"},
        {{"print", "link.vku", "-o", "a.vku", "--force"}, "入力ファイルと同じ"},
        {{"export", "a.vku", "-o", "b.vku", "--force"}, "単語データファイル"},
        {{"export", "a.vku", "-o", "fifo", "--force"}, "通常のファイルではない"},
        {{"export", "a.vku", "-o", "other.txt"}, "--force"},
        {{"import-csv", csvPath, "other.txt"}, "すでにあります"},
        {{"export", "a.vku", "-o", ""}, "出力ファイル名が空です"},
        {{"import-csv", "control.csv", ""}, "出力ファイル名が空です"},
        {{"convert", "a.vku", QString(300, QLatin1Char('x'))}, "長すぎます"},
        {{"print", "a.vku", "-o", "none/c.pdf"}, "ありません）: none/c.pdf"},
        {{"print", "a.vku", "-o", "c.pdf", "--groups", "77"}, "印刷する単語がありません"},
        {{"import-csv", "control.csv", "c.vku"}, "「k e y」"},
        {{"export", "a.vku", "--encoding", "CP932"}, "export に --encoding は使えません"},
        {{"export", "a.vku", "--table", "nope"}, "word か selected"},
        {{"summary", testfiles::fixture("jet/small-2000.vku")}, "旧形式"},
        {{"summary", "none.vku"}, "見つかりません"},
        {{"export", "a.vku"}, "標準出力に書き込めませんでした", nullptr, true},
    };
    QStringList expected = entries() << "cards.pdf"
                                     << "out.csv";
    expected.sort(Qt::CaseInsensitive);
    const QByteArray kept = read("a.vku") + read("b.vku") + read("other.txt");
    for (const auto& row : rows) {
        const auto [status, out, err] = words(row.args, dir.path(), row.fullOutput);
        SCOPED_TRACE(err.toStdString());
        if (row.file) {
            EXPECT_EQ(status, 0);
            EXPECT_EQ(err, QString());
            EXPECT_TRUE((*row.file ? read(row.file) : out).startsWith(row.text));
        } else {
            EXPECT_NE(status, 0);
            EXPECT_TRUE(err.contains(QString::fromUtf8(row.text)));
            EXPECT_TRUE(err.endsWith(QLatin1Char('\n')) &&
                        std::none_of(err.begin(), err.end() - 1,
                                     [](QChar c) { return c.category() == QChar::Other_Control; }));
        }
    }
    EXPECT_EQ(entries(), expected);
    EXPECT_EQ(read("a.vku") + read("b.vku") + read("other.txt"), kept);
    EXPECT_EQ(std::get<2>(words({})).count(QStringLiteral("import-csv WORDS.csv")), 1);
}

// An import ended by a signal takes its unfinished file along.
TEST(WordsCliTest, InterruptedImportsLeaveNoPartFiles) {
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    QByteArray csv = "group,key,word,meaning\n";
    for (int i = 0; i < 60000; ++i)
        csv += QByteArray::number(i % 999 + 1) + ',' + QByteArray::number(i) + ",word,\"意味\"\n";
    testfiles::writeAll(dir.filePath("big.csv"), csv);
    for (int signal : {SIGINT, SIGTERM}) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(VOKU_WORDS_TOOL), {"import-csv", "big.csv", "w.vku"});
        while (!process.waitForFinished(1) &&
               dir.entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden).isEmpty()) {
        }
        ASSERT_EQ(process.state(), QProcess::Running) << "the import ended before it was caught";
        ::kill(static_cast<pid_t>(process.processId()), signal);
        process.waitForFinished(60000);
        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit) << signal;
        EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList{"big.csv"}) << signal;
    }
}

} // namespace
