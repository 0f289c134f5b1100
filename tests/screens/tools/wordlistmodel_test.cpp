// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/tools/wordlistmodel.h"

#include "support/testwords.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(WordListModelTest, ShowsGroupWordAndMeaningOfEveryWord) {
    QTemporaryDir dir;
    auto rows = testwords::words(1, 100);
    rows.push_back(testwords::word(2, 7));
    rows.back().meaning = QString();
    testwords::makeWordFile(dir.filePath(QStringLiteral("w.vku")), rows);
    WordListModel model;
    EXPECT_EQ(model.load(dir.filePath(QStringLiteral("w.vku"))), std::nullopt);
    ASSERT_EQ(model.rowCount(), 101);
    const auto cell = [&](int row, int column) {
        return model.index(row, column).data().toString();
    };
    EXPECT_EQ(QStringList({cell(100, 0), cell(100, 1), cell(100, 2)}),
              QStringList({"2", "w2-7", ""}));
    EXPECT_EQ(cell(41, 2), QStringLiteral("意味1-42"));
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));

    const auto error = model.load(dir.filePath(QStringLiteral("none.vku")));
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(QStringLiteral("none.vku")));
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
