// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqltransaction.h"

#include "sqlstatement.h"

#include <sqlite3.h>

SqlTransaction::SqlTransaction(sqlite3* db, const QString& path)
    : db_(db)
    , path_(path) {
    const int rc = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        SqlStatement::raise(db_, rc, path_);
}

SqlTransaction::~SqlTransaction() {
    if (open_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqlTransaction::commit() {
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        SqlStatement::raise(db_, rc, path_);
    open_ = false;
}
