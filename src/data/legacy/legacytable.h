// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "legacydatabase.h"
#include "legacyrow.h"

#include <QByteArray>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// One table of a legacy word file with the twelve word fields, read row by row from the raw
// page bytes: Nulls as Nulls, texts undecoded by libmdb and never cut, memo texts followed
// across their pages. A missing column throws StoreError (MissingTable).
class LegacyTable {
public:
    using Visitor = std::function<void(const LegacyRow&)>;

    LegacyTable(const LegacyDatabase& database, MdbCatalogEntry* entry);
    ~LegacyTable();
    LegacyTable(const LegacyTable&) = delete;
    LegacyTable& operator=(const LegacyTable&) = delete;

    // The row count kept in the table definition.
    qint64 rowCount() const;
    void forEachRow(const Visitor& visit);

private:
    MdbColumn* column(int field) const;
    int findColumn(const char* name, bool number) const;
    LegacyRow readRow(const std::vector<MdbField>& fields) const;
    std::optional<qint64> number(const MdbField& field, const MdbColumn* column) const;
    std::optional<QByteArray> rawText(const MdbField& field, const MdbColumn* column) const;
    std::optional<QByteArray> memo(const MdbField& field) const;
    bool insidePage(const MdbField& field) const;

    const LegacyDatabase& database_;
    MdbTableDef* table_ = nullptr;
    std::array<int, LegacyRow::NumberCount + LegacyRow::TextCount> columns_{};
};
