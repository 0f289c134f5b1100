// SPDX-License-Identifier: GPL-3.0-or-later
#include "craftedfile.h"

#include "data/wordstore.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    char* error = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(text + " in " + sql.toStdString());
    }
}

sqlite3_vfs countingVfs{};
qint64 waitedMicroseconds = 0;

int countWait(sqlite3_vfs*, int microseconds) {
    waitedMicroseconds += microseconds;
    return microseconds;
}

} // namespace

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

void exec(const QString& path, const QString& sql) {
    sqlite3* db = connect(path);
    try {
        run(db, sql.toUtf8());
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
}

qint64 integer(const QString& path, const char* sql) {
    sqlite3* db = connect(path);
    sqlite3_stmt* statement = nullptr;
    qint64 value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

void makeWithTables(const QString& path, const QString& tablesSql) {
    exec(path, QStringLiteral("PRAGMA application_id = 1448037205; PRAGMA user_version = 1;") +
                   tablesSql);
}

void makeWordFile(const QString& path, const std::vector<WordRecord>& words) {
    std::set<int> groups;
    for (const WordRecord& row : words)
        groups.insert(row.group);
    WordStore store = WordStore::create(path);
    store.insertRows(WordStore::Table::Word, words);
    store.buildPracticeSet({groups.begin(), groups.end()});
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

ExclusiveLock::~ExclusiveLock() {
    release();
}

void ExclusiveLock::release() {
    if (db_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
}

bool ScriptedDialogs::askYesNo(const QString& text, Icon) {
    questions << text;
    if (answers.empty())
        return false;
    Answer answer = answers.front();
    answers.pop_front();
    if (answer.before)
        answer.before();
    return answer.yes;
}

} // namespace craftedfile
