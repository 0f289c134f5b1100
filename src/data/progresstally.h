// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "summaryline.h"

#include <QString>
#include <vector>

struct sqlite3;

// The number of words of every group by level class, counted in one pass over the word
// table (its progress index when the file has one) and kept until the table changes.
// Counted by the rule of the view syukei rather than read through it, so a file whose view
// was altered cannot change what the main screen shows.
class ProgressTally {
public:
    // Makes the counting function known to the connection; once per connection.
    static void install(sqlite3* db, const QString& path);

    // The counts of the groups that hold words, by group. Throws StoreError::Kind::Invalid
    // naming the group of the first word whose group, level or times is out of range.
    const std::vector<GroupSummary>& current(sqlite3* db, const QString& path);

private:
    std::vector<GroupSummary> groups_;
    // What the counts were read at: the file's version as other connections change it,
    // and this connection's own changes.
    qint64 dataVersion_ = -1;
    qint64 ownChanges_ = -1;
};
