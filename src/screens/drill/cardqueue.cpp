// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardqueue.h"

void CardQueue::open(RankQueue queue) {
    queue_ = std::move(queue);
    ahead_ = queue_.next();
}

void CardQueue::close() {
    queue_ = RankQueue();
    ahead_.reset();
}

std::vector<WordRecord> CardQueue::nextPage(int size) {
    std::vector<WordRecord> page;
    while (ahead_ && static_cast<int>(page.size()) < size) {
        page.push_back(std::move(*ahead_));
        ahead_ = queue_.next();
    }
    return page;
}
