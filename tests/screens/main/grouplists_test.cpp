// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/grouplists.h"

#include <gtest/gtest.h>

namespace {

QString line(const char* tag) {
    return QString::fromLatin1(tag) + QStringLiteral("      12      0");
}

GroupLists withSummary() {
    GroupLists lists;
    lists.setSummary({line("  1"), line("  3"), line(" 12"), line("999")});
    return lists;
}

} // namespace

TEST(GroupLists, ChoosingKeepsOneItemPerGroupInGroupOrder) {
    GroupLists lists = withSummary();
    EXPECT_FALSE(lists.choose({}));
    EXPECT_TRUE(lists.chosen().isEmpty());

    EXPECT_TRUE(lists.choose({2}));
    EXPECT_FALSE(lists.choose({2}));
    EXPECT_TRUE(lists.choose({1}));
    EXPECT_EQ(lists.chosen(), QStringList({line("  3"), line(" 12")}));

    // A line whose counts changed is still the same group.
    lists.setSummary({line("  1"), QStringLiteral("  3      0      9")});
    EXPECT_FALSE(lists.choose({1}));
    EXPECT_FALSE(lists.choose({7, -1}));
}

TEST(GroupLists, RemovingSeveralWhateverTheirPositions) {
    GroupLists lists = withSummary();
    lists.choose({0, 1, 2, 3});
    EXPECT_TRUE(lists.remove({3, 0, 2, 0}));
    EXPECT_EQ(lists.chosen(), QStringList({line("  3")}));
    EXPECT_FALSE(lists.remove({5}));
    EXPECT_TRUE(lists.clearChosen());
    EXPECT_FALSE(lists.clearChosen());
}

TEST(GroupLists, PracticeGroupsAreTheChosenOrElseAll) {
    GroupLists lists = withSummary();
    EXPECT_EQ(lists.practiceGroups(), (std::vector<int>{1, 3, 12, 999}));
    EXPECT_TRUE(lists.chosenTags().isEmpty());
    lists.choose({3, 1});
    EXPECT_EQ(lists.practiceGroups(), (std::vector<int>{3, 999}));
    EXPECT_EQ(lists.chosenTags(), QStringList({QStringLiteral("  3"), QStringLiteral("999")}));
}

TEST(GroupLists, ChosenItemsFollowTheRebuiltSummary) {
    GroupLists lists = withSummary();
    lists.choose({2, 0});
    const QString fresh = QStringLiteral(" 12     30      0");
    lists.setSummary({line("  1"), line("  3"), fresh, line("999")});
    lists.refreshChosen();
    EXPECT_EQ(lists.chosen(), QStringList({line("  1"), fresh}));
}

TEST(GroupLists, PreviousTagsAreSortedAndKeptAsRead) {
    GroupLists lists;
    lists.setPrevious({QStringLiteral(" 12"), QStringLiteral("  3"), QStringLiteral("  3")});
    EXPECT_EQ(lists.previous(),
              QStringList({QStringLiteral("  3"), QStringLiteral("  3"), QStringLiteral(" 12")}));
    lists.clear();
    EXPECT_TRUE(lists.previous().isEmpty());
}
