// SPDX-License-Identifier: GPL-3.0-or-later
#include "rankqueue.h"

#include "sqlstatement.h"

#include <sqlite3.h>
#include <utility>

RankQueue::RankQueue(sqlite3_stmt* statement, QString path)
    : statement_(statement)
    , path_(std::move(path)) {}

RankQueue::~RankQueue() {
    sqlite3_finalize(statement_);
}

RankQueue::RankQueue(RankQueue&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr))
    , path_(std::move(other.path_)) {}

RankQueue& RankQueue::operator=(RankQueue&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(statement_);
        statement_ = std::exchange(other.statement_, nullptr);
        path_ = std::move(other.path_);
    }
    return *this;
}

std::optional<WordRecord> RankQueue::next() {
    if (!statement_)
        return std::nullopt;
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return SqlStatement::readWord(statement_);
    sqlite3* db = sqlite3_db_handle(statement_);
    sqlite3_finalize(std::exchange(statement_, nullptr));
    if (rc != SQLITE_DONE)
        SqlStatement::raise(db, rc, path_);
    return std::nullopt;
}
