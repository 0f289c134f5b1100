// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;

// Whether a file is one of our word files, before any screen relies on what it holds: its
// header, its identity, the definition of both tables and the ranges of the values. A
// file written by another tool may break any of these. Each check throws StoreError.
namespace WordFileCheck {

constexpr int applicationId = 0x564F4B55; // "VOKU"
constexpr int schemaVersion = 1;
// The definition of both tables, after "CREATE TABLE name ".
extern const char* const tableDefinition;

// Missing, not a regular file, unreadable, a legacy Access file, or not SQLite at all.
void checkHeader(const QString& path);
// Another program's database, a newer version, a missing or altered table, or a key
// beyond 32 bits (the other ranges are checked as the words are counted).
void checkSchema(sqlite3* db, const QString& path);

} // namespace WordFileCheck
