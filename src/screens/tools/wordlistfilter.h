// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordlistmodel.h"

#include <QSortFilterProxyModel>
#include <array>
#include <vector>

class WordListRows;

// What the word list shows: the rows whose word or meaning holds the search text
// (ignoring case), of one group or all, sorted by a column in natural order or left in
// the file's order. It reads the packed rows directly rather than through data().
class WordListFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit WordListFilter(WordListModel& source, QObject* parent = nullptr);

    void setSearchText(const QString& text);
    // 0 shows every group.
    void setGroup(int group);

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    void rankBy(int column);
    void refilter();

    const WordListRows& rows_;
    QString search_;
    int group_ = 0;
    // By column, each source row's place in the column's natural order, made when the
    // column is first sorted (the group column compares its numbers); equal texts share a
    // place.
    std::array<std::vector<int>, WordListModel::ColumnCount> ranks_;
};
