// SPDX-License-Identifier: GPL-3.0-or-later
#include "craftedfile.h"

#include "data/wordstore.h"
#include "support/testfiles.h"
#include "support/testwords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <set>
#include <sqlite3.h>
#include <stdexcept>

namespace craftedfile {

namespace {

sqlite3* connect(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    return db;
}

void run(sqlite3* db, const QByteArray& sql) {
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db) + (" in " + sql.toStdString()));
}

sqlite3_vfs countingVfs{};
qint64 waitedMicroseconds = 0;

int countWait(sqlite3_vfs*, int microseconds) {
    waitedMicroseconds += microseconds;
    return microseconds;
}

} // namespace

void exec(const QString& path, const QString& sql) {
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(connect(path), sqlite3_close);
    run(db.get(), sql.toUtf8());
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

ExclusiveLock::ExclusiveLock(const QString& path, Kind kind)
    : db_(connect(path)) {
    run(db_, kind == Kind::Write ? "BEGIN EXCLUSIVE" : "BEGIN; SELECT count(*) FROM word");
}

void ExclusiveLock::release() {
    sqlite3_close(db_); // which rolls back an open transaction
    db_ = nullptr;
}

CountedWaits::CountedWaits() {
    countingVfs = *sqlite3_vfs_find(nullptr);
    countingVfs.zName = "counted-waits";
    countingVfs.xSleep = countWait;
    waitedMicroseconds = 0;
    sqlite3_vfs_register(&countingVfs, 1);
}

CountedWaits::~CountedWaits() {
    sqlite3_vfs_unregister(&countingVfs);
}

qint64 CountedWaits::milliseconds() {
    return waitedMicroseconds / 1000;
}

} // namespace craftedfile
