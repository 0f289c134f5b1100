// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"
#include "legacyrow.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <set>
#include <utility>

// Checks legacy rows against the value ranges of a word data file (group 1 to 999, level
// 0 to 4, times 0 to 999, word not Null, readable texts, group and key unique per table).
// A breaking row is never repaired: guessing a learner's progress would corrupt it, so
// the problems are collected for a message that names the rows.
class LegacyRowCheck {
public:
    static constexpr int MaxListed = 20;

    // The rows that follow belong to this table.
    void beginTable(const QString& name);
    // The record of a row that keeps every rule; nothing, with its problems noted, otherwise.
    std::optional<WordRecord> take(const LegacyRow& row);

    qint64 problemCount() const { return count_; }
    // One line per problem, at most MaxListed of them, then how many more there are.
    QString report() const;

private:
    void checkRange(const LegacyRow& row, int field, qint64 low, qint64 high);
    void note(const LegacyRow& row, const QString& problem);

    QString table_;
    std::set<std::pair<qint64, qint64>> keys_;
    QStringList listed_;
    qint64 count_ = 0;
};
