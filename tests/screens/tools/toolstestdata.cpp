// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolstestdata.h"

#include "app/settingsfiles.h"
#include "data/wordstore.h"

#include <QDir>

namespace toolstestdata {

void makeWordFile(const QString& path, int count) {
    std::vector<WordRecord> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        WordRecord row;
        row.group = i / 100 + 1;
        row.key = i % 100 + 1;
        row.word = QStringLiteral("word%1").arg(i);
        if (i % 7 != 0) {
            row.meaning = QStringLiteral("意味%1").arg(i);
        }
        rows.push_back(row);
    }
    WordStore::create(path).insertRows(WordStore::Table::Word, rows);
}

AppValues valuesFor(const QString& settingsFolder, const QString& dataFile) {
    QDir().mkpath(settingsFolder);
    AppValues values;
    values.SettingsFolder = settingsFolder;
    values.DataFileIniPath = settingsFolder + SettingsFiles::dataFileFile;
    values.DataFilePath = dataFile;
    values.WindowTitle = QStringLiteral("VOKU英単カード　old.vku");
    SettingsFiles::writeDataFileSetting(values.DataFileIniPath, dataFile);
    SettingsFiles::writeGroupSelection(settingsFolder + SettingsFiles::groupSelectionFile,
                                       {QStringLiteral(" 12")});
    const SettingsFiles::DisplaySettings display = SettingsFiles::defaultDisplaySettings();
    values.MainBackColor = display.colours[0];
    values.DrillBackColor = display.colours[1];
    values.NgBackColor = display.colours[2];
    values.ExplainBackColor = display.colours[3];
    values.ExplainTextBackColor = display.colours[4];
    return values;
}

} // namespace toolstestdata
