// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsmodule.h"

#include "support/fakeseams.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString announce = QStringLiteral("設定ファイルをコピーします。キャンセルしないでください！始"
                                        "めますのでOKボタンをクリックしてください。");
const QString copied =
    QStringLiteral("設定ファイルをコピーしました。OKボタンをクリックしてください。");
const QString interrupted = QStringLiteral("処理が中断されました。");
const QString chooseData = QStringLiteral("単語データを選択してください。");

const QByteArray templateColours("1\r\n2\r\n3\r\n4\r\n5\r\n 1 \r\n-1 \r\n");

// A program folder with "Vokuini.ini" and the read-only template folder "Ini", as installed.
class SettingsModuleTest : public ::testing::Test {
protected:
    SettingsModuleTest() {
        testfiles::writeAll(appFolder() + "Vokuini.ini",
                            "\"VOKU" + QByteArray("\x89\x70") + "\"\r\n");
        testfiles::writeAll(appFolder() + "Ini/VKI000.ini", " 0 \r\nhello\r\n");
        testfiles::writeAll(appFolder() + "Ini/VKI010.ini", "\"sample.vku\"\r\n");
        testfiles::writeAll(appFolder() + "Ini/VKI020.ini", templateColours);
        testfiles::writeAll(appFolder() + "Ini/VKI030.ini", "");
        testfiles::writeAll(appFolder() + "Ini/sample.vku", "template sample");
        for (const QString& name : QDir(appFolder() + "Ini").entryList(QDir::Files))
            QFile::setPermissions(appFolder() + "Ini/" + name, QFile::ReadOwner);
    }

    QString appFolder() const { return program.path() + QStringLiteral("/bin/"); }
    QString settingsFolder() const { return home.documentsFolder() + QStringLiteral("VOKU英/"); }
    void start() {
        module.findDocumentsFolder();
        module.findAppFolder();
        module.prepareSettingsFolder();
        module.loadDisplaySettings();
        module.loadDataFileSetting();
    }

    testfiles::TempHome home;
    QTemporaryDir program;
    AppValues values;
    FakeDialogs dialogs;
    SettingsModule module{values, dialogs, appFolder()};
};

TEST_F(SettingsModuleTest, FirstRunCopiesTheTemplateAndLoadsIt) {
    start();
    EXPECT_EQ(values.documentsFolder, home.documentsFolder());
    EXPECT_EQ(values.appFolder, appFolder());
    EXPECT_EQ(values.settingsFolder, settingsFolder());
    EXPECT_EQ(dialogs.messages, (QStringList{announce, copied}));
    EXPECT_TRUE(QFileInfo(settingsFolder() + "sample.vku").isWritable());
    const QStringList colours{values.mainBackColor, values.drillBackColor, values.ngBackColor,
                              values.explainBackColor, values.explainTextBackColor};
    EXPECT_EQ(colours, (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(values.noSound, 1);
    EXPECT_EQ(values.noExplainOnNg, -1);
    EXPECT_EQ(values.dataFilePath, settingsFolder() + "sample.vku");
    EXPECT_EQ(values.dataFileIniPath, settingsFolder() + "VKI010.ini");
    EXPECT_EQ(values.windowTitle, QStringLiteral("VOKU英単カード　sample.vku"));
    EXPECT_TRUE(values.hasDataFile());

    QFile::remove(appFolder() + "Vokuini.ini");
    module.findAppFolder();
    EXPECT_EQ(values.appFolder, program.path() + "/share/voku/");
}

// Only a missing file is copied; the learner's own files stay as they are.
TEST_F(SettingsModuleTest, PartialFolderKeepsTheLearnersFiles) {
    const QByteArray learners("1\r\n2\r\n3\r\n4\r\n5\r\n 0 \r\n 1 \r\n");
    testfiles::writeAll(settingsFolder() + "VKI020.ini", learners);
    testfiles::writeAll(settingsFolder() + "VKI010.ini", "\"/data/mine.vku\"\r\n");
    start();
    EXPECT_EQ(dialogs.messages, (QStringList{announce, copied}));
    EXPECT_EQ(testfiles::readAll(settingsFolder() + "VKI020.ini"), learners);
    EXPECT_TRUE(QFile::exists(settingsFolder() + "VKI030.ini"));
    EXPECT_EQ(values.dataFilePath, QStringLiteral("/data/mine.vku"));
    EXPECT_EQ(values.windowTitle, QStringLiteral("VOKU英単カード　mine.vku"));
}

// A complete folder is left alone; without a named data file the learner is asked to choose.
TEST_F(SettingsModuleTest, NoDataFileNamedAsksToChooseOne) {
    start();
    for (const QByteArray& named : {QByteArray(), QByteArray("\"\"\r\n")}) {
        dialogs.messages.clear();
        QFile::remove(settingsFolder() + "VKI010.ini");
        if (!named.isNull())
            testfiles::writeAll(settingsFolder() + "VKI010.ini", named);
        start();
        EXPECT_EQ(dialogs.messages, QStringList{chooseData});
        EXPECT_FALSE(values.hasDataFile());
        EXPECT_EQ(values.windowTitle, QString());
        EXPECT_EQ(QFile::exists(settingsFolder() + "VKI010.ini"), !named.isNull());
    }
}

TEST_F(SettingsModuleTest, FailedCopyIsReportedAndTheRunGoesOn) {
    // A file where the documents folder should be: no folder can be made under it.
    QDir(home.documentsFolder()).removeRecursively();
    testfiles::writeAll(home.path() + "/Documents", "not a folder");
    start();
    ASSERT_EQ(dialogs.messages.size(), 4);
    EXPECT_EQ(dialogs.messages.mid(0, 2), (QStringList{announce, interrupted}));
    EXPECT_TRUE(
        dialogs.messages.at(2).startsWith(QStringLiteral("設定フォルダーに書き込めません。")));
    EXPECT_EQ(dialogs.messages.at(3), chooseData);
    EXPECT_EQ(values.mainBackColor, QStringLiteral("12648447"));
}

TEST_F(SettingsModuleTest, MissingTemplateFolderIsNamedAndTheSettingsFolderMade) {
    QDir(appFolder() + "Ini").removeRecursively();
    start();
    EXPECT_EQ(dialogs.messages.mid(0, 2),
              (QStringList{announce, QStringLiteral("設定ファイルのひな形のフォルダーが見つかりま"
                                                    "せん。初期設定で続けます。\n") +
                                         appFolder() + "Ini"}));
    EXPECT_TRUE(QFileInfo(settingsFolder()).isDir());
}

// Installed, the program's data lie in share/voku beside bin, under any prefix.
TEST_F(SettingsModuleTest, WithoutVokuiniBesideItTheDataAreInShareVoku) {
    QFile::remove(appFolder() + "Vokuini.ini");
    module.findAppFolder();
    EXPECT_EQ(values.appFolder, program.path() + "/share/voku/");
}

TEST_F(SettingsModuleTest, MissingOrEmptyVokuiniGivesTheDefaultFolderName) {
    for (const QByteArray& content : {QByteArray(), QByteArray("\"\"\r\n")}) {
        testfiles::writeAll(appFolder() + "Vokuini.ini", content);
        start();
        EXPECT_EQ(values.settingsFolder,
                  home.documentsFolder() + SettingsModule::defaultSettingsFolderName() + "/");
    }
}

} // namespace
