// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/legacy/legacyrowcheck.h"

#include <gtest/gtest.h>

namespace {

LegacyRow row(qint64 group, qint64 key, qint64 level = 0, qint64 times = 0) {
    LegacyRow row;
    row.numbers = {group, key, level, times};
    row.texts[0] = QStringLiteral("apple");
    return row;
}

TEST(LegacyRowCheckTest, GoodRowBecomesRecordWithNullsKept) {
    LegacyRowCheck check;
    check.beginTable(QStringLiteral("word"));
    LegacyRow source = row(999, -5, 4, 999);
    source.texts[1] = QString(); // empty, not Null
    source.texts[7] = QStringLiteral("ˈæpl");
    const auto record = check.take(source);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->group, 999);
    EXPECT_EQ(record->key, -5);
    EXPECT_EQ(record->meaning, QString());
    EXPECT_FALSE(record->text1);
    EXPECT_EQ(record->text6, QStringLiteral("ˈæpl"));
    EXPECT_EQ(check.problemCount(), 0);
}

TEST(LegacyRowCheckTest, EveryBrokenRangeIsNamedWithRowFieldAndValue) {
    LegacyRowCheck check;
    check.beginTable(QStringLiteral("word"));
    EXPECT_FALSE(check.take(row(0, 1)));
    EXPECT_FALSE(check.take(row(1000, 2)));
    EXPECT_FALSE(check.take(row(3, 3, 5)));
    EXPECT_FALSE(check.take(row(3, 4, 0, 1000)));
    LegacyRow nullWord = row(3, 5);
    nullWord.texts[0].reset();
    EXPECT_FALSE(check.take(nullWord));
    LegacyRow nullLevel = row(3, 6);
    nullLevel.numbers[2].reset();
    EXPECT_FALSE(check.take(nullLevel));
    LegacyRow unreadable = row(3, 7);
    unreadable.unreadable[3] = true;
    EXPECT_FALSE(check.take(unreadable));

    EXPECT_EQ(check.problemCount(), 7);
    const QStringList lines = check.report().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("word 表 グループ 0、番号 1: group = 0（1～999 の範囲外）"));
    EXPECT_EQ(lines[2], QStringLiteral("word 表 グループ 3、番号 3: level = 5（0～4 の範囲外）"));
    EXPECT_EQ(lines[3],
              QStringLiteral("word 表 グループ 3、番号 4: times = 1000（0～999 の範囲外）"));
    EXPECT_EQ(lines[4], QStringLiteral("word 表 グループ 3、番号 5: word が Null"));
    EXPECT_EQ(lines[5],
              QStringLiteral("word 表 グループ 3、番号 6: level = Null（0～4 の範囲外）"));
    EXPECT_EQ(lines[6], QStringLiteral("word 表 グループ 3、番号 7: text2 の文字を読み取れません"));
}

TEST(LegacyRowCheckTest, GroupAndKeyMustBeUniqueWithinEachTable) {
    LegacyRowCheck check;
    check.beginTable(QStringLiteral("word"));
    EXPECT_TRUE(check.take(row(1, 1)));
    EXPECT_FALSE(check.take(row(1, 1)));
    check.beginTable(QStringLiteral("selected"));
    EXPECT_TRUE(check.take(row(1, 1)));
    EXPECT_EQ(check.report(),
              QStringLiteral("word 表 グループ 1、番号 1: グループと番号の組が重複"));
}

TEST(LegacyRowCheckTest, ListsTwentyProblemsThenHowManyMore) {
    LegacyRowCheck check;
    check.beginTable(QStringLiteral("selected"));
    for (int key = 1; key <= 25; ++key)
        check.take(row(1, key, 9));
    const QStringList lines = check.report().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), LegacyRowCheck::MaxListed + 1);
    EXPECT_TRUE(lines[19].startsWith(QStringLiteral("selected 表 グループ 1、番号 20:")));
    EXPECT_EQ(lines.last(), QStringLiteral("ほか 5 件"));
}

} // namespace
