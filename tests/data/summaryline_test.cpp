// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/grouptag.h"
#include "data/levelclass.h"
#include "data/summaryline.h"
#include "data/textcodec.h"

#include <gtest/gtest.h>

namespace {

TEST(SummaryLineTest, FieldsLineUpWithTheHeaderAndFourDigitsWiden) {
    const struct {
        GroupSummary summary;
        const char* line;
    } rows[] = {
        {{7, {0, 0, 0, 0, 0, 12}}, "  7       12      0     0     0     0      0    "},
        {{42, {1, 2, 3, 4, 5, 6}}, " 42        6      1     2     3     4      5    "},
        {{999, {1000, 0, 0, 0, 0, 0}}, "999        0    1000     0     0     0      0    "},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SummaryLine::format(row.summary), QString::fromUtf8(row.line));
}

TEST(LevelClassTest, TimesDecidesBeforeLevelAndMarksNameEachClass) {
    const int rows[][3] = {
        {3, 0, LevelClass::Never}, {0, 1, 0}, {4, 999, 4}, {5, 1, -1}, {-1, 1, -1}};
    for (const auto& row : rows)
        EXPECT_EQ(LevelClass::of(row[0], row[1]), row[2]) << row[0] << ' ' << row[1];
    EXPECT_EQ(LevelClass::mark(3), QStringLiteral("△△△○"));
    EXPECT_EQ(GroupTag::groupOf(GroupTag::of(42) + QStringLiteral("    3")), 42);
    EXPECT_EQ(GroupTag::groupOf(QStringLiteral("abc")), 0);
}

TEST(TextCodecTest, SettingsTextIsCp932OrElseUtf8WithAMark) {
    for (const QString& text :
         {QStringLiteral("ﾊﾞｰｼﾞｮﾝ ①～－ 英単語"), QStringLiteral("𠮷野家.vku")}) {
        const auto cp932 = TextCodec::toCp932(text);
        const QByteArray bytes = TextCodec::encodeSettings(text);
        EXPECT_EQ(bytes, cp932 ? *cp932 : "\xEF\xBB\xBF" + text.toUtf8());
        EXPECT_EQ(TextCodec::decodeSettings(bytes), text);
        EXPECT_EQ(TextCodec::fromCp932(bytes).value_or(text), text);
    }
    EXPECT_FALSE(TextCodec::toCp932(QStringLiteral("𠮷")));
    EXPECT_EQ(TextCodec::decodeSettings("ab\x82\xFF"
                                        "cd")
                  .remove(QChar(0xFFFD)),
              QStringLiteral("abcd"));
    EXPECT_FALSE(TextCodec::fromCp932("\x82"));
    EXPECT_FALSE(TextCodec::fromUtf8("\xC3"));
}

} // namespace
