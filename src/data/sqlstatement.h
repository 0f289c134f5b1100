// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordrecord.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// A prepared SQLite statement with bound parameters; every failure throws StoreError
// naming the word data file.
class SqlStatement {
public:
    SqlStatement(sqlite3* db, const char* sql, const QString& path);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    SqlStatement& bind(int index, qint64 value);
    SqlStatement& bind(int index, const QString& value);
    SqlStatement& bind(int index, const std::optional<QString>& value);
    // Hands a pointer to an SQL function of ours; SQL text cannot forge one.
    SqlStatement& bindPointer(int index, void* pointer, const char* type);

    // Steps once: true while a row is there, false when done.
    bool step();
    // Steps to the end, for statements that return no rows.
    void run();
    void reset();

    qint64 integer(int column) const;
    QString text(int column) const;
    std::optional<QString> optionalText(int column) const;
    // The column's UTF-8 bytes, empty for Null; valid until the next step.
    QByteArrayView utf8(int column) const;

    // The whole word row of a statement that selects wordColumns first.
    WordRecord word() const;

    // Column list shared by the queries that read whole word rows, in table order.
    static const char* const wordColumns;
    // A word's rank: LevelClass::Never until it is first checked, its level after.
    static const char* const rankExpression;
    // Throws the StoreError for an SQLite result code.
    [[noreturn]] static void raise(sqlite3* db, int code, const QString& path);

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    QString path_;
};
