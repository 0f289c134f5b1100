// SPDX-License-Identifier: GPL-3.0-or-later
// Kills the processes that write the learner's files at random moments (and, through
// strace, before each file-changing system call of the legacy file swap) and checks after
// every kill that nothing was lost or half-written. VOKU_CRASH_KILLS sets the number of
// kills of each random scenario (scripts/crash-test.sh runs many more than the default).
#include "crashplan.h"
#include "data/wordstore.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

const QString worker = QStringLiteral(VOKU_STORE_WORKER);
const QString tool = QStringLiteral(VOKU_WORDS_TOOL);
const QString legacyFixture = QStringLiteral("jet/small-2000.vku");

const int killCount = qEnvironmentVariable("VOKU_CRASH_KILLS", QStringLiteral("40")).toInt();

// A worker in a process group of its own, so that one kill can take its tool with it.
class Worker : public QProcess {
public:
    Worker(const QStringList& command, const QString& errors) {
        setStandardErrorFile(errors, QIODevice::Append);
        setChildProcessModifier([] { ::setpgid(0, 0); });
        start(command.first(), command.mid(1));
    }
    pid_t pid() const { return static_cast<pid_t>(processId()); }
    pid_t tool() const {
        QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(pid()));
        return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').first().toInt() : 0;
    }
    // SIGKILL to pid (the whole group when negative), then waits for the worker's end.
    void kill(pid_t pid) {
        if (pid != 0)
            ::kill(pid, SIGKILL);
        waitForFinished();
    }
};

void sleepRandom(std::chrono::microseconds longest) {
    static std::mt19937 random{20240611};
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (longest.count() + 1)));
}

class CrashTest : public testing::Test {
protected:
    // A fresh copy of the legacy file in a folder of its own.
    QString freshLegacy() {
        const QString folder = dir.filePath(QString::number(++folders));
        return QDir().mkpath(folder) ? testfiles::copyFixture(legacyFixture, folder) : QString();
    }

    // What a kill left at the learner's path: "legacy" when the file is unchanged,
    // "converted" when a whole converted file replaced it and the original is kept beside
    // it; otherwise what went wrong.
    static QString stateOf(const QString& legacy) {
        const QByteArray original = testfiles::readAll(testfiles::fixture(legacyFixture));
        if (testfiles::readAll(legacy) == original)
            return QStringLiteral("legacy");
        if (testfiles::readAll(legacy + QStringLiteral(".bak")) != original)
            return QStringLiteral("the original is lost");
        try {
            return WordStore::open(legacy).countWordsOfGroups({1, 2, 12}) == 36
                       ? QStringLiteral("converted")
                       : QStringLiteral("words are missing");
        } catch (const StoreError& error) {
            return error.message();
        }
    }

    QTemporaryDir dir;
    QString errors = dir.filePath(QStringLiteral("worker.err"));
    int folders = 0;
};

// The worker builds practice sets, grades, resets groups and rewrites the settings files
// without end; after every kill the practice set is one whole set and each settings file
// holds its old or its new content.
TEST_F(CrashTest, StoreAndSettingsSurviveKillsAtRandomMoments) {
    const QString folder = dir.filePath(QStringLiteral("store"));
    for (const QString& name : {dir.filePath("settings1"), dir.filePath("settings0"), folder})
        ASSERT_TRUE(QDir().mkpath(name) && CrashPlan::writeSettings(name, name.endsWith(u'1')));
    CrashPlan::makeWordFile(CrashPlan::wordFile(folder));
    for (int round = 0; round < killCount; ++round) {
        Worker store({worker, QStringLiteral("store"), folder, QString::number(round)}, errors);
        ASSERT_TRUE(store.waitForReadyRead(20000)) << testfiles::readAll(errors).toStdString();
        sleepRandom(std::chrono::milliseconds(400));
        ASSERT_FALSE(store.waitForFinished(0)) << testfiles::readAll(errors).toStdString();
        store.kill(-store.pid());
        qint64 rows = 0;
        bool setZero = false; // only set 0 holds group 1
        WordStore::open(CrashPlan::wordFile(folder))
            .forEachRow(WordStore::Table::Selected, [&](const WordRecord& row) {
                ++rows;
                setZero = setZero || row.group == 1;
            });
        EXPECT_EQ(rows, CrashPlan::wordsPerGroup * (setZero ? 8 : 13)) << "kill " << round;
        for (const QString& name :
             QDir(dir.filePath(QStringLiteral("settings0"))).entryList(QDir::Files)) {
            const QByteArray bytes = testfiles::readAll(folder + u'/' + name);
            EXPECT_TRUE(bytes == testfiles::readAll(dir.filePath("settings0/" + name)) ||
                        bytes == testfiles::readAll(dir.filePath("settings1/" + name)))
                << name.toStdString() << " after kill " << round;
        }
    }
}

// The program converts a legacy file in place while the kill hits the program and its tool,
// the program alone, or the tool alone, at moments spread over one whole conversion.
TEST_F(CrashTest, LegacyConversionSurvivesKillsOfToolAndProgram) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(QProcess::execute(worker, {QStringLiteral("convert"), freshLegacy(), tool}), 0);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    for (int round = 0; round < killCount; ++round) {
        const QString legacy = freshLegacy();
        Worker program({worker, QStringLiteral("convert"), legacy, tool}, errors);
        sleepRandom(span);
        const pid_t victims[] = {-program.pid(), program.pid(), program.tool()};
        program.kill(victims[round % 3]);
        const std::string state = stateOf(legacy).toStdString();
        EXPECT_TRUE(state == "legacy" || state == "converted") << round << ": " << state;
        // The program outlives its tool's end and reports what it left.
        if (round % 3 == 2) {
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(program.exitCode() == 0 ? "converted" : "legacy", state);
        }
    }
}

// strace kills the swap right before the n-th call of each file-changing system call in
// turn, so every state the swap passes through is seen.
TEST_F(CrashTest, TheSwapSurvivesAKillBeforeEachFileSystemCall) {
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty() || QProcess::execute(strace, {"-o", "/dev/null", "true"}) != 0)
        GTEST_SKIP()
            << "strace (Debian package strace) is missing or may not trace here (ptrace not "
               "permitted), so no kill is placed before each file system call";
    // A sanitizer build's leak check refuses to run under ptrace and fails the traced worker.
    qputenv("ASAN_OPTIONS", "detect_leaks=0");
    const QString converted = dir.filePath(QStringLiteral("converted.vku"));
    ASSERT_EQ(QProcess::execute(tool, {QStringLiteral("convert"), freshLegacy(), converted}), 0);
    for (const char* call : {"link", "linkat", "rename", "renameat", "renameat2", "unlink",
                             "unlinkat", "fsync", "fdatasync", "ftruncate", "pwrite64"}) {
        for (int n = 1;; ++n) {
            ASSERT_LE(n, 20) << "the swap never finished past " << call;
            const QString legacy = freshLegacy();
            QFile::copy(converted, legacy + QStringLiteral(".new"));
            Worker swap({strace, "-f", "-o", "/dev/null", "-e",
                         QStringLiteral("inject=%1:signal=KILL:when=%2").arg(call).arg(n), worker,
                         "install", legacy, legacy + ".new", "36", "12"},
                        errors);
            swap.waitForFinished();
            const std::string state = stateOf(legacy).toStdString();
            EXPECT_TRUE(state == "legacy" || state == "converted")
                << "kill before " << call << " #" << n << ": " << state;
            if (swap.exitStatus() == QProcess::NormalExit && swap.exitCode() == 0)
                break;
        }
    }
}

} // namespace
