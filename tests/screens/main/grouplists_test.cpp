// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/grouplists.h"

#include <gtest/gtest.h>

namespace {

QString line(const char* tag, const char* counts = "      12      0") {
    return QString::fromLatin1(tag) + QString::fromLatin1(counts);
}

GroupLists withSummary() {
    GroupLists lists;
    lists.setSummary({line("  1"), line("  3"), line(" 12"), line("999")});
    return lists;
}

// One item per group in group order; rows out of range and groups already chosen change nothing.
TEST(GroupLists, ChoosingAndRemovingKeepOneItemPerGroupInGroupOrder) {
    GroupLists lists = withSummary();
    EXPECT_FALSE(lists.choose({}));
    EXPECT_EQ(lists.practiceGroups(), (std::vector<int>{1, 3, 12, 999}));
    EXPECT_TRUE(lists.choose({2}));
    EXPECT_FALSE(lists.choose({2, 7, -1}));
    EXPECT_TRUE(lists.choose({1}));
    EXPECT_EQ(lists.chosen(), QStringList({line("  3"), line(" 12")}));
    // A line whose counts changed is still the same group.
    lists.setSummary({line("  1"), line("  3", "      0      9")});
    EXPECT_FALSE(lists.choose({1}));

    lists = withSummary();
    lists.choose({3, 1, 0, 2});
    EXPECT_EQ(lists.chosenTags(), QStringList({"  1", "  3", " 12", "999"}));
    EXPECT_TRUE(lists.remove({3, 0, 2, 0}));
    EXPECT_EQ(lists.chosen(), QStringList({line("  3")}));
    EXPECT_EQ(lists.practiceGroups(), std::vector<int>{3});
    EXPECT_FALSE(lists.remove({5}));
    EXPECT_TRUE(lists.clearChosen());
    EXPECT_FALSE(lists.clearChosen());
}

TEST(GroupLists, ChosenItemsFollowTheRebuiltSummaryAndPreviousTagsAreSorted) {
    GroupLists lists = withSummary();
    lists.choose({2, 0});
    const QString fresh = line(" 12", "     30      0");
    lists.setSummary({line("  1"), line("  3"), fresh, line("999")});
    lists.refreshChosen();
    EXPECT_EQ(lists.chosen(), QStringList({line("  1"), fresh}));

    lists.setPrevious({" 12", "  3", "  3"});
    EXPECT_EQ(lists.previous(), QStringList({"  3", "  3", " 12"}));
    lists.clear();
    EXPECT_TRUE(lists.previous().isEmpty() && lists.chosen().isEmpty());
}

} // namespace
