// SPDX-License-Identifier: GPL-3.0-or-later
#include "grouplists.h"

#include "data/grouptag.h"

#include <algorithm>

namespace {

QString tagOf(const QString& item) {
    return item.left(3);
}

void insertSorted(QStringList& list, const QString& item) {
    list.insert(std::upper_bound(list.begin(), list.end(), item), item);
}

std::vector<int> groupsOf(const QStringList& items) {
    std::vector<int> groups;
    groups.reserve(items.size());
    for (const QString& item : items)
        groups.push_back(GroupTag::groupOf(item));
    return groups;
}

} // namespace

void GroupLists::clear() {
    summary_.clear();
    chosen_.clear();
    previous_.clear();
}

void GroupLists::setSummary(const QStringList& lines) {
    summary_ = lines;
}

void GroupLists::setPrevious(const QStringList& lines) {
    previous_ = lines;
    std::sort(previous_.begin(), previous_.end());
}

bool GroupLists::choose(const QList<int>& summaryRows) {
    QList<int> rows = summaryRows;
    std::sort(rows.begin(), rows.end());
    bool changed = false;
    for (int row : rows) {
        if (row < 0 || row >= summary_.size())
            continue;
        const QString& line = summary_.at(row);
        const bool present = std::any_of(chosen_.cbegin(), chosen_.cend(),
                                         [&](const QString& c) { return tagOf(c) == tagOf(line); });
        if (!present) {
            insertSorted(chosen_, line);
            changed = true;
        }
    }
    return changed;
}

bool GroupLists::remove(const QList<int>& chosenRows) {
    QList<int> rows = chosenRows;
    // From the last row down, so the rows not yet visited keep their positions.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    bool changed = false;
    for (int row : rows) {
        if (row < 0 || row >= chosen_.size())
            continue;
        chosen_.removeAt(row);
        changed = true;
    }
    return changed;
}

bool GroupLists::clearChosen() {
    if (chosen_.isEmpty())
        return false;
    chosen_.clear();
    return true;
}

void GroupLists::refreshChosen() {
    for (QString& item : chosen_) {
        const auto line = std::find_if(summary_.cbegin(), summary_.cend(),
                                       [&](const QString& s) { return tagOf(s) == tagOf(item); });
        if (line != summary_.cend())
            item = *line;
    }
}

std::vector<int> GroupLists::practiceGroups() const {
    return groupsOf(chosen_.isEmpty() ? summary_ : chosen_);
}

std::vector<int> GroupLists::chosenGroups() const {
    return groupsOf(chosen_);
}

QStringList GroupLists::chosenTags() const {
    QStringList tags;
    tags.reserve(chosen_.size());
    for (const QString& item : chosen_)
        tags.append(tagOf(item));
    return tags;
}
