// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <functional>

struct sqlite3;

// Moves the bar while the queue index is built in one statement: SQLite calls back every
// tickSteps steps of its virtual machine, about stepsPerWord of them a word (7,038 calls
// for 500,000 words). The estimate stays short of the end until the index is there.
class IndexProgress {
public:
    IndexProgress(sqlite3* db, std::function<void(qint64 indexed)> report, qint64 words);
    ~IndexProgress();
    IndexProgress(const IndexProgress&) = delete;
    IndexProgress& operator=(const IndexProgress&) = delete;

private:
    static int tick(void* data) noexcept;

    sqlite3* db_;
    std::function<void(qint64)> report_;
    qint64 words_;
    qint64 ticks_ = 0;
};
