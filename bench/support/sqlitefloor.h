// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QString>
#include <vector>

// What plain SQLite needs for the store's work, measured beside it in the same run, so
// that a benchmark can report its ratio to the floor on a busy machine.
namespace SqliteFloor {

// Milliseconds to insert the rows into the empty practice-set table of a new word file
// in folder, in one durable transaction.
double bulkInsertMs(const QString& folder, const std::vector<WordRecord>& rows);
// Milliseconds of each of count single-row UPDATE commits on the word file, each durable
// with the store's journal and sync settings.
std::vector<double> durableCommitMs(const QString& path, int count);
// Milliseconds to step through every row of the table word.
double scanMs(const QString& path);

// The value at the fraction (0.5 median, 0.99 p99) of the sorted values.
double percentile(std::vector<double> values, double fraction);

} // namespace SqliteFloor
