// SPDX-License-Identifier: GPL-3.0-or-later
#include "legacytable.h"

#include "data/storeerror.h"
#include "legacytext.h"

#include <algorithm>
#include <set>

namespace {

// Row offsets on a data page carry flags in their top bits.
constexpr int rowOffsetMask = 0x1fff;
// The first word of a memo field: its length with two flags on top.
constexpr quint32 memoInline = 0x80000000;
constexpr quint32 memoSinglePage = 0x40000000;
constexpr quint32 memoLengthMask = 0x3fffffff;

bool isNumberType(int type) {
    return type == MDB_BYTE || type == MDB_INT || type == MDB_LONGINT;
}

bool isTextType(int type) {
    return type == MDB_TEXT || type == MDB_MEMO;
}

} // namespace

LegacyTable::LegacyTable(const LegacyDatabase& database, MdbCatalogEntry* entry)
    : database_(database)
    , table_(mdb_read_table(entry)) {
    if (!table_ || !mdb_read_columns(table_)) {
        mdb_free_tabledef(table_);
        throw StoreError(StoreError::Kind::Damaged, database_.path());
    }
    for (int field = 0; field < static_cast<int>(columns_.size()); ++field) {
        columns_[field] = findColumn(LegacyRow::fieldNames[field], field < LegacyRow::NumberCount);
        if (columns_[field] < 0) {
            const QString detail = QStringLiteral("%1 表の %2 列")
                                       .arg(QString::fromUtf8(table_->name),
                                            QString::fromUtf8(LegacyRow::fieldNames[field]));
            mdb_free_tabledef(table_);
            throw StoreError(StoreError::Kind::MissingTable, database_.path(), detail);
        }
    }
}

LegacyTable::~LegacyTable() {
    mdb_free_tabledef(table_);
}

int LegacyTable::findColumn(const char* name, bool number) const {
    for (guint i = 0; i < table_->num_cols; ++i) {
        const MdbColumn* column = static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, i));
        if (g_ascii_strcasecmp(column->name, name) != 0)
            continue;
        const bool fits = number ? isNumberType(column->col_type) : isTextType(column->col_type);
        return fits ? static_cast<int>(i) : -1;
    }
    return -1;
}

MdbColumn* LegacyTable::column(int field) const {
    return static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, columns_[field]));
}

qint64 LegacyTable::rowCount() const {
    return table_->num_rows;
}

void LegacyTable::forEachRow(const Visitor& visit) {
    MdbHandle* mdb = database_.handle();
    std::vector<MdbField> fields(table_->num_cols);
    mdb_rewind_table(table_);
    // mdb_fetch_row only finds the next live row; its fields are cracked again here so
    // that Null and the raw bytes stay apart (bound values lose both).
    while (mdb_fetch_row(table_)) {
        int start = 0;
        size_t size = 0;
        if (mdb_find_row(mdb, static_cast<int>(table_->cur_row) - 1, &start, &size) != 0 ||
            mdb_crack_row(table_, start & rowOffsetMask, size, fields.data()) < 0)
            throw StoreError(StoreError::Kind::Damaged, database_.path());
        visit(readRow(fields));
    }
}

LegacyRow LegacyTable::readRow(const std::vector<MdbField>& fields) const {
    LegacyRow row;
    for (int i = 0; i < LegacyRow::NumberCount; ++i)
        row.numbers[i] = number(fields[columns_[i]], column(i));
    for (int i = 0; i < LegacyRow::TextCount; ++i) {
        const int field = LegacyRow::NumberCount + i;
        const MdbField& value = fields[columns_[field]];
        if (value.is_null)
            continue;
        const std::optional<QByteArray> bytes = rawText(value, column(field));
        if (bytes)
            row.texts[i] =
                database_.isJet3() ? LegacyText::fromJet3(*bytes) : LegacyText::fromJet4(*bytes);
        row.unreadable[i] = !row.texts[i];
    }
    return row;
}

bool LegacyTable::insidePage(const MdbField& field) const {
    return field.value && field.siz >= 0 && field.start >= 0 &&
           field.start + field.siz <= database_.handle()->fmt->pg_size;
}

std::optional<qint64> LegacyTable::number(const MdbField& field, const MdbColumn* column) const {
    if (field.is_null || !insidePage(field))
        return std::nullopt;
    const auto* bytes = static_cast<const uchar*>(field.value);
    switch (column->col_type) {
    case MDB_BYTE:
        return field.siz >= 1 ? std::optional<qint64>(bytes[0]) : std::nullopt;
    case MDB_INT:
        return field.siz >= 2 ? std::optional<qint64>(static_cast<qint16>(bytes[0] | bytes[1] << 8))
                              : std::nullopt;
    default:
        return field.siz >= 4 ? std::optional<qint64>(
                                    static_cast<qint32>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                                        static_cast<quint32>(bytes[3]) << 24))
                              : std::nullopt;
    }
}

std::optional<QByteArray> LegacyTable::rawText(const MdbField& field,
                                               const MdbColumn* column) const {
    if (!insidePage(field))
        return std::nullopt;
    if (column->col_type == MDB_MEMO)
        return memo(field);
    return QByteArray(static_cast<const char*>(field.value), field.siz);
}

// A memo field holds a 12-byte header: the length, then (unless the text follows inline)
// the page and row of its first chunk. Chunks of a multi-page text start with the page and
// row of the next one. A damaged chain must not loop: every chunk must add bytes and no
// chunk may come twice.
std::optional<QByteArray> LegacyTable::memo(const MdbField& field) const {
    if (field.siz < MDB_MEMO_OVERHEAD)
        return std::nullopt;
    const char* header = static_cast<const char*>(field.value);
    const auto flags = static_cast<quint32>(mdb_get_int32(const_cast<char*>(header), 0));
    const qsizetype length = flags & memoLengthMask;
    if (flags & memoInline)
        return QByteArray(header + MDB_MEMO_OVERHEAD,
                          std::min<qsizetype>(length, field.siz - MDB_MEMO_OVERHEAD));
    const bool chained = !(flags & memoSinglePage);
    auto next = static_cast<int>(mdb_get_int32(const_cast<char*>(header), 4));
    QByteArray text;
    std::set<int> visited;
    while (text.size() < length) {
        void* page = nullptr;
        int offset = 0;
        size_t size = 0;
        if (next == 0 || !visited.insert(next).second ||
            mdb_find_pg_row(database_.handle(), next, &page, &offset, &size) != 0)
            return std::nullopt;
        const char* chunk = static_cast<const char*>(page) + offset;
        if (chained) {
            if (size < 4)
                return std::nullopt;
            next = static_cast<int>(mdb_get_int32(const_cast<char*>(chunk), 0));
            chunk += 4;
            size -= 4;
        } else {
            next = 0;
        }
        if (size == 0)
            return std::nullopt;
        text.append(chunk, std::min<qsizetype>(static_cast<qsizetype>(size), length - text.size()));
    }
    return text;
}
