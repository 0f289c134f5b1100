// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/tools/datafilechooserlogic.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A folder of word files and others; a.vku is current.
class DataFileChooserLogicTest : public ::testing::Test {
protected:
    DataFileChooserLogicTest() {
        QDir().mkpath(folder + QStringLiteral("sub.vku"));
        for (const char* name : {"a.vku", "levku"})
            testwords::makeWordFile(folder + QString::fromLatin1(name), testwords::words(1, 2));
        for (const char* name : {"b.VKU", "c.txt", ".hidden.vku"})
            testfiles::writeAll(folder + QString::fromLatin1(name), "x");
        home.select(folder + QStringLiteral("a.vku"));
        testfiles::writeAll(home.values.dataFileIniPath, "\"a\"\r\n");
        testfiles::writeAll(home.settingsFile(SettingsFiles::groupSelectionFile), " 12\r\n");
        QObject::connect(&logic, &DataFileChooserLogic::finished, [this] { ++finished; });
        logic.load();
    }
    QByteArray settings() const {
        return home.settingsBytes(SettingsFiles::dataFileFile) + "|" +
               home.settingsBytes(SettingsFiles::groupSelectionFile);
    }

    SettingsHome home;
    QString folder = home.path() + QStringLiteral("/words/");
    FakeDialogs dialogs;
    DataFileChooserLogic logic{home.values, dialogs, {}};
    int finished = 0;
};

TEST_F(DataFileChooserLogicTest, OpensAWordFileEndingInLowerCaseVku) {
    QStringList files = logic.files();
    files.sort();
    EXPECT_EQ(files, (QStringList{".hidden.vku", "a.vku", "levku"}));
    EXPECT_EQ(logic.caption(), home.values.windowTitle);
    home.values.noDataFile = true;
    ASSERT_TRUE(logic.open(int(logic.files().indexOf("levku"))));
    const QString path = folder + QStringLiteral("levku");
    EXPECT_EQ(home.values.dataFilePath, path);
    EXPECT_EQ(home.values.windowTitle, QStringLiteral("VOKU英単カード　levku"));
    EXPECT_TRUE(home.values.hasDataFile());
    EXPECT_EQ(settings(), "\"" + path.toUtf8() + "\"\r\n|");
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(DataFileChooserLogicTest, NoSelectionAnUnusableFileOrCancelChangeNothing) {
    const QByteArray before = settings();
    const std::pair<qsizetype, QString> cases[] = {
        {-1, "データファイルを選択してください。"},
        {logic.files().indexOf(".hidden.vku"), "単語データファイルではありません"},
    };
    for (const auto& [row, message] : cases) {
        dialogs.messages.clear();
        EXPECT_FALSE(logic.open(int(row)));
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages.first().contains(message)) << qPrintable(message);
    }
    EXPECT_EQ(finished, 0);
    logic.cancel();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(home.values.dataFilePath, folder + QStringLiteral("a.vku"));
    EXPECT_EQ(settings(), before);
}

TEST_F(DataFileChooserLogicTest, NoCurrentFileOrVanishedFolderGiveAMessageAndNoList) {
    for (const QString& current : {QString(), home.path() + QStringLiteral("/gone/a.vku")}) {
        dialogs.messages.clear();
        home.values.dataFilePath = current;
        logic.load();
        EXPECT_TRUE(logic.files().isEmpty());
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages.first().contains(
            current.isEmpty() ? QStringLiteral("現在のデータフォルダが取得できません")
                              : QStringLiteral("/gone/")));
        EXPECT_FALSE(logic.open(0));
    }
    EXPECT_EQ(DataFileChooserLogic::folderOf("c.vku"), "");
}

} // namespace
