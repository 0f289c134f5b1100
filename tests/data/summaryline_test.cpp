// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/grouptag.h"
#include "data/levelclass.h"
#include "data/summaryline.h"

#include <gtest/gtest.h>

namespace {

TEST(SummaryLineTest, GroupOfTwelveUncheckedWords) {
    GroupSummary summary{7, {}};
    summary.counts[LevelClass::Never] = 12;
    const QString line = SummaryLine::format(summary);
    EXPECT_EQ(line, QStringLiteral("  7       12      0     0     0     0      0    "));
    EXPECT_EQ(line.size(), 48);
}

TEST(SummaryLineTest, FourDigitsWidenTheirField) {
    GroupSummary summary{999, {}};
    summary.counts[0] = 1000;
    EXPECT_EQ(SummaryLine::format(summary),
              QStringLiteral("999        0    1000     0     0     0      0    "));
}

TEST(SummaryLineTest, FoldAddsRowsOfAGroupAndIgnoresUnknownMarks) {
    const std::vector<SummaryRow> rows = {
        {1, QStringLiteral("○"), 5},  {1, QStringLiteral("チェックしてない"), 20},
        {1, QStringLiteral("○"), 2},  {1, QStringLiteral("×"), 9},
        {2, QStringLiteral("△○"), 3},
    };
    const auto groups = SummaryLine::fold(rows);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].counts, (std::array<qint64, 6>{7, 0, 0, 0, 0, 20}));
    EXPECT_EQ(groups[1].counts, (std::array<qint64, 6>{0, 3, 0, 0, 0, 0}));
}

TEST(LevelClassTest, TimesDecidesBeforeLevel) {
    EXPECT_EQ(LevelClass::of(3, 0), LevelClass::Never);
    EXPECT_EQ(LevelClass::of(0, 1), 0);
    EXPECT_EQ(LevelClass::of(4, 999), 4);
    EXPECT_EQ(LevelClass::of(7, 1), -1);
    for (int i = 0; i < LevelClass::Count; ++i)
        EXPECT_EQ(LevelClass::ofMark(LevelClass::mark(i)), i);
    EXPECT_EQ(LevelClass::mark(3), QStringLiteral("△△△○"));
}

TEST(GroupTagTest, RightAlignedInThreeCharacters) {
    EXPECT_EQ(GroupTag::of(1), QStringLiteral("  1"));
    EXPECT_EQ(GroupTag::of(42), QStringLiteral(" 42"));
    EXPECT_EQ(GroupTag::of(999), QStringLiteral("999"));
    EXPECT_EQ(GroupTag::groupOf(QStringLiteral(" 12      3")), 12);
    EXPECT_EQ(GroupTag::groupOf(QStringLiteral("abc")), 0);
}

} // namespace
