// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordlistrows.h"

#include <QAbstractTableModel>
#include <QString>
#include <optional>

// The word list: group, word and meaning of every word of a file, as a snapshot taken
// when it is loaded, read only. A cell's text is made only when a view asks for it.
class WordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Group, Word, Meaning, ColumnCount };

    explicit WordListModel(QObject* parent = nullptr);

    // Takes the rows of the word data file; the learner's message when it cannot be read
    // (the list is then empty).
    std::optional<QString> load(const QString& path);
    const WordListRows& rows() const { return rows_; }

    // A column's heading followed by the blanks that give the column its width.
    static QString widthText(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVariant displayText(int row, int column) const;

    WordListRows rows_;
};
