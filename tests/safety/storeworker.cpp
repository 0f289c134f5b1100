// SPDX-License-Identifier: GPL-3.0-or-later
// The process the crash test kills: it works on a word file and the settings files without
// end (store), converts a legacy file in place (convert), or swaps a converted file into a
// legacy file's place (install), and says "ready" on standard output once it has started.
#include "crashplan.h"

#include "data/legacy/convertedfile.h"
#include "data/legacy/legacyconversion.h"
#include "data/wordstore.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

void writeLine(int fd, const QByteArray& line) {
    const QByteArray text = line + '\n';
    if (::write(fd, text.constData(), static_cast<size_t>(text.size())) != text.size())
        std::exit(3);
}

class OperationLog {
public:
    explicit OperationLog(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT, 0644)) {}

    template <typename Operation> void run(const QByteArray& what, Operation operation) {
        writeLine(fd_, "begin " + what);
        operation();
        writeLine(fd_, "done");
    }

private:
    int fd_;
};

QByteArray numbers(std::initializer_list<int> values) {
    QByteArray text;
    for (int value : values)
        text += ' ' + QByteArray::number(value);
    return text;
}

[[noreturn]] void runStore(const QString& folder, unsigned seed) {
    WordStore store = WordStore::open(CrashPlan::wordFile(folder));
    OperationLog log(CrashPlan::logFile(folder));
    std::mt19937 random(seed);
    writeLine(STDOUT_FILENO, "ready");
    // Operations in random order, so that kills land in each kind of them.
    for (;;) {
        const unsigned choice = random() % 8;
        const int set = static_cast<int>(random() % 2);
        if (choice < 2) {
            log.run("B" + numbers({set}),
                    [&] { store.buildPracticeSet(CrashPlan::practiceGroups(set)); });
        } else if (choice < 5) {
            const int group = static_cast<int>(random() % CrashPlan::groupCount) + 1;
            const int key = static_cast<int>(random() % CrashPlan::wordsPerGroup) + 1;
            const int times = static_cast<int>(random() % 999) + 1;
            log.run("G" + numbers({group, key, times % 5, times}),
                    [&] { store.writeGrade(group, key, times % 5, times); });
        } else if (choice < 6) {
            log.run("R" + numbers({set}), [&] { store.resetGroups(CrashPlan::resetGroups(set)); });
        } else {
            log.run("S" + numbers({set}), [&] {
                if (!CrashPlan::writeSettings(folder, set))
                    throw StoreError(StoreError::Kind::Failed, folder, QStringLiteral("settings"));
            });
        }
    }
}

int runConvert(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    LegacyConversion conversion(QString::fromLocal8Bit(argv[3]));
    writeLine(STDOUT_FILENO, "ready");
    const LegacyConversion::Outcome outcome = conversion.run(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
    return outcome.ok ? 0 : 1;
}

int runInstall(char** argv) {
    writeLine(STDOUT_FILENO, "ready");
    ConvertedFile::install(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                           {QByteArray(argv[4]).toLongLong(), QByteArray(argv[5]).toLongLong()});
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray mode = argc > 1 ? argv[1] : "";
    try {
        if (mode == "store" && argc == 4)
            runStore(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toUInt());
        if (mode == "convert" && argc == 4)
            return runConvert(argc, argv);
        if (mode == "install" && argc == 6)
            return runInstall(argv);
    } catch (const StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 2;
    }
    std::fprintf(stderr, "usage: storeworker store FOLDER SEED | convert LEGACY TOOL | "
                         "install LEGACY NEW WORDS SELECTED\n");
    return 64;
}
