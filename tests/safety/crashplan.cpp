// SPDX-License-Identifier: GPL-3.0-or-later
#include "crashplan.h"

#include "app/settingsfiles.h"
#include "data/newwordfile.h"

namespace CrashPlan {

QString wordFile(const QString& folder) {
    return folder + QStringLiteral("/words.vku");
}

std::vector<int> practiceGroups(int set) {
    return set == 0 ? std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}
                    : std::vector<int>{5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
}

std::vector<int> resetGroups(int set) {
    return set == 0 ? std::vector<int>{2, 4, 6} : std::vector<int>{11, 12, 13, 14, 15};
}

void makeWordFile(const QString& path) {
    std::vector<WordRecord> words;
    for (int group = 1; group <= groupCount; ++group) {
        for (int key = 1; key <= wordsPerGroup; ++key) {
            WordRecord record;
            record.group = group;
            record.key = key;
            record.word = QStringLiteral("word-%1-%2").arg(group).arg(key);
            record.text1 = QStringLiteral("説明").repeated(20);
            words.push_back(record);
        }
    }
    NewWordFile::write(path, [&words](WordStore& store) {
        store.insertRows(WordStore::Table::Word, words);
        store.buildPracticeSet(practiceGroups(0));
    });
}

bool writeSettings(const QString& folder, int variant) {
    SettingsFiles::DisplaySettings display = SettingsFiles::defaultDisplaySettings();
    display.noSound = variant;
    const QString base = folder + QLatin1Char('/');
    const QStringList tags = variant == 0
                                 ? QStringList{QStringLiteral("  1"), QStringLiteral("  2")}
                                 : QStringList{QStringLiteral(" 12"), QStringLiteral("999")};
    return SettingsFiles::writeDataFileSetting(
               base + SettingsFiles::dataFileFile,
               QStringLiteral("/home/学習者/単語%1.vku").arg(variant)) &&
           SettingsFiles::writeDisplaySettings(base + SettingsFiles::displayFile, display) &&
           SettingsFiles::writeGroupSelection(base + SettingsFiles::groupSelectionFile, tags);
}

} // namespace CrashPlan
