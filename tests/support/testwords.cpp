// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwords.h"

#include "data/wordstore.h"

namespace testwords {

WordRecord word(int group, int key, int level, int times) {
    WordRecord record;
    record.group = group;
    record.key = key;
    record.level = level;
    record.times = times;
    record.word = QStringLiteral("w%1-%2").arg(group).arg(key);
    record.meaning = QStringLiteral("意味%1-%2").arg(group).arg(key);
    return record;
}

std::vector<WordRecord> words(int group, int count, int level, int times) {
    std::vector<WordRecord> rows;
    for (int key = 1; key <= count; ++key)
        rows.push_back(word(group, key, level, times));
    return rows;
}

QString makeWordFile(const QString& path, const std::vector<WordRecord>& rows) {
    WordStore::create(path).insertRows(WordStore::Table::Word, rows);
    return path;
}

std::vector<WordRecord> rowsOf(const QString& path, bool practiceSet) {
    std::vector<WordRecord> rows;
    WordStore::open(path).forEachRow(practiceSet ? WordStore::Table::Selected
                                                 : WordStore::Table::Word,
                                     [&](const WordRecord& row) { rows.push_back(row); });
    return rows;
}

} // namespace testwords
