// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/testfiles.h"
#include "support/testwords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>

// Word files changed with plain SQLite, as another program could, and such a program's
// locks on them.
namespace craftedfile {

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

// Runs SQL on the file through a connection of its own, which it returns; throws on failure.
inline Connection exec(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    Connection connection(db, sqlite3_close);
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db) + (" in " + sql.toStdString()));
    return connection;
}

// Another program's lock until the connection closes: a writer's or that of a reader in
// the middle of a transaction.
inline Connection lock(const QString& path, bool reader = false) {
    return exec(path, reader ? QStringLiteral("BEGIN; SELECT count(*) FROM word")
                             : QStringLiteral("BEGIN EXCLUSIVE"));
}

// SQLite's waits for a lock return at once in these tests and add up here, so a test sees
// how long a wait would be without waiting.
inline qint64 waitedMicroseconds = 0;
inline const bool countingWaits = [] {
    static sqlite3_vfs counting = *sqlite3_vfs_find(nullptr);
    counting.zName = "counted-waits";
    counting.xSleep = [](sqlite3_vfs*, int microseconds) {
        waitedMicroseconds += microseconds;
        return microseconds;
    };
    return sqlite3_vfs_register(&counting, 1) == SQLITE_OK;
}();

// Everything that tells whether a file was written: its bytes, its time and the files
// SQLite would leave beside it.
struct Snapshot {
    QByteArray bytes;
    QDateTime modified;
    QStringList folder;
    bool operator==(const Snapshot&) const = default;
};
inline Snapshot snapshot(const QString& path) {
    const QFileInfo info(path);
    return {testfiles::readAll(path), info.lastModified(),
            QDir(info.absolutePath()).entryList(QDir::Files, QDir::Name)};
}

} // namespace craftedfile
