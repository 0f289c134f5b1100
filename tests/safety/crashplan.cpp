// SPDX-License-Identifier: GPL-3.0-or-later
#include "crashplan.h"

#include "app/settingsfiles.h"
#include "data/newwordfile.h"
#include "support/testwords.h"

namespace CrashPlan {

std::vector<int> practiceGroups(int set) {
    return set == 0 ? std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}
                    : std::vector<int>{5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
}

void makeWordFile(const QString& path) {
    std::vector<WordRecord> words;
    for (int group = 1; group <= 20; ++group) {
        for (int key = 1; key <= wordsPerGroup; ++key) {
            words.push_back(testwords::word(group, key));
            words.back().text1 = QStringLiteral("説明").repeated(20);
        }
    }
    NewWordFile::write(path, [&words](WordStore& store) {
        store.insertRows(WordStore::Table::Word, words);
        store.buildPracticeSet(practiceGroups(0));
    });
}

bool writeSettings(const QString& folder, int variant) {
    SettingsFiles::DisplaySettings display = SettingsFiles::defaultDisplaySettings();
    display.noSound = static_cast<qint16>(variant);
    const QString base = folder + u'/';
    return SettingsFiles::writeDisplaySettings(base + SettingsFiles::displayFile, display) &&
           SettingsFiles::writeGroupSelection(base + SettingsFiles::groupSelectionFile,
                                              {QString::number(variant + 1).rightJustified(3)});
}

} // namespace CrashPlan
