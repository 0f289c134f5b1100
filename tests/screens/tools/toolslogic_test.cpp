// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/tools/datafilechooserlogic.h"
#include "screens/tools/displaysettingslogic.h"
#include "screens/tools/wordlistfilter.h"
#include "screens/tools/wordlistmodel.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"

#include <gtest/gtest.h>

// Files ending in lower-case "vku" beside the current file are listed; without the current
// file or its folder there is nothing to list, and a message says why.
TEST(DataFileChooserLogic, ListsTheWordFilesBesideTheCurrentOne) {
    SettingsHome home;
    FakeDialogs dialogs;
    const QString folder = home.path() + QStringLiteral("/words/");
    QDir().mkpath(folder + QStringLiteral("sub.vku"));
    for (const char* name : {"a.vku", "levku", "b.VKU", "c.txt", ".hidden.vku"})
        testfiles::writeAll(folder + QLatin1String(name), "x");
    DataFileChooserLogic logic(home.values, dialogs, {});
    for (const QString& current : {folder + "a.vku", QString(), home.path() + "/gone/a.vku"}) {
        home.values.dataFilePath = current;
        logic.load();
        QStringList files = logic.files();
        files.sort();
        const QStringList listed = {".hidden.vku", "a.vku", "levku"};
        EXPECT_EQ(files, current.startsWith(folder) ? listed : QStringList());
        EXPECT_FALSE(logic.open(-1));
    }
    EXPECT_EQ(dialogs.messages.mid(0, 3), QStringList({"データファイルを選択してください。",
                                                       "現在のデータフォルダが取得できません",
                                                       "データファイルを選択してください。"}));
    EXPECT_TRUE(dialogs.messages.value(3).contains(home.path() + "/gone/"));
}

// Only exactly 1 ticks a box and a flag left alone is written back as read; the boxes act at
// once, the colours on OK, and a failed write keeps them for this run.
TEST(DisplaySettingsLogic, BoxesActAtOnceColoursOnOk) {
    SettingsHome home;
    FakeDialogs dialogs;
    AppValues& values = home.values;
    values.mainBackColor = QStringLiteral("65280");
    values.noSound = -1;
    values.noExplainOnNg = 1;
    DisplaySettingsLogic logic(values, dialogs);
    EXPECT_EQ(logic.swatchColour(0), QColor(0, 255, 0));
    EXPECT_FALSE(logic.noSoundTicked());
    EXPECT_TRUE(logic.noExplainOnNgTicked());
    logic.chooseColour(3); // cancelled
    dialogs.colourAnswer = QColor(0x12, 0x34, 0x56);
    logic.chooseColour(1);
    logic.setNoExplainOnNg(false);
    EXPECT_EQ(values.drillBackColor, QStringLiteral("12648447"));
    EXPECT_EQ(values.noExplainOnNg, 0);
    EXPECT_TRUE(logic.accept());
    EXPECT_EQ(testfiles::readAll(home.settingsFile(SettingsFiles::displayFile)),
              "65280\r\n5649426\r\n255\r\n-2147483624\r\n12648447\r\n-1 \r\n 0 \r\n");
    EXPECT_EQ(values.drillBackColor, QStringLiteral("5649426"));
    logic.restoreDefaults();
    EXPECT_EQ(values.noSound, 0);
    values.settingsFolder = home.path() + QStringLiteral("/missing/");
    EXPECT_FALSE(logic.accept());
    EXPECT_EQ(values.mainBackColor, QStringLiteral("12648447"));
    EXPECT_TRUE(
        dialogs.messages.value(0).startsWith(QStringLiteral("表示設定を保存できませんでした。")));
}

// The list after sorting, then choosing a group, then searching: the search ignores case and
// finds Japanese meanings, numbers sort as numbers (full-width too), equal keys keep the
// file's order, and a sort survives a new search.
TEST(WordListFilter, SearchesPicksAGroupAndSortsNaturally) {
    SettingsHome home;
    std::vector<WordRecord> rows;
    for (const auto& [group, word, meaning] :
         std::vector<std::tuple<int, QString, QString>>{{3, "word10", "第１０課"},
                                                        {1, "Apple", "りんご"},
                                                        {2, "word9", "第２課"},
                                                        {1, "APPLE", "あんず"},
                                                        {2, "Word10b", ""}}) {
        rows.push_back(testwords::word(group, static_cast<int>(rows.size()) + 1));
        rows.back().word = word;
        rows.back().meaning = meaning.isEmpty() ? std::nullopt : std::optional(meaning);
    }
    WordListModel model;
    ASSERT_FALSE(model.load(testwords::makeWordFile(home.path() + "/w.vku", rows)));
    WordListFilter filter(model);
    constexpr auto up = Qt::AscendingOrder, down = Qt::DescendingOrder;
    const std::tuple<int, Qt::SortOrder, int, QString, QString> cases[] = {
        {-1, up, 0, "", "word10 Apple word9 APPLE Word10b"},
        {-1, up, 0, "aP", "Apple APPLE"},
        {-1, up, 0, "りんご", "Apple"},
        {-1, up, 2, "", "word9 Word10b"},
        {WordListModel::Word, up, 0, "", "Apple APPLE word9 word10 Word10b"},
        {WordListModel::Word, down, 0, "o", "Word10b word10 word9"},
        {WordListModel::Word, down, 1, "", "Apple APPLE"},
        {WordListModel::Group, up, 0, "", "Apple APPLE word9 Word10b word10"},
        {WordListModel::Meaning, up, 0, "課", "word9 word10"},
        {WordListModel::Meaning, down, 2, "WORD", "word9 Word10b"},
        {WordListModel::Word, up, 0, "zzz", ""},
        {-1, up, 3, "ap", ""},
    };
    for (const auto& [column, order, group, search, shown] : cases) {
        filter.sort(column, order);
        filter.setGroup(group);
        filter.setSearchText(search);
        QStringList words;
        for (int row = 0; row < filter.rowCount(); ++row)
            words.append(filter.index(row, WordListModel::Word).data().toString());
        EXPECT_EQ(words.join(' '), shown) << search.toStdString() << " " << group;
    }
}
