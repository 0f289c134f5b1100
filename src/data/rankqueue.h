// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordrecord.h"

#include <QString>
#include <deque>
#include <optional>

struct sqlite3;

// The words of one rank of the practice set, read in the drill's order one at a time.
// Words are read a few at a time, each time with a short statement that continues after
// the last word read, so no lock on the file is held between reads and another program
// (or another copy of this one) can write meanwhile. Grades do not change the practice
// set, so they do not move words between queues. Must not outlive the WordStore that
// opened it.
class RankQueue {
public:
    RankQueue() = default;
    RankQueue(sqlite3* db, int rank, QString path);

    // The next word, or nothing at the end of the queue. Throws StoreError.
    std::optional<WordRecord> next();

private:
    void readAhead();

    sqlite3* db_ = nullptr;
    int rank_ = 0;
    QString path_;
    std::deque<WordRecord> ahead_;
    // Where the next read continues: after this times, group and key.
    int afterTimes_ = -1;
    int afterGroup_ = 0;
    int afterKey_ = 0;
    bool ended_ = true;
};
