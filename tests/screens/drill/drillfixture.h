// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appvalues.h"
#include "data/wordstore.h"
#include "support/fakeseams.h"
#include "support/testwords.h"

#include <QTemporaryDir>
#include <set>
#include <sqlite3.h>

// Word data files for the drill's tests.
namespace drillfixture {

// Words 1..count of group 1, all with the same progress; the first has a pronunciation.
inline std::vector<WordRecord> words(int count, int level = 0, int times = 0) {
    std::vector<WordRecord> rows = testwords::words(1, count, level, times);
    rows[0].text1 = QStringLiteral("説明1");
    rows[0].text6 = QStringLiteral("ˈwɜːd");
    return rows;
}

// A word data file of the rows with all their groups in the practice set; values get its
// path and counts.
inline void makeWordFile(const QString& path, const std::vector<WordRecord>& rows,
                         AppValues& values) {
    std::set<int> groups;
    for (const WordRecord& row : rows)
        groups.insert(row.group);
    values.levelCounts = WordStore::open(testwords::makeWordFile(path, rows))
                             .buildPracticeSet({groups.begin(), groups.end()});
    values.dataFilePath = path;
}

// Level and times of word key of group 1 as stored now; {-1, -1} when it is gone.
inline std::pair<int, int> stored(const QString& path, int key) {
    for (const WordRecord& row : testwords::rowsOf(path)) {
        if (row.group == 1 && row.key == key)
            return {row.level, row.times};
    }
    return {-1, -1};
}

// Runs SQL on the file through a connection of its own, behind the drill's back.
inline void execBehindTheBack(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

} // namespace drillfixture
