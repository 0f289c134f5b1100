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

TEST(LevelClassTest, TimesDecidesBeforeLevel) {
    EXPECT_EQ(LevelClass::of(3, 0), LevelClass::Never);
    EXPECT_EQ(LevelClass::of(0, 1), 0);
    EXPECT_EQ(LevelClass::of(4, 999), 4);
    EXPECT_EQ(LevelClass::of(7, 1), -1);
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
