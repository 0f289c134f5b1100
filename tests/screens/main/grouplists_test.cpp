// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/grouplists.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

// One item per group in group order; rows out of range and groups already chosen change
// nothing, even when the summary was rebuilt with other counts since.
TEST(GroupLists, ChoosingAndRemovingKeepOneItemPerGroupInGroupOrder) {
    enum Op { Choose, Remove, Clear };
    const struct {
        Op op;
        QList<int> rows;
        bool changes;
        QStringList chosen;
    } steps[] = {
        {Choose, {}, false, {}},
        {Choose, {2}, true, {" 12"}},
        {Choose, {2, 7, -1}, false, {" 12"}},
        {Choose, {3, 1, 0}, true, {"  1", "  3", " 12", "999"}},
        {Remove, {3, 0, 2, 0}, true, {"  3"}},
        {Remove, {5}, false, {"  3"}},
        {Clear, {}, true, {}},
        {Clear, {}, false, {}},
    };
    GroupLists lists;
    for (const auto& step : steps) {
        const int counts = int(&step - steps);
        SCOPED_TRACE(counts);
        QStringList summary;
        for (const char* tag : {"  1", "  3", " 12", "999"})
            summary << QStringLiteral("%1%2      0").arg(QLatin1String(tag)).arg(counts, 7);
        lists.setSummary(summary);
        EXPECT_EQ(step.op == Choose   ? lists.choose(step.rows)
                  : step.op == Remove ? lists.remove(step.rows)
                                      : lists.clearChosen(),
                  step.changes);
        EXPECT_EQ(lists.chosenTags(), step.chosen);
    }
}
