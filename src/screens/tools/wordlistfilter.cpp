// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistfilter.h"

#include "naturalorder.h"
#include "wordlistmodel.h"

#include <algorithm>
#include <numeric>

WordListFilter::WordListFilter(WordListModel& source, QObject* parent)
    : QSortFilterProxyModel(parent)
    , rows_(source.rows()) {
    // The rows are a snapshot: nothing changes under the proxy, so it never re-sorts on
    // its own. New rows are ranked before the proxy, connected after this, sorts them.
    setDynamicSortFilter(false);
    connect(&source, &QAbstractItemModel::modelReset, this, [this] {
        for (std::vector<int>& ranks : ranks_)
            ranks.clear();
        if (sortColumn() > WordListModel::Group)
            rankBy(sortColumn());
    });
    setSourceModel(&source);
}

void WordListFilter::setSearchText(const QString& text) {
    const QString search = WordListRows::folded(text);
    if (search == search_)
        return;
    search_ = search;
    refilter();
}

void WordListFilter::setGroup(int group) {
    if (group == group_)
        return;
    group_ = group;
    refilter();
}

// A new search hides or shows rows all over the list. Changing the mapping row by row
// sends the view one signal per run of rows, each costing it time in proportion to the
// list; building the mapping anew is one pass and one layout change.
void WordListFilter::refilter() {
    invalidate();
}

void WordListFilter::sort(int column, Qt::SortOrder order) {
    if (column > WordListModel::Group && column < WordListModel::ColumnCount &&
        ranks_[static_cast<std::size_t>(column)].empty())
        rankBy(column);
    QSortFilterProxyModel::sort(column, order);
}

// Ranking once per column turns every later comparison, on each keystroke too, into a
// comparison of two integers.
void WordListFilter::rankBy(int column) {
    const auto text = [this, column](int row) {
        return column == WordListModel::Word ? rows_.foldedWord(row) : rows_.foldedMeaning(row);
    };
    std::vector<int> order(static_cast<std::size_t>(rows_.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return NaturalOrder::compare(text(a), text(b)) < 0; });
    std::vector<int>& rank = ranks_[static_cast<std::size_t>(column)];
    rank.assign(order.size(), 0);
    for (std::size_t i = 1; i < order.size(); ++i) {
        const bool same = NaturalOrder::compare(text(order[i - 1]), text(order[i])) == 0;
        rank[static_cast<std::size_t>(order[i])] =
            same ? rank[static_cast<std::size_t>(order[i - 1])] : static_cast<int>(i);
    }
}

bool WordListFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (group_ != 0 && rows_.group(sourceRow) != group_)
        return false;
    return search_.isEmpty() || rows_.contains(sourceRow, search_);
}

bool WordListFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    if (left.column() == WordListModel::Group)
        return rows_.group(left.row()) < rows_.group(right.row());
    const std::vector<int>& rank = ranks_[static_cast<std::size_t>(left.column())];
    return rank[static_cast<std::size_t>(left.row())] < rank[static_cast<std::size_t>(right.row())];
}
