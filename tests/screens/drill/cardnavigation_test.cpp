// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/drill/cardnavigation.h"

#include <gtest/gtest.h>

namespace {

using CardNavigation::Direction;
using CardNavigation::move;

CardNavigation::OnPage cards(std::initializer_list<int> slots) {
    CardNavigation::OnPage onPage{};
    for (int s : slots)
        onPage[s] = true;
    return onPage;
}

TEST(CardNavigation, UpAndDownFollowTheReadingOrderAndSkipPassedCards) {
    const auto onPage = cards({0, 2, 4, 5, 9});
    EXPECT_EQ(move(onPage, 0, Direction::Down), 2);
    EXPECT_EQ(move(onPage, 4, Direction::Down), 5);
    EXPECT_EQ(move(onPage, 5, Direction::Up), 4);
    EXPECT_EQ(move(onPage, 9, Direction::Down), -1);
    EXPECT_EQ(move(onPage, 0, Direction::Up), -1);
    EXPECT_EQ(move(onPage, 1, Direction::Down), 2) << "from a card passed meanwhile";
}

TEST(CardNavigation, LeftAndRightGoToTheNearestRowOfTheOtherColumn) {
    const auto full = cards({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(move(full, 2, Direction::Right), 7);
    EXPECT_EQ(move(full, 7, Direction::Left), 2);
    EXPECT_EQ(move(full, 2, Direction::Left), -1);
    EXPECT_EQ(move(full, 7, Direction::Right), -1);

    const auto partial = cards({3, 5, 9});
    EXPECT_EQ(move(partial, 3, Direction::Right), 9);
    EXPECT_EQ(move(partial, 5, Direction::Left), 3);
    EXPECT_EQ(move(cards({0, 1, 2}), 1, Direction::Right), -1) << "a short page has one column";
}

} // namespace
