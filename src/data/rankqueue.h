// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordrecord.h"

#include <optional>

struct sqlite3_stmt;

// The words of one rank of the practice set, read in the drill's order one at a time.
// It reads the practice set as built, so grades written meanwhile do not move words
// between queues. Must not outlive the WordStore that opened it.
class RankQueue {
public:
    RankQueue() = default;
    explicit RankQueue(sqlite3_stmt* statement, QString path);
    ~RankQueue();
    RankQueue(RankQueue&& other) noexcept;
    RankQueue& operator=(RankQueue&& other) noexcept;
    RankQueue(const RankQueue&) = delete;
    RankQueue& operator=(const RankQueue&) = delete;

    // The next word, or nothing at the end of the queue. Throws StoreError.
    std::optional<WordRecord> next();

private:
    sqlite3_stmt* statement_ = nullptr;
    QString path_;
};
