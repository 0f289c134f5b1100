// SPDX-License-Identifier: GPL-3.0-or-later
#include "legacyrowcheck.h"

#include <limits>

namespace {

enum Number { Group, Key, Level, Times };

QString numberText(const std::optional<qint64>& value) {
    return value ? QString::number(*value) : QStringLiteral("Null");
}

QString fieldName(int field) {
    return QString::fromUtf8(LegacyRow::fieldNames[field]);
}

} // namespace

void LegacyRowCheck::beginTable(const QString& name) {
    table_ = name;
    keys_.clear();
}

std::optional<WordRecord> LegacyRowCheck::take(const LegacyRow& row) {
    const qint64 before = count_;
    checkRange(row, Group, 1, 999);
    checkRange(row, Key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    checkRange(row, Level, 0, 4);
    checkRange(row, Times, 0, 999);
    if (!row.texts[0] && !row.unreadable[0])
        note(row, QStringLiteral("word が Null"));
    for (int i = 0; i < LegacyRow::TextCount; ++i) {
        if (row.unreadable[i])
            note(row, QStringLiteral("%1 の文字を読み取れません")
                          .arg(fieldName(LegacyRow::NumberCount + i)));
    }
    if (row.numbers[Group] && row.numbers[Key] &&
        !keys_.emplace(*row.numbers[Group], *row.numbers[Key]).second)
        note(row, QStringLiteral("グループと番号の組が重複"));
    if (count_ != before)
        return std::nullopt;
    return WordRecord{static_cast<int>(*row.numbers[Group]),
                      static_cast<int>(*row.numbers[Key]),
                      static_cast<int>(*row.numbers[Level]),
                      static_cast<int>(*row.numbers[Times]),
                      *row.texts[0],
                      row.texts[1],
                      row.texts[2],
                      row.texts[3],
                      row.texts[4],
                      row.texts[5],
                      row.texts[6],
                      row.texts[7]};
}

void LegacyRowCheck::checkRange(const LegacyRow& row, int field, qint64 low, qint64 high) {
    const std::optional<qint64>& value = row.numbers[field];
    if (value && *value >= low && *value <= high)
        return;
    const QString range =
        field == Key ? QString() : QStringLiteral("（%1～%2 の範囲外）").arg(low).arg(high);
    note(row, QStringLiteral("%1 = %2%3").arg(fieldName(field), numberText(value), range));
}

void LegacyRowCheck::note(const LegacyRow& row, const QString& problem) {
    ++count_;
    if (listed_.size() < MaxListed)
        listed_ << QStringLiteral("%1 表 グループ %2、番号 %3: %4")
                       .arg(table_, numberText(row.numbers[Group]), numberText(row.numbers[Key]),
                            problem);
}

QString LegacyRowCheck::report() const {
    QStringList lines = listed_;
    if (count_ > listed_.size())
        lines << QStringLiteral("ほか %1 件").arg(count_ - listed_.size());
    return lines.join(QLatin1Char('\n'));
}
