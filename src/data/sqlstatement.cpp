// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlstatement.h"

#include "levelclass.h"
#include "storeerror.h"

#include <sqlite3.h>

const char* const SqlStatement::wordColumns =
    R"("group", key, level, times, word, meaning, text1, text2, text3, text4, text5, text6)";
static_assert(LevelClass::Never == 5);
const char* const SqlStatement::rankExpression = "(CASE WHEN times = 0 THEN 5 ELSE level END)";

namespace {

std::optional<QString> columnText(sqlite3_stmt* statement, int column) {
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return std::nullopt;
    const auto* data = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    const int bytes = sqlite3_column_bytes16(statement, column);
    return QString::fromUtf16(data, bytes / 2);
}

} // namespace

SqlStatement::SqlStatement(sqlite3* db, const char* sql, const QString& path)
    : db_(db)
    , path_(path) {
    const int rc = sqlite3_prepare_v2(db_, sql, -1, &statement_, nullptr);
    if (rc != SQLITE_OK)
        raise(db_, rc, path_);
}

SqlStatement::~SqlStatement() {
    sqlite3_finalize(statement_);
}

SqlStatement& SqlStatement::bind(int index, qint64 value) {
    sqlite3_bind_int64(statement_, index, value);
    return *this;
}

SqlStatement& SqlStatement::bind(int index, const QString& value) {
    sqlite3_bind_text16(statement_, index, value.utf16(), static_cast<int>(value.size() * 2),
                        SQLITE_TRANSIENT);
    return *this;
}

SqlStatement& SqlStatement::bind(int index, const std::optional<QString>& value) {
    if (!value)
        sqlite3_bind_null(statement_, index);
    else
        bind(index, *value);
    return *this;
}

SqlStatement& SqlStatement::bindPointer(int index, void* pointer, const char* type) {
    sqlite3_bind_pointer(statement_, index, pointer, type, nullptr);
    return *this;
}

bool SqlStatement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(statement_);
    raise(db_, rc, path_);
}

void SqlStatement::run() {
    while (step()) {
    }
}

void SqlStatement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

qint64 SqlStatement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

QString SqlStatement::text(int column) const {
    return columnText(statement_, column).value_or(QString());
}

std::optional<QString> SqlStatement::optionalText(int column) const {
    return columnText(statement_, column);
}

QByteArrayView SqlStatement::utf8(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return {data, sqlite3_column_bytes(statement_, column)};
}

WordRecord SqlStatement::word() const {
    sqlite3_stmt* statement = statement_;
    WordRecord record;
    record.group = sqlite3_column_int(statement, 0);
    record.key = sqlite3_column_int(statement, 1);
    record.level = sqlite3_column_int(statement, 2);
    record.times = sqlite3_column_int(statement, 3);
    record.word = columnText(statement, 4).value_or(QString());
    record.meaning = columnText(statement, 5);
    record.text1 = columnText(statement, 6);
    record.text2 = columnText(statement, 7);
    record.text3 = columnText(statement, 8);
    record.text4 = columnText(statement, 9);
    record.text5 = columnText(statement, 10);
    record.text6 = columnText(statement, 11);
    return record;
}

void SqlStatement::raise(sqlite3* db, int code, const QString& path) {
    const QString detail = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw StoreError(StoreError::Kind::Busy, path, detail);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        throw StoreError(StoreError::Kind::Damaged, path, detail);
    case SQLITE_READONLY:
        throw StoreError(StoreError::Kind::ReadOnly, path, detail);
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
        throw StoreError(StoreError::Kind::Invalid, path, detail);
    case SQLITE_FULL:
        throw StoreError(StoreError::Kind::Failed, path,
                         QStringLiteral("ディスクの空き容量が足りません"));
    default:
        throw StoreError(StoreError::Kind::Failed, path, detail);
    }
}
