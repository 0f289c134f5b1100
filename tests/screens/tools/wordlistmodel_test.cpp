// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/tools/wordlistmodel.h"
#include "support/testfiles.h"
#include "toolstestdata.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(WordListModelTest, ShowsGroupWordAndMeaningOfEveryWord) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.vku"));
    toolstestdata::makeWordFile(path, 250);
    WordListModel model;
    EXPECT_FALSE(model.load(path).has_value());
    ASSERT_EQ(model.rowCount(), 250);
    ASSERT_EQ(model.columnCount(), 3);

    QStringList words;
    for (int row = 0; row < model.rowCount(); ++row) {
        words << model.index(row, WordListModel::Word).data().toString();
    }
    const int row = static_cast<int>(words.indexOf(QStringLiteral("word123")));
    ASSERT_GE(row, 0);
    EXPECT_EQ(model.index(row, WordListModel::Group).data().toInt(), 2);
    EXPECT_EQ(model.index(row, WordListModel::Meaning).data().toString(),
              QStringLiteral("意味123"));
    const int nullMeaning = static_cast<int>(words.indexOf(QStringLiteral("word7")));
    EXPECT_EQ(model.index(nullMeaning, WordListModel::Meaning).data().toString(), QString());
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
}

TEST(WordListModelTest, HeadingsAndWidths) {
    WordListModel model;
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("ｸﾞﾙｰﾌﾟ"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("単語"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("意味"));
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), QString());
    EXPECT_EQ(WordListModel::widthText(WordListModel::Word).size(), 47);
    EXPECT_EQ(WordListModel::widthText(WordListModel::Meaning).size(), 98);
}

TEST(WordListModelTest, UnreadableFileGivesAMessageAndNoRows) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.vku"));
    toolstestdata::makeWordFile(path, 5);
    WordListModel model;
    ASSERT_FALSE(model.load(path).has_value());
    const std::optional<QString> error = model.load(dir.filePath(QStringLiteral("none.vku")));
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(QStringLiteral("none.vku")));
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
