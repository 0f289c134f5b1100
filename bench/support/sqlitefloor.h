// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QString>
#include <memory>
#include <vector>

// What plain SQLite needs for the store's work, measured beside it in the same run, so
// that a benchmark can report its ratio to the floor on a busy machine.
namespace SqliteFloor {

// Milliseconds to insert the rows into the empty practice-set table of a new word file
// in folder, in one durable transaction.
double bulkInsertMs(const QString& folder, const std::vector<WordRecord>& rows);
// Single-row UPDATE commits on the word file, each durable with the store's journal and
// sync settings, one at a time: a benchmark that takes one between its own samples sees
// the floor in the same moments of the disk.
class DurableCommit {
public:
    explicit DurableCommit(const QString& path);
    ~DurableCommit();
    DurableCommit(const DurableCommit&) = delete;
    DurableCommit& operator=(const DurableCommit&) = delete;
    // Milliseconds of one commit.
    double onceMs();

private:
    struct Statement;
    std::unique_ptr<Statement> statement_;
    int round_ = 0;
};

// Milliseconds of each of count commits of DurableCommit.
std::vector<double> durableCommitMs(const QString& path, int count);
// Milliseconds to step through every row of the table word.
double scanMs(const QString& path);

// The value at the fraction (0.5 median, 0.99 p99) of the sorted values.
double percentile(std::vector<double> values, double fraction);

} // namespace SqliteFloor
