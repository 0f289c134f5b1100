// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordstore.h"

#include <tuple>
#include <vector>

// The one builder of word data files for tests.
namespace testwords {

// A word with the given progress; its word names group and key ("w3-17") and so does its
// meaning ("意味3-17"); the other texts are Null.
inline WordRecord word(int group, int key, int level = 0, int times = 0) {
    WordRecord record;
    record.word = QStringLiteral("w%1-%2").arg(group).arg(key);
    record.meaning = QStringLiteral("意味%1-%2").arg(group).arg(key);
    std::tie(record.group, record.key, record.level, record.times) =
        std::tie(group, key, level, times);
    return record;
}

// count words of group with keys 1 to count, all with the same progress.
inline std::vector<WordRecord> words(int group, int count, int level = 0, int times = 0) {
    std::vector<WordRecord> rows;
    for (int key = 1; key <= count; ++key)
        rows.push_back(word(group, key, level, times));
    return rows;
}

// Makes a new word data file at path holding rows (no practice set) and returns path.
inline QString makeWordFile(const QString& path, const std::vector<WordRecord>& rows) {
    WordStore::create(path).insertRows(WordStore::Table::Word, rows);
    return path;
}

// The rows of a word data file's word table, or of its practice set.
inline std::vector<WordRecord> rowsOf(const QString& path, bool practiceSet = false) {
    std::vector<WordRecord> rows;
    WordStore::open(path).forEachRow(practiceSet ? WordStore::Table::Selected
                                                 : WordStore::Table::Word,
                                     [&](const WordRecord& row) { rows.push_back(row); });
    return rows;
}

} // namespace testwords
