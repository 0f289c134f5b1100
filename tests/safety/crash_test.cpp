// SPDX-License-Identifier: GPL-3.0-or-later
// Kills the processes that write the learner's files at random moments and checks after
// every kill that nothing was lost or half-written. VOKU_CRASH_KILLS sets the number of
// kills of each scenario (scripts/crash-test.sh runs many more than the default).
#include "childprocess.h"
#include "crashplan.h"
#include "data/wordstore.h"
#include "storemodel.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <random>
#include <sys/wait.h>
#include <thread>

namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

constexpr milliseconds readyLimit{20000};
const QString legacyFixture = QStringLiteral("jet/small-2000.vku");
constexpr qint64 legacyWords = 36;
constexpr qint64 legacySelected = 12;

int killCount() {
    const int fromEnvironment = qEnvironmentVariableIntValue("VOKU_CRASH_KILLS");
    return fromEnvironment > 0 ? fromEnvironment : 40;
}

QString errorText(const QString& errorFile) {
    return QString::fromLocal8Bit(testfiles::readAll(errorFile)).trimmed();
}

void report(const char* scenario, const std::map<QString, int>& figures) {
    std::cout << "[ figures  ] " << scenario;
    for (const auto& [name, count] : figures)
        std::cout << ", " << name.toStdString() << ": " << count;
    std::cout << std::endl;
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The learner's legacy file after a kill: still in its place unchanged, or replaced by a
// whole converted file with the original kept as a backup beside it. Returns what was
// found ("legacy" or "converted") or throws the problem as text.
QString legacyPlaceState(const QString& legacyPath, const QByteArray& original) {
    const QFileInfo legacy(legacyPath);
    const QStringList backups =
        QDir(legacy.absolutePath()).entryList({legacy.fileName() + QStringLiteral(".bak*")});
    for (const QString& backup : backups) {
        if (testfiles::readAll(legacy.absoluteDir().filePath(backup)) != original)
            throw QStringLiteral("the backup %1 differs from the original").arg(backup);
    }
    if (!legacy.exists())
        throw QStringLiteral("no file at the learner's path");
    if (testfiles::readAll(legacyPath) == original)
        return QStringLiteral("legacy");
    if (backups.isEmpty())
        throw QStringLiteral("the file changed and no backup holds the original");
    try {
        const WordStore store = WordStore::open(legacyPath);
        qint64 words = 0;
        qint64 selected = 0;
        store.forEachRow(WordStore::Table::Word, [&words](const WordRecord&) { ++words; });
        store.forEachRow(WordStore::Table::Selected,
                         [&selected](const WordRecord&) { ++selected; });
        if (words != legacyWords || selected != legacySelected)
            throw QStringLiteral("the converted file holds %1 words and %2 selected")
                .arg(words)
                .arg(selected);
    } catch (const StoreError& error) {
        throw QStringLiteral("the converted file does not open: ") + error.message();
    }
    return QStringLiteral("converted");
}

class CrashTest : public testing::Test {
protected:
    void sleepRandom(microseconds longest) {
        std::uniform_int_distribution<qint64> pick(0, longest.count());
        std::this_thread::sleep_for(microseconds(pick(random)));
    }

    // Kills the child unless it ended on its own; true when the kill hit it running.
    static bool killRunning(ChildProcess& child) {
        child.killGroup();
        const int status = child.wait();
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

    QTemporaryDir dir;
    std::mt19937 random{20240611};
};

// The worker builds practice sets, grades words, resets groups and rewrites the settings
// files without end; every kill must leave each of these done whole or not at all.
TEST_F(CrashTest, StoreAndSettingsSurviveKillsAtRandomMoments) {
    const QString folder = dir.filePath(QStringLiteral("store"));
    ASSERT_TRUE(QDir().mkpath(folder));
    CrashPlan::makeWordFile(CrashPlan::wordFile(folder));
    std::array<std::array<QByteArray, 3>, 2> settingsBytes;
    for (int variant = 0; variant < 2; ++variant) {
        const QString reference = dir.filePath(QStringLiteral("reference%1").arg(variant));
        ASSERT_TRUE(QDir().mkpath(reference));
        ASSERT_TRUE(CrashPlan::writeSettings(reference, variant));
        for (int i = 0; i < 3; ++i)
            settingsBytes[static_cast<size_t>(variant)][static_cast<size_t>(i)] =
                testfiles::readAll(reference + QLatin1Char('/') + CrashPlan::settingsFiles()[i]);
    }
    ASSERT_TRUE(CrashPlan::writeSettings(folder, 0));
    StoreModel model(settingsBytes);
    std::map<QString, int> figures;
    const QString errors = dir.filePath(QStringLiteral("worker.err"));

    for (int round = 0; round < killCount(); ++round) {
        ChildProcess worker({QStringLiteral(VOKU_STORE_WORKER), QStringLiteral("store"), folder,
                             QString::number(round)},
                            errors);
        ASSERT_TRUE(worker.waitReady(readyLimit)) << errorText(errors).toStdString();
        sleepRandom(milliseconds(400));
        ASSERT_TRUE(killRunning(worker)) << "the worker ended: " << errorText(errors).toStdString();

        if (QFile::exists(CrashPlan::wordFile(folder) + QStringLiteral("-journal")))
            ++figures[QStringLiteral("hot journal rolled back")];
        const QByteArray log = testfiles::readAll(CrashPlan::logFile(folder));
        QFile::remove(CrashPlan::logFile(folder));
        const std::optional<StoreModel::Operation> pending = model.replay(log);
        const StoreModel::State before = model.state();
        const std::optional<QString> problem = model.settle(folder, pending);
        ASSERT_FALSE(problem) << "kill " << round + 1 << ": " << problem->toStdString();
        const QString during =
            pending ? QStringLiteral("killed during ") + QChar::fromLatin1(pending->kind)
                    : QStringLiteral("killed between operations");
        ++figures[during];
        if (pending && pending->kind != 'S')
            ++figures[model.state() == before ? QStringLiteral("interrupted op undone")
                                              : QStringLiteral("interrupted op kept")];
        ++figures[QStringLiteral("kills survived")];
    }
    const QStringList leftovers = QDir(folder).entryList({QStringLiteral("VKI0*.ini.*")});
    figures[QStringLiteral("leftover settings temp files")] = static_cast<int>(leftovers.size());
    report("store (B build, G grade, R reset, S settings)", figures);
}

// The program converts a legacy file in place while the kill hits the converting tool,
// the program, or both at once.
TEST_F(CrashTest, LegacyConversionSurvivesKillsOfToolAndProgram) {
    const QString tool = QStringLiteral(VOKU_WORDS_TOOL);
    std::map<QString, int> figures;
    // Kill times spread over one whole conversion, however fast this machine runs it.
    const QString timed = dir.filePath(QStringLiteral("timed"));
    ASSERT_TRUE(QDir().mkpath(timed));
    const auto start = std::chrono::steady_clock::now();
    {
        ChildProcess worker({QStringLiteral(VOKU_STORE_WORKER), QStringLiteral("convert"),
                             testfiles::copyFixture(legacyFixture, timed), tool},
                            dir.filePath(QStringLiteral("timed.err")));
        ASSERT_TRUE(worker.waitReady(readyLimit));
        ASSERT_EQ(worker.wait(), 0);
    }
    const auto span =
        std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - start);
    int kills = 0;
    for (int round = 0; kills < killCount() && round < 10 * killCount(); ++round) {
        const QString folder = dir.filePath(QStringLiteral("convert%1").arg(round));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString legacy = testfiles::copyFixture(legacyFixture, folder);
        const QByteArray original = testfiles::readAll(legacy);
        const QString errors = dir.filePath(QStringLiteral("convert%1.err").arg(round));
        ChildProcess worker(
            {QStringLiteral(VOKU_STORE_WORKER), QStringLiteral("convert"), legacy, tool}, errors);
        ASSERT_TRUE(worker.waitReady(readyLimit)) << errorText(errors).toStdString();
        sleepRandom(span);
        QString what;
        QString reported;
        const std::vector<pid_t> tools = worker.children();
        if (round % 3 == 1 && !tools.empty()) {
            for (pid_t child : tools)
                ::kill(child, SIGKILL);
            // The tool may have finished just before the kill: then the program reports success.
            const int status = worker.wait();
            ASSERT_TRUE(WIFEXITED(status)) << "the program did not survive its tool's end";
            reported =
                WEXITSTATUS(status) == 0 ? QStringLiteral("converted") : QStringLiteral("legacy");
            what = QStringLiteral("tool killed");
        } else if (round % 3 == 2) {
            ::kill(worker.pid(), SIGKILL);
            what = WIFSIGNALED(worker.wait()) ? QStringLiteral("program killed") : QString();
        } else {
            what = killRunning(worker) ? QStringLiteral("program and tool killed") : QString();
        }
        worker.killGroup();
        kills += what.isEmpty() ? 0 : 1;
        ++figures[what.isEmpty() ? QStringLiteral("finished before the kill") : what];
        try {
            const QString state = legacyPlaceState(legacy, original);
            EXPECT_TRUE(reported.isEmpty() || reported == state)
                << "the program reported the file as " << reported.toStdString();
            ++figures[state];
        } catch (const QString& problem) {
            FAIL() << "round " << round + 1 << ": " << problem.toStdString();
        }
        if (entriesOf(folder).filter(QStringLiteral(".converting-")).size() > 0)
            ++figures[QStringLiteral("leftover working folder")];
    }
    figures[QStringLiteral("kills survived")] = kills;
    report("legacy conversion", figures);
}

// A converted file next to a copy of the legacy file, made once by the real tool.
class SwapCrashTest : public CrashTest {
protected:
    void SetUp() override {
        const QString legacy = testfiles::copyFixture(legacyFixture, dir.path());
        converted = dir.filePath(QStringLiteral("converted.vku"));
        QProcess tool;
        tool.start(QStringLiteral(VOKU_WORDS_TOOL), {QStringLiteral("convert"), legacy, converted});
        ASSERT_TRUE(tool.waitForFinished(60000) && tool.exitCode() == 0)
            << tool.readAllStandardError().toStdString();
        original = testfiles::readAll(legacy);
    }

    // A folder with the legacy file and the converted file to swap in.
    QString prepare(int round) {
        const QString folder = dir.filePath(QStringLiteral("swap%1").arg(round));
        QDir().mkpath(folder);
        const QString legacy = testfiles::copyFixture(legacyFixture, folder);
        QFile::copy(converted, folder + QStringLiteral("/new.vku"));
        return legacy;
    }

    QStringList installCommand(const QString& legacy) const {
        return {QStringLiteral(VOKU_STORE_WORKER),
                QStringLiteral("install"),
                legacy,
                QFileInfo(legacy).absolutePath() + QStringLiteral("/new.vku"),
                QString::number(legacyWords),
                QString::number(legacySelected)};
    }

    QString converted;
    QByteArray original;
};

TEST_F(SwapCrashTest, TheSwapSurvivesKillsAtRandomMoments) {
    std::map<QString, int> figures;
    int kills = 0;
    for (int round = 0; kills < killCount() && round < 10 * killCount(); ++round) {
        const QString legacy = prepare(round);
        const QString errors = dir.filePath(QStringLiteral("swap%1.err").arg(round));
        ChildProcess worker(installCommand(legacy), errors);
        ASSERT_TRUE(worker.waitReady(readyLimit)) << errorText(errors).toStdString();
        sleepRandom(microseconds(1500));
        const bool killed = killRunning(worker);
        kills += killed ? 1 : 0;
        ++figures[killed ? QStringLiteral("kills survived")
                         : QStringLiteral("finished before the kill")];
        try {
            ++figures[legacyPlaceState(legacy, original)];
        } catch (const QString& problem) {
            FAIL() << "round " << round + 1 << ": " << problem.toStdString();
        }
    }
    report("swap, random kills", figures);
}

// strace kills the swap right before the n-th call of each file-changing system call in
// turn, so every state the swap passes through is seen.
TEST_F(SwapCrashTest, TheSwapSurvivesAKillBeforeEachFileSystemCall) {
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        GTEST_SKIP() << "strace (Debian package strace) is not installed, so no kill is placed "
                        "before each file system call";
    if (QProcess::execute(strace, {"-o", "/dev/null", "true"}) != 0)
        GTEST_SKIP() << "strace may not trace here (ptrace is not permitted), so no kill is "
                        "placed before each file system call";
    const QStringList calls{"link",     "linkat", "rename",    "renameat",  "renameat2", "unlink",
                            "unlinkat", "fsync",  "fdatasync", "ftruncate", "pwrite64"};
    std::map<QString, int> figures;
    int run = 0;
    for (const QString& call : calls) {
        // The swap makes each of these calls only a few times; a worker that never gets
        // through is a failure, not a reason to go on for ever.
        for (int n = 1;; ++n) {
            ASSERT_LE(n, 20) << "the swap never finished past " << call.toStdString();
            const QString legacy = prepare(++run);
            const QString errors = dir.filePath(QStringLiteral("strace%1.err").arg(run));
            ChildProcess worker(
                QStringList{strace, "-f", "-o", "/dev/null", "-e",
                            "inject=" + call + ":signal=KILL:when=" + QString::number(n)} +
                    installCommand(legacy),
                errors);
            ASSERT_TRUE(worker.waitReady(readyLimit)) << errorText(errors).toStdString();
            const int status = worker.wait();
            try {
                ++figures[legacyPlaceState(legacy, original)];
            } catch (const QString& problem) {
                FAIL() << "kill before " << call.toStdString() << " #" << n << ": "
                       << problem.toStdString();
            }
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                break;
            ++figures[QStringLiteral("kills survived")];
            ++figures[QStringLiteral("killed before ") + call];
        }
    }
    report("swap, a kill before each file-changing call", figures);
}

} // namespace
