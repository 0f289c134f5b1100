// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/drill/levelmove.h"

#include <gtest/gtest.h>

namespace {

using LevelMove::Grade;

struct MoveCase {
    Grade grade;
    int level;
    int times;
    int newLevel;
    int newTimes;
};

class LevelMoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(LevelMoveTest, GivesNewLevelAndTimes) {
    const MoveCase c = GetParam();
    const LevelMove::Result expected{c.newLevel, c.newTimes};
    EXPECT_EQ(LevelMove::after(c.grade, c.level, c.times), expected);
}

INSTANTIATE_TEST_SUITE_P(FirstCheck, LevelMoveTest,
                         ::testing::Values(MoveCase{Grade::Ok, 0, 0, 0, 1},
                                           MoveCase{Grade::Ok, 3, 0, 0, 1},
                                           MoveCase{Grade::Ng, 0, 0, 4, 1},
                                           MoveCase{Grade::Ng, 2, 0, 4, 1}));

INSTANTIATE_TEST_SUITE_P(
    LevelFour, LevelMoveTest,
    ::testing::Values(MoveCase{Grade::Ok, 4, 1, 1, 2}, MoveCase{Grade::Ok, 4, 2, 2, 3},
                      MoveCase{Grade::Ok, 4, 3, 3, 4}, MoveCase{Grade::Ok, 4, 7, 3, 8},
                      MoveCase{Grade::Ng, 4, 1, 4, 2}, MoveCase{Grade::Ng, 4, 50, 4, 51}));

INSTANTIATE_TEST_SUITE_P(
    LevelsZeroToThree, LevelMoveTest,
    ::testing::Values(MoveCase{Grade::Ok, 0, 1, 0, 2}, MoveCase{Grade::Ok, 1, 4, 1, 5},
                      MoveCase{Grade::Ok, 2, 5, 2, 6}, MoveCase{Grade::Ok, 3, 9, 3, 10},
                      MoveCase{Grade::Ng, 0, 1, 1, 2}, MoveCase{Grade::Ng, 1, 4, 2, 5},
                      MoveCase{Grade::Ng, 2, 5, 3, 6}, MoveCase{Grade::Ng, 3, 9, 4, 10}));

INSTANTIATE_TEST_SUITE_P(CountStopsAt999, LevelMoveTest,
                         ::testing::Values(MoveCase{Grade::Ok, 1, 998, 1, 999},
                                           MoveCase{Grade::Ok, 1, 999, 1, 999},
                                           MoveCase{Grade::Ng, 1, 999, 2, 999},
                                           MoveCase{Grade::Ok, 4, 999, 3, 999}));

TEST(LevelMoveCaption, NamesTheNewLevel) {
    EXPECT_EQ(LevelMove::caption(0), QStringLiteral("○へ"));
    EXPECT_EQ(LevelMove::caption(1), QStringLiteral("△○へ"));
    EXPECT_EQ(LevelMove::caption(2), QStringLiteral("△△○へ"));
    EXPECT_EQ(LevelMove::caption(3), QStringLiteral("△△△○へ"));
    EXPECT_EQ(LevelMove::caption(4), QStringLiteral("△△△△へ"));
}

} // namespace
