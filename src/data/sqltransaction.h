// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;

// An immediate transaction that rolls back unless committed, so an operation that
// throws halfway leaves the file as it was.
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
