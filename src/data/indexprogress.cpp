// SPDX-License-Identifier: GPL-3.0-or-later
#include "indexprogress.h"

#include <algorithm>
#include <sqlite3.h>
#include <utility>

namespace {

constexpr int tickSteps = 1000;
constexpr int stepsPerWord = 14;

} // namespace

IndexProgress::IndexProgress(sqlite3* db, std::function<void(qint64)> report, qint64 words)
    : db_(db)
    , report_(std::move(report))
    , words_(words) {
    sqlite3_progress_handler(db_, tickSteps, &IndexProgress::tick, this);
}

IndexProgress::~IndexProgress() {
    sqlite3_progress_handler(db_, 0, nullptr, nullptr);
}

// A failure to report stops the statement, and with it the build, rather than passing an
// exception through SQLite.
int IndexProgress::tick(void* data) noexcept {
    auto* self = static_cast<IndexProgress*>(data);
    try {
        ++self->ticks_;
        const qint64 estimate = self->ticks_ * tickSteps / stepsPerWord;
        self->report_(std::min(std::max<qint64>(self->words_ - 1, 0), estimate));
        return 0;
    } catch (...) {
        return 1;
    }
}
