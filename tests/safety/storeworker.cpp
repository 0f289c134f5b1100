// SPDX-License-Identifier: GPL-3.0-or-later
// The process the crash test kills: it works on a word file and the settings files without
// end (store FOLDER SEED), converts a legacy file in place (convert LEGACY TOOL), or swaps a
// converted file into a legacy file's place (install LEGACY NEW WORDS SELECTED). It says
// "ready" on standard output once it has started.
#include "crashplan.h"

#include "data/legacy/convertedfile.h"
#include "data/legacy/legacyconversion.h"
#include "data/wordstore.h"

#include <QCoreApplication>
#include <cstdio>
#include <random>

namespace {

// Builds practice sets, grades, resets groups and rewrites the settings in random order, so
// that kills land in each of them.
[[noreturn]] void runStore(WordStore& store, const QString& folder, unsigned seed) {
    std::mt19937 random(seed);
    for (;;) {
        const int set = static_cast<int>(random() % 2);
        const int word = static_cast<int>(random() % CrashPlan::wordsPerGroup) + 1;
        switch (random() % 4) {
        case 0:
            store.buildPracticeSet(CrashPlan::practiceGroups(set));
            break;
        case 1:
            store.writeGrade(static_cast<int>(random() % CrashPlan::groupCount) + 1, word, 1, 1);
            break;
        case 2:
            store.resetGroups(CrashPlan::resetGroups(set));
            break;
        default:
            CrashPlan::writeSettings(folder, set);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    try {
        std::optional<WordStore> store;
        if (a.value(1) == QLatin1String("store"))
            store = WordStore::open(CrashPlan::wordFile(a[2]));
        LegacyConversion conversion(a.value(3));
        std::puts("ready");
        std::fflush(stdout);
        if (store)
            runStore(*store, a[2], a[3].toUInt());
        if (a.value(1) == QLatin1String("convert")) {
            const LegacyConversion::Outcome outcome = conversion.run(a[2]);
            std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
            return outcome.ok ? 0 : 1;
        }
        ConvertedFile::install(a.value(2), a.value(3), {a.value(4).toInt(), a.value(5).toInt()});
    } catch (const StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 2;
    }
    return 0;
}
