// SPDX-License-Identifier: GPL-3.0-or-later
#include "craftedfile.h"

#include "data/wordstore.h"
#include "support/testfiles.h"
#include "support/testwords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <set>
#include <stdexcept>

namespace craftedfile {

namespace {

Connection run(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    Connection connection(db, sqlite3_close);
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db) + (" in " + std::string(sql)));
    return connection;
}

// The default file system of SQLite with a sleep that only counts.
qint64 waited = 0;
const bool countingWaits = [] {
    static sqlite3_vfs counting = *sqlite3_vfs_find(nullptr);
    counting.zName = "counted-waits";
    counting.xSleep = [](sqlite3_vfs*, int microseconds) {
        waited += microseconds;
        return microseconds;
    };
    return sqlite3_vfs_register(&counting, 1) == SQLITE_OK;
}();

} // namespace

void exec(const QString& path, const QString& sql) {
    run(path, sql.toUtf8().constData());
}

Connection lock(const QString& path, bool reader) {
    return run(path, reader ? "BEGIN; SELECT count(*) FROM word" : "BEGIN EXCLUSIVE");
}

qint64 waitedMilliseconds() {
    return countingWaits ? waited / 1000 : -1;
}

void makeWordFile(const QString& path, const std::vector<WordRecord>& words) {
    std::set<int> groups;
    for (const WordRecord& row : words)
        groups.insert(row.group);
    WordStore::open(testwords::makeWordFile(path, words))
        .buildPracticeSet({groups.begin(), groups.end()});
}

Snapshot snapshot(const QString& path) {
    const QFileInfo info(path);
    return {testfiles::readAll(path), info.lastModified(),
            QDir(info.absolutePath()).entryList(QDir::Files, QDir::Name)};
}

} // namespace craftedfile
