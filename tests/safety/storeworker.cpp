// SPDX-License-Identifier: GPL-3.0-or-later
// The process the crash test kills: it works on a word file and the settings files without
// end (store FOLDER SEED), converts a legacy file in place (convert LEGACY TOOL), or swaps a
// converted file into a legacy file's place (install LEGACY NEW WORDS SELECTED). It says
// "ready" on standard output once it has started.
#include "crashplan.h"

#include "data/legacy/convertedfile.h"
#include "data/legacy/legacyconversion.h"
#include "data/wordstore.h"
#include "support/conversion.h"

#include <QCoreApplication>
#include <cstdio>
#include <random>

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
        // Practice sets, grades, group resets and settings in random order, so that kills
        // land in each of them.
        for (std::mt19937 random(a.value(3).toUInt()); store;) {
            const int set = static_cast<int>(random() % 2);
            const unsigned choice = random() % 4;
            if (choice == 0)
                store->buildPracticeSet(CrashPlan::practiceGroups(set));
            else if (choice == 1)
                store->writeGrade(set + 11, static_cast<int>(random() % 150) + 1, 1, 1);
            else if (choice == 2)
                store->resetGroups(set ? std::vector{11, 12, 13, 14, 15} : std::vector{2, 4, 6});
            else
                CrashPlan::writeSettings(a[2], set);
        }
        if (a.value(1) == QLatin1String("convert")) {
            const LegacyConversion::Outcome outcome = testfiles::convertAndWait(conversion, a[2]);
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
