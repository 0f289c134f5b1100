// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/rankqueue.h"
#include "data/wordrecord.h"

#include <optional>
#include <vector>

// The queue of the rank being practised, read a page at a time. It keeps one word read
// ahead, so it knows after each page whether another page follows.
class CardQueue {
public:
    // Starts on a newly opened queue. Throws StoreError.
    void open(RankQueue queue);
    void close();

    // The next words, at most size of them. A page is read whole or not at all: on a
    // StoreError nothing of it is returned.
    std::vector<WordRecord> nextPage(int size);
    bool ended() const { return !ahead_; }

private:
    RankQueue queue_;
    std::optional<WordRecord> ahead_;
};
