// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;

// A write transaction that rolls back unless committed, so an operation that throws
// halfway leaves the file as it was. It takes the file's exclusive lock at its start: with
// a rollback journal every write needs that lock in the end (and again whenever SQLite
// spills its cache), so waiting for it once here bounds the wait for another program's
// lock to one busy timeout instead of one per spill.
class SqlTransaction {
public:
    SqlTransaction(sqlite3* db, const QString& path);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;

    void commit();

private:
    sqlite3* db_;
    QString path_;
    bool open_ = true;
};
