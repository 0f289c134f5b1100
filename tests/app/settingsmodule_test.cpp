// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsmodule.h"

#include "app/settingsfiles.h"
#include "fakeuserdialogs.h"
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

const QByteArray templateColours("255\r\n255\r\n255\r\n255\r\n255\r\n 1 \r\n 0 \r\n");

// A program folder with "Vokuini.ini" and the template folder "Ini", as installed.
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
        // Installed templates are read-only.
        for (const QString& name : QDir(appFolder() + "Ini").entryList(QDir::Files))
            QFile::setPermissions(appFolder() + "Ini/" + name, QFile::ReadOwner);
    }

    QString appFolder() const { return program.path() + QStringLiteral("/bin/"); }
    QString settingsFolder() const { return home.documentsFolder() + QStringLiteral("VOKU英/"); }

    void prepare() {
        module.FindDocumentsFolder();
        module.FindAppFolder();
        module.PrepareSettingsFolder();
    }

    testfiles::TempHome home;
    QTemporaryDir program;
    AppValues values;
    FakeUserDialogs dialogs;
    FakeSoundPlayer sound;
    SettingsModule module{values, dialogs, sound, appFolder()};
};

TEST_F(SettingsModuleTest, FindsFoldersEndingWithSlash) {
    module.FindDocumentsFolder();
    module.FindAppFolder();
    EXPECT_EQ(values.DocumentsFolder, home.documentsFolder());
    EXPECT_EQ(values.AppFolder, appFolder());

    QFile::remove(appFolder() + "Vokuini.ini");
    module.FindAppFolder();
    EXPECT_EQ(values.AppFolder, program.path() + "/share/voku/");
}

TEST_F(SettingsModuleTest, FirstRunCopiesTheTemplateAndLoadsIt) {
    prepare();
    EXPECT_EQ(values.SettingsFolder, settingsFolder());
    EXPECT_EQ(dialogs.messages, (QStringList{announce, copied}));
    EXPECT_EQ(testfiles::readAll(settingsFolder() + "VKI020.ini"), templateColours);
    EXPECT_TRUE(QFileInfo(settingsFolder() + "sample.vku").isWritable());

    module.LoadDisplaySettings();
    module.LoadDataFileSetting();
    EXPECT_EQ(values.MainBackColor, QStringLiteral("255"));
    EXPECT_EQ(values.NoSound, 1);
    EXPECT_EQ(values.DataFilePath, settingsFolder() + "sample.vku");
    EXPECT_EQ(values.DataFileIniPath, settingsFolder() + "VKI010.ini");
    EXPECT_EQ(values.WindowTitle, QStringLiteral("VOKU英単カード　sample.vku"));
    EXPECT_EQ(values.NoDataFile, 0);
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(SettingsModuleTest, CompleteFolderIsLeftAlone) {
    prepare();
    dialogs.messages.clear();
    QFile::remove(settingsFolder() + "VKI010.ini");
    prepare();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(settingsFolder() + "VKI010.ini"));

    module.LoadDataFileSetting();
    EXPECT_EQ(dialogs.messages, QStringList{chooseData});
    EXPECT_EQ(values.NoDataFile, -1);
    EXPECT_EQ(values.WindowTitle, QString());
}

TEST_F(SettingsModuleTest, PartialFolderKeepsTheLearnersFiles) {
    const QByteArray learners("1\r\n2\r\n3\r\n4\r\n5\r\n 0 \r\n 1 \r\n");
    testfiles::writeAll(settingsFolder() + "VKI020.ini", learners);
    testfiles::writeAll(settingsFolder() + "VKI010.ini", "\"/data/mine.vku\"\r\n");
    prepare();
    EXPECT_EQ(dialogs.messages, (QStringList{announce, copied}));
    EXPECT_EQ(testfiles::readAll(settingsFolder() + "VKI020.ini"), learners);
    EXPECT_EQ(testfiles::readAll(settingsFolder() + "VKI010.ini"), "\"/data/mine.vku\"\r\n");
    EXPECT_TRUE(QFile::exists(settingsFolder() + "VKI030.ini"));

    module.LoadDataFileSetting();
    EXPECT_EQ(values.DataFilePath, QStringLiteral("/data/mine.vku"));
    EXPECT_EQ(values.WindowTitle, QStringLiteral("VOKU英単カード　mine.vku"));
}

TEST_F(SettingsModuleTest, UnwritableFolderIsReportedOnceAndTheRunGoesOn) {
    // A file where the documents folder should be: no folder can be made under it.
    QDir(home.documentsFolder()).removeRecursively();
    testfiles::writeAll(home.path() + "/Documents", "not a folder");
    prepare();
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages.mid(0, 2), (QStringList{announce, interrupted}));
    EXPECT_TRUE(
        dialogs.messages.at(2).startsWith(QStringLiteral("設定フォルダーに書き込めません。")));

    module.LoadDisplaySettings();
    module.LoadDataFileSetting();
    EXPECT_EQ(values.MainBackColor, QStringLiteral("12648447"));
    EXPECT_EQ(values.NoDataFile, -1);
}

TEST_F(SettingsModuleTest, MissingTemplateFolderIsNamedAndTheSettingsFolderMade) {
    QDir(appFolder() + "Ini").removeRecursively();
    prepare();
    EXPECT_EQ(dialogs.messages,
              (QStringList{announce, QStringLiteral("設定ファイルのひな形のフォルダーが見つかりま"
                                                    "せん。初期設定で続けます。\n") +
                                         appFolder() + "Ini"}));
    EXPECT_TRUE(QFileInfo(settingsFolder()).isDir());
}

TEST_F(SettingsModuleTest, MissingOrEmptyVokuiniGivesTheDefaultFolderName) {
    for (const QByteArray& content : {QByteArray(), QByteArray("\"\"\r\n")}) {
        testfiles::writeAll(appFolder() + "Vokuini.ini", content);
        prepare();
        EXPECT_EQ(values.SettingsFolder,
                  home.documentsFolder() + SettingsModule::defaultSettingsFolderName() + "/");
    }
    QFile::remove(appFolder() + "Vokuini.ini");
    module.FindDocumentsFolder();
    values.AppFolder = appFolder();
    module.PrepareSettingsFolder();
    EXPECT_EQ(values.SettingsFolder,
              home.documentsFolder() + SettingsModule::defaultSettingsFolderName() + "/");
}

TEST_F(SettingsModuleTest, MalformedDisplaySettingsFallBackToTheDefaults) {
    prepare();
    testfiles::writeAll(settingsFolder() + "VKI020.ini", "1\r\nx\r\n");
    values.NoSound = 5;
    module.LoadDisplaySettings();
    EXPECT_EQ(values.MainBackColor, QStringLiteral("1"));
    EXPECT_EQ(values.DrillBackColor, QStringLiteral("12648447"));
    EXPECT_EQ(values.NgBackColor, QStringLiteral("255"));
    EXPECT_EQ(values.ExplainBackColor, QStringLiteral("-2147483624"));
    EXPECT_EQ(values.NoSound, 0);
}

TEST_F(SettingsModuleTest, EmptyQuotedDataFileIsNoDataFile) {
    prepare();
    testfiles::writeAll(settingsFolder() + "VKI010.ini", "\"\"\r\n");
    module.LoadDataFileSetting();
    EXPECT_EQ(values.NoDataFile, -1);
    EXPECT_EQ(dialogs.messages.last(), chooseData);
}

} // namespace
