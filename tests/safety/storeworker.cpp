// SPDX-License-Identifier: GPL-3.0-or-later
// The process the crash test kills: it works on a word file and the settings files without
// end (store), converts a legacy file in place (convert), or swaps a converted file into a
// legacy file's place (install), and says "ready" on standard output once it has started.
#include "crashplan.h"

#include "data/legacy/convertedfile.h"
#include "data/legacy/legacyconversion.h"
#include "data/wordstore.h"

#include <QCoreApplication>
#include <cstdio>
#include <random>

namespace {

void sayReady() {
    std::puts("ready");
    std::fflush(stdout);
}

// Builds practice sets, grades, resets groups and rewrites the settings in random order, so
// that kills land in each of them.
[[noreturn]] void runStore(const QString& folder, unsigned seed) {
    WordStore store = WordStore::open(CrashPlan::wordFile(folder));
    std::mt19937 random(seed);
    sayReady();
    for (;;) {
        const int set = static_cast<int>(random() % 2);
        switch (random() % 4) {
        case 0:
            store.buildPracticeSet(CrashPlan::practiceGroups(set));
            break;
        case 1:
            store.writeGrade(static_cast<int>(random() % CrashPlan::groupCount) + 1,
                             static_cast<int>(random() % CrashPlan::wordsPerGroup) + 1, 1, 1);
            break;
        case 2:
            store.resetGroups(CrashPlan::resetGroups(set));
            break;
        default:
            if (!CrashPlan::writeSettings(folder, set))
                throw StoreError(StoreError::Kind::Failed, folder, QStringLiteral("settings"));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    try {
        if (a.size() == 4 && a[1] == QLatin1String("store"))
            runStore(a[2], a[3].toUInt());
        if (a.size() == 4 && a[1] == QLatin1String("convert")) {
            LegacyConversion conversion(a[3]);
            sayReady();
            const LegacyConversion::Outcome outcome = conversion.run(a[2]);
            std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
            return outcome.ok ? 0 : 1;
        }
        if (a.size() == 6 && a[1] == QLatin1String("install")) {
            sayReady();
            ConvertedFile::install(a[2], a[3], {a[4].toLongLong(), a[5].toLongLong()});
            return 0;
        }
    } catch (const StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 2;
    }
    std::fprintf(stderr, "usage: storeworker store FOLDER SEED | convert LEGACY TOOL | "
                         "install LEGACY NEW WORDS SELECTED\n");
    return 64;
}
