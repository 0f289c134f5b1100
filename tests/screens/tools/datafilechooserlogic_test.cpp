// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeuserdialogs.h"
#include "screens/tools/datafilechooserlogic.h"
#include "support/testfiles.h"
#include "toolstestdata.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class DataFileChooserLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        dataFolder = home.path() + QStringLiteral("/words/");
        QDir().mkpath(dataFolder);
        toolstestdata::makeWordFile(dataFolder + QStringLiteral("a.vku"), 3);
        toolstestdata::makeWordFile(dataFolder + QStringLiteral("levku"), 1);
        for (const char* name : {"b.VKU", "c.txt", ".hidden.vku"}) {
            testfiles::writeAll(dataFolder + QString::fromLatin1(name), "x");
        }
        QDir().mkpath(dataFolder + QStringLiteral("sub.vku"));
        values = toolstestdata::valuesFor(home.documentsFolder() + QStringLiteral("VOKU/"),
                                          dataFolder + QStringLiteral("a.vku"));
        iniPath = values.DataFileIniPath;
        oldDataFileIni = testfiles::readAll(iniPath);
        oldSelection = testfiles::readAll(selectionPath());
    }

    QString selectionPath() const { return values.SettingsFolder + QStringLiteral("VKI030.ini"); }

    bool settingsUntouched() const {
        return testfiles::readAll(iniPath) == oldDataFileIni &&
               testfiles::readAll(selectionPath()) == oldSelection;
    }

    testfiles::TempHome home;
    QString dataFolder;
    AppValues values;
    FakeUserDialogs dialogs;
    QString iniPath;
    QByteArray oldDataFileIni;
    QByteArray oldSelection;
};

TEST_F(DataFileChooserLogicTest, ListsFilesEndingInLowerCaseVkuOnly) {
    DataFileChooserLogic logic(values, dialogs, {});
    logic.load();
    QStringList files = logic.files();
    files.sort();
    EXPECT_EQ(files, (QStringList{".hidden.vku", "a.vku", "levku"}));
    EXPECT_EQ(logic.caption(), values.WindowTitle);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(DataFileChooserLogicTest, OpenWritesSettingsAndSwitchesFile) {
    DataFileChooserLogic logic(values, dialogs, {});
    int finished = 0;
    QObject::connect(&logic, &DataFileChooserLogic::finished, [&] { ++finished; });
    logic.load();
    values.NoDataFile = -1;
    ASSERT_TRUE(logic.open(logic.files().indexOf("levku")));

    const QString path = dataFolder + QStringLiteral("levku");
    EXPECT_EQ(values.DataFilePath, path);
    EXPECT_EQ(values.WindowTitle, QStringLiteral("VOKU英単カード\u3000levku"));
    EXPECT_EQ(values.NoDataFile, 0);
    EXPECT_EQ(testfiles::readAll(values.DataFileIniPath), ("\"" + path + "\"\r\n").toUtf8());
    EXPECT_TRUE(QFile::exists(selectionPath()));
    EXPECT_TRUE(testfiles::readAll(selectionPath()).isEmpty());
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(DataFileChooserLogicTest, NoSelectionOrAnUnusableFileSaySoAndStay) {
    DataFileChooserLogic logic(values, dialogs, {});
    int finished = 0;
    QObject::connect(&logic, &DataFileChooserLogic::finished, [&] { ++finished; });
    logic.load();
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
    EXPECT_EQ(values.DataFilePath, dataFolder + QStringLiteral("a.vku"));
    EXPECT_TRUE(settingsUntouched());
}

TEST_F(DataFileChooserLogicTest, CancelChangesNothing) {
    DataFileChooserLogic logic(values, dialogs, {});
    int finished = 0;
    QObject::connect(&logic, &DataFileChooserLogic::finished, [&] { ++finished; });
    logic.load();
    logic.cancel();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(values.DataFilePath, dataFolder + QStringLiteral("a.vku"));
    EXPECT_TRUE(settingsUntouched());
}

TEST_F(DataFileChooserLogicTest, NoCurrentFileOrVanishedFolderGiveAMessageAndNoList) {
    values.DataFilePath.clear();
    DataFileChooserLogic noFile(values, dialogs, {});
    noFile.load();
    EXPECT_TRUE(noFile.files().isEmpty());
    EXPECT_EQ(dialogs.messages, QStringList{"現在のデータフォルダが取得できません"});
    EXPECT_FALSE(noFile.open(-1));

    dialogs.messages.clear();
    values.DataFilePath = home.path() + QStringLiteral("/gone/a.vku");
    DataFileChooserLogic vanished(values, dialogs, {});
    vanished.load();
    EXPECT_TRUE(vanished.files().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains(QStringLiteral("/gone/")));
}

TEST(DataFileChooserLogicPaths, FolderIsTheTextUpToTheLastSlash) {
    EXPECT_EQ(DataFileChooserLogic::folderOf("/a/b/c.vku"), "/a/b/");
    EXPECT_EQ(DataFileChooserLogic::folderOf("c.vku"), "");
}

} // namespace
