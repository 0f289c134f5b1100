// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistmodel.h"

#include "data/wordstore.h"

WordListModel::WordListModel(QObject* parent)
    : QAbstractTableModel(parent) {}

std::optional<QString> WordListModel::load(const QString& path) {
    beginResetModel();
    rows_.clear();
    std::optional<QString> error;
    try {
        WordStore::open(path).forEachWordListRow(
            [this](int group, QByteArrayView word, QByteArrayView meaning) {
                rows_.append(group, word, meaning);
            });
    } catch (const StoreError& failure) {
        rows_.clear();
        error = failure.message();
    }
    endResetModel();
    return error;
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
    return parent.isValid() ? 0 : rows_.size();
}

int WordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return displayText(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole && index.column() == Group) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant WordListModel::displayText(int row, int column) const {
    switch (column) {
    case Group:
        return rows_.group(row);
    case Word:
        return rows_.word(row);
    case Meaning:
        return rows_.meaning(row);
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
