// SPDX-License-Identifier: GPL-3.0-or-later
#include "rankqueue.h"

#include "sqlstatement.h"

#include <utility>

namespace {

// The rank of a word is its level once checked and LevelClass::Never before; the index
// selected_queue has this very expression first, so a read seeks to its place at once.
// Within a rank the order is by times, group and key (times is 0 throughout Never).
constexpr int readCount = 16;
const QByteArray pageQuery = QByteArray("SELECT ") + SqlStatement::wordColumns +
                             " FROM selected WHERE " + SqlStatement::rankExpression +
                             " = ?1 AND (times, \"group\", key) > (?2, ?3, ?4)"
                             " ORDER BY times, \"group\", key LIMIT ?5";

} // namespace

RankQueue::RankQueue(sqlite3* db, int rank, QString path)
    : db_(db)
    , rank_(rank)
    , path_(std::move(path))
    , ended_(false) {}

std::optional<WordRecord> RankQueue::next() {
    if (ahead_.empty() && !ended_)
        readAhead();
    if (ahead_.empty())
        return std::nullopt;
    WordRecord row = std::move(ahead_.front());
    ahead_.pop_front();
    return row;
}

void RankQueue::readAhead() {
    SqlStatement query(db_, pageQuery.constData(), path_);
    query.bind(1, rank_).bind(2, afterTimes_).bind(3, afterGroup_).bind(4, afterKey_);
    query.bind(5, readCount);
    while (query.step())
        ahead_.push_back(query.word());
    ended_ = ahead_.size() < readCount;
    if (!ahead_.empty()) {
        afterTimes_ = ahead_.back().times;
        afterGroup_ = ahead_.back().group;
        afterKey_ = ahead_.back().key;
    }
}
