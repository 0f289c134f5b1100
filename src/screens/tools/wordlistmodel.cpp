// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistmodel.h"

#include "data/wordstore.h"

WordListModel::WordListModel(QObject* parent)
    : QAbstractTableModel(parent) {}

std::optional<QString> WordListModel::load(const QString& path) {
    try {
        setRows(WordStore::open(path).wordList());
        return std::nullopt;
    } catch (const StoreError& error) {
        setRows({});
        return error.message();
    }
}

void WordListModel::setRows(std::vector<WordListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QString WordListModel::widthText(int column) {
    switch (column) {
    case Group:
        return QStringLiteral("ｸﾞﾙｰﾌﾟ ");
    case Word:
        return QStringLiteral("単語") + QString(45, QLatin1Char(' '));
    case Meaning:
        return QStringLiteral("意味") + QString(96, QLatin1Char(' '));
    default:
        return {};
    }
}

int WordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int WordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const WordListRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return displayText(row, index.column());
    }
    if (role == Qt::TextAlignmentRole && index.column() == Group) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant WordListModel::displayText(const WordListRow& row, int column) const {
    switch (column) {
    case Group:
        return row.group;
    case Word:
        return row.word;
    case Meaning:
        return row.meaning.value_or(QString());
    default:
        return {};
    }
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    // The fixed first column, the vertical header, carries no text.
    if (orientation == Qt::Vertical) {
        return QString();
    }
    return widthText(section).trimmed();
}
