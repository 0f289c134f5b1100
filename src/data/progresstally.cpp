// SPDX-License-Identifier: GPL-3.0-or-later
#include "progresstally.h"

#include "levelclass.h"
#include "sqlstatement.h"
#include "storeerror.h"

#include <algorithm>
#include <optional>
#include <sqlite3.h>

namespace {

constexpr int maxGroup = 999;
const char* const pointerType = "voku_tally";

struct Counts {
    std::vector<std::array<qint64, LevelClass::Count>> byGroup =
        std::vector<std::array<qint64, LevelClass::Count>>(maxGroup + 1);
    std::optional<qint64> invalidGroup;
};

// An aggregate step rather than a row handed back per word: stepping a statement once
// per word costs more than the reading itself. Values are taken as 64 bits, so a group
// of 2^32 + 1 is not taken for group 1.
void countWord(sqlite3_context*, int, sqlite3_value** values) {
    auto* counts = static_cast<Counts*>(sqlite3_value_pointer(values[3], pointerType));
    if (!counts)
        return;
    const qint64 group = sqlite3_value_int64(values[0]);
    const qint64 times = sqlite3_value_int64(values[1]);
    const qint64 level = sqlite3_value_int64(values[2]);
    const bool inRange = group >= 1 && group <= maxGroup && times >= 0 &&
                         times <= LevelClass::MaxTimes && level >= 0 && level <= 4;
    if (!inRange) {
        if (!counts->invalidGroup)
            counts->invalidGroup = group;
        return;
    }
    const int rank = LevelClass::of(static_cast<int>(level), static_cast<int>(times));
    ++counts->byGroup[static_cast<size_t>(group)][static_cast<size_t>(rank)];
}

void finish(sqlite3_context* context) {
    sqlite3_result_null(context);
}

qint64 dataVersion(sqlite3* db, const QString& path) {
    SqlStatement version(db, "PRAGMA data_version", path);
    return version.step() ? version.integer(0) : -1;
}

} // namespace

void ProgressTally::install(sqlite3* db, const QString& path) {
    // Direct only: no view or trigger of a file can call it.
    const int rc = sqlite3_create_function(db, "voku_tally", 4, SQLITE_UTF8 | SQLITE_DIRECTONLY,
                                           nullptr, nullptr, countWord, finish);
    if (rc != SQLITE_OK)
        SqlStatement::raise(db, rc, path);
}

const std::vector<GroupSummary>& ProgressTally::current(sqlite3* db, const QString& path) {
    const qint64 version = dataVersion(db, path);
    const qint64 changes = sqlite3_total_changes64(db);
    if (version == dataVersion_ && changes == ownChanges_)
        return groups_;
    Counts counts;
    SqlStatement(db, R"(SELECT voku_tally("group", times, level, ?1) FROM word)", path)
        .bindPointer(1, &counts, pointerType)
        .run();
    if (counts.invalidGroup)
        throw StoreError(
            StoreError::Kind::Invalid, path,
            QStringLiteral("グループ %1 に範囲外の値があります").arg(*counts.invalidGroup));
    groups_.clear();
    for (int group = 1; group <= maxGroup; ++group) {
        const auto& byClass = counts.byGroup[static_cast<size_t>(group)];
        if (std::any_of(byClass.begin(), byClass.end(), [](qint64 n) { return n > 0; }))
            groups_.push_back(GroupSummary{group, byClass});
    }
    dataVersion_ = version;
    ownChanges_ = changes;
    return groups_;
}
