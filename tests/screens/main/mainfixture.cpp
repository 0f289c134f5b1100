// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainfixture.h"

#include "app/settingsfiles.h"
#include "data/wordstore.h"

#include <QDir>

MainFixture::MainFixture() {
    values.AppFolder = dir.path() + QStringLiteral("/app/");
    values.DocumentsFolder = home.documentsFolder();
    values.SettingsFolder = values.DocumentsFolder + QStringLiteral("VOKU/");
    values.DataFileIniPath = values.SettingsFolder + SettingsFiles::dataFileFile;
    values.MainBackColor = QStringLiteral("12648447");
    values.NoDataFile = -1;
    QDir().mkpath(values.SettingsFolder);
    testfiles::writeAll(settingsFile(SettingsFiles::groupSelectionFile), {});
}

QString MainFixture::makeWordFile(const QString& name, const std::vector<Groups>& groups) const {
    const QString path = dir.path() + QLatin1Char('/') + name;
    WordStore store = WordStore::create(path);
    std::vector<WordRecord> words;
    for (const Groups& g : groups) {
        for (int key = 1; key <= g.words; ++key) {
            WordRecord word;
            word.group = g.group;
            word.key = key;
            word.level = g.level;
            word.times = g.times;
            word.word = QStringLiteral("word%1-%2").arg(g.group).arg(key);
            word.meaning = QStringLiteral("意味%1").arg(key);
            words.push_back(word);
        }
    }
    store.insertRows(WordStore::Table::Word, words);
    return path;
}

void MainFixture::select(const QString& path) {
    values.DataFilePath = path;
    values.WindowTitle = QStringLiteral("VOKU英単カード") + QChar(0x3000) +
                         path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    values.NoDataFile = 0;
}

QByteArray MainFixture::settingsBytes(const QString& name) const {
    return testfiles::readAll(settingsFile(name));
}

std::vector<WordRecord> MainFixture::rows(const QString& path, bool selected) const {
    std::vector<WordRecord> result;
    WordStore::open(path).forEachRow(selected ? WordStore::Table::Selected : WordStore::Table::Word,
                                     [&](const WordRecord& row) { result.push_back(row); });
    return result;
}
