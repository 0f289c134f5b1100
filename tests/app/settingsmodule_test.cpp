// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on a real HOME and program folder: the settings folder made from the templates, the
// settings loaded, and the steps of the start screen in their order.
#include "app/settingsmodule.h"
#include "screens/start/startupsequence.h"

#include "support/fakeseams.h"
#include "support/testfiles.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString announce =
    "設定ファイルをコピーします。キャンセルしないでください！始めますのでOKボタ"
    "ンをクリックしてください。";
const QString copied = "設定ファイルをコピーしました。OKボタンをクリックしてください。";
const QString chooseData = "単語データを選択してください。";

// A program folder "bin/" with "Vokuini.ini" and the read-only templates in "Ini/", as built.
struct Program {
    Program() {
        testfiles::writeAll(appFolder() + "Vokuini.ini", "\"VOKU\x89\x70\"\r\n"); // "VOKU英"
        testfiles::writeAll(appFolder() + "Ini/VKI000.ini", " 0 \r\nhello\r\nagain\r\n");
        testfiles::writeAll(appFolder() + "Ini/VKI010.ini", "\"sample.vku\"\r\n");
        testfiles::writeAll(appFolder() + "Ini/VKI020.ini",
                            "1\r\n2\r\n3\r\n4\r\n5\r\n 1 \r\n-1 \r\n");
        testfiles::writeAll(appFolder() + "Ini/VKI030.ini", "");
        for (const QString& name : QDir(appFolder() + "Ini").entryList(QDir::Files))
            QFile::setPermissions(appFolder() + "Ini/" + name, QFile::ReadOwner);
    }
    QString appFolder() const { return program.path() + "/bin/"; }

    testfiles::TempHome home;
    QTemporaryDir program;
    AppValues values;
    FakeDialogs dialogs;
    SettingsModule module{values, dialogs, appFolder()};
};

// Only a missing file is copied: the learner's own files stay as they are.
TEST(SettingsModule, PreparesTheSettingsFolderAndLoadsIt) {
    const struct {
        const char* name;
        std::function<void(Program&)> prepare;
        QStringList said; // <home> and <program> stand for the temporary folders
        QString folder;   // the settings folder under the documents folder
        QString display;  // colours and flags as loaded
        QString dataFile;
    } rows[] = {
        {"first run",
         [](Program&) {},
         {announce, copied},
         "VOKU英",
         "1,2,3,4,5,1,-1",
         "<home>/Documents/VOKU英/sample.vku"},
        {"learner's files",
         [](Program& p) {
             const QString folder = p.home.documentsFolder() + "VOKU英/";
             testfiles::writeAll(folder + "VKI000.ini", " 0 \r\n");
             testfiles::writeAll(folder + "VKI010.ini", "\"/data/mine.vku\"\r\n");
             testfiles::writeAll(folder + "VKI020.ini", "9\r\n8\r\n7\r\n6\r\n5\r\n 0 \r\n 1 \r\n");
         },
         {announce, copied},
         "VOKU英",
         "9,8,7,6,5,0,1",
         "/data/mine.vku"},
        {"no data file named",
         [](Program& p) {
             for (const char* name : {"VKI000.ini", "VKI020.ini", "VKI030.ini"})
                 testfiles::writeAll(p.home.documentsFolder() + "VOKU英/" + name, "");
             testfiles::writeAll(p.home.documentsFolder() + "VOKU英/VKI010.ini", "\"\"\r\n");
         },
         {chooseData},
         "VOKU英",
         "12648447,12648447,255,-2147483624,12648447,0,0",
         ""},
        {"installed without templates",
         [](Program& p) { QFile::remove(p.appFolder() + "Vokuini.ini"); },
         {announce,
          "設定ファイルのひな形のフォルダーが見つかりません。初期設定で続けます。\n<program>/"
          "share/voku/Ini",
          chooseData},
         "VOKU英単カード",
         "12648447,12648447,255,-2147483624,12648447,0,0",
         ""},
        {"documents is a file",
         [](Program& p) {
             QDir(p.home.documentsFolder()).removeRecursively();
             testfiles::writeAll(p.home.path() + "/Documents", "not a folder");
         },
         {announce, "処理が中断されました。",
          "設定フォルダーに書き込めません。設定は保存されず、このまま続けます。\n<home>/"
          "Documents/VOKU英/",
          chooseData},
         "VOKU英",
         "12648447,12648447,255,-2147483624,12648447,0,0",
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Program p;
        row.prepare(p);
        StartupSequence(p.module, {}).run();
        const auto real = [&](QString text) {
            return text.replace("<home>", p.home.path()).replace("<program>", p.program.path());
        };
        QStringList said;
        for (const QString& text : row.said)
            said << real(text);
        const AppValues& v = p.values;
        EXPECT_EQ(p.dialogs.messages, said);
        EXPECT_EQ(v.settingsFolder, p.home.documentsFolder() + row.folder + "/");
        EXPECT_EQ(QStringList({v.mainBackColor, v.drillBackColor, v.ngBackColor, v.explainBackColor,
                               v.explainTextBackColor, QString::number(v.noSound),
                               QString::number(v.noExplainOnNg)})
                      .join(','),
                  row.display);
        EXPECT_EQ(v.dataFilePath, real(row.dataFile));
        EXPECT_EQ(v.hasDataFile(), !row.dataFile.isEmpty());
        EXPECT_EQ(v.windowTitle.isEmpty(), row.dataFile.isEmpty());
        for (const QFileInfo& copy : QDir(v.settingsFolder).entryInfoList(QDir::Files))
            EXPECT_TRUE(copy.permissions() & QFile::WriteOwner) << qPrintable(copy.fileName());
    }
}

TEST(StartupSequence, RunsTheStepsInOrderAndShowsTheMainScreenOnce) {
    Program p;
    QStringList steps;
    StartupSequence sequence{
        p.module, {[&] { steps << "load " + p.values.windowTitle; }, [&] { steps << "show"; }}};
    sequence.run();
    EXPECT_EQ(sequence.picturePath(), QString());
    testfiles::writeAll(p.appFolder() + "VOKU.gif", "GIF89a");
    sequence.run();
    EXPECT_EQ(sequence.picturePath(), p.appFolder() + "VOKU.gif");
    EXPECT_EQ(sequence.startMessage(), "again");
    sequence.begin();
    sequence.begin();
    EXPECT_EQ(steps, QStringList({"load VOKU英単カード　sample.vku",
                                  "load VOKU英単カード　sample.vku", "show"}));
}

} // namespace
