// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/legacy/legacyrowcheck.h"
#include "data/legacy/legacytext.h"

#include <gtest/gtest.h>

namespace {

// Jet 4 texts are UTF-16LE, or "compressed" after FF FE: a zero byte switches between runs
// of one-byte and two-byte characters. Jet 3 texts are CP932. No text: broken bytes.
TEST(LegacyTextTest, TextsDecodeExactlyOrAreBroken) {
    const struct {
        const char* hex;
        bool jet3;
        const char* text;
    } rows[] = {
        {"42d8b7df6100", false, "𠮷a"},
        {"", false, ""},
        {"610062", false, nullptr},
        {"fffe616200423000e9", false, "abあé"},
        {"fffe", false, ""},
        {"fffe61004230", false, "aあ"},
        {"fffe610042", false, nullptr},
        {"82a0874041", true, "あ①A"},
        {"82", true, nullptr},
    };
    for (const auto& row : rows) {
        const QByteArray bytes = QByteArray::fromHex(row.hex);
        const auto text = row.jet3 ? LegacyText::fromJet3(bytes) : LegacyText::fromJet4(bytes);
        EXPECT_EQ(text, row.text ? std::optional(QString::fromUtf8(row.text)) : std::nullopt)
            << row.hex;
    }
}

LegacyRow row(std::optional<qint64> group, qint64 key, std::optional<qint64> level = 0,
              qint64 times = 0, int unreadable = -1) {
    LegacyRow row;
    row.numbers = {group, key, level, times};
    row.texts[0] = QStringLiteral("apple");
    if (unreadable >= 0)
        row.unreadable[unreadable] = true;
    return row;
}

// Rows at the edges of every range pass; each broken row is named by table, group, key,
// field and value; group and key are unique within each table; the report lists twenty.
TEST(LegacyRowCheckTest, BrokenRowsAreNamedByTableRowFieldAndValue) {
    LegacyRowCheck check;
    check.beginTable(QStringLiteral("word"));
    EXPECT_TRUE(check.take(row(999, -5, 4, 999)));
    EXPECT_TRUE(check.take(row(1, qint64{1} << 30, 0, 0)));
    LegacyRow nullWord = row(3, 5);
    nullWord.texts[0].reset();
    const std::pair<LegacyRow, const char*> broken[] = {
        {row(0, 1), "グループ 0、番号 1: group = 0（1～999 の範囲外）"},
        {row(1000, 2), "グループ 1000、番号 2: group = 1000（1～999 の範囲外）"},
        {row(3, 3, 5), "グループ 3、番号 3: level = 5（0～4 の範囲外）"},
        {row(3, 4, 0, 1000), "グループ 3、番号 4: times = 1000（0～999 の範囲外）"},
        {row(3, qint64{1} << 31), "グループ 3、番号 2147483648: key = 2147483648"},
        {nullWord, "グループ 3、番号 5: word が Null"},
        {row(3, 6, std::nullopt), "グループ 3、番号 6: level = Null（0～4 の範囲外）"},
        {row(3, 7, 0, 0, 3), "グループ 3、番号 7: text2 の文字を読み取れません"},
        {row(999, -5), "グループ 999、番号 -5: グループと番号の組が重複"},
    };
    QStringList lines;
    for (const auto& [source, line] : broken) {
        EXPECT_FALSE(check.take(source)) << line;
        lines << QStringLiteral("word 表 ") + QString::fromUtf8(line);
    }
    EXPECT_EQ(check.report(), lines.join(QLatin1Char('\n')));
    check.beginTable(QStringLiteral("selected"));
    EXPECT_TRUE(check.take(row(999, -5)));
    for (int key = 1; key <= 16; ++key)
        check.take(row(1, key, 9));
    lines = check.report().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), LegacyRowCheck::MaxListed + 1);
    EXPECT_TRUE(lines[19].startsWith(QStringLiteral("selected 表 グループ 1、番号 11:")));
    EXPECT_EQ(lines.last(), QStringLiteral("ほか 5 件"));
}

} // namespace
