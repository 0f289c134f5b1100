// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on a real HOME: the settings folder made from the templates, the settings loaded,
// and the start screen's steps in their order.
#include "app/settingsmodule.h"
#include "screens/start/startupsequence.h"

#include "support/fakeseams.h"
#include "support/testfiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A HOME that holds the program: "prog/bin/" with "Vokuini.ini", which names the settings
// folder "VOKU英", and the read-only templates in "Ini/", as installed.
struct Program {
    Program() {
        put("prog/bin/Vokuini.ini", "\"VOKU\x89\x70\"\r\n");
        put("prog/bin/Ini/VKI000.ini", " 0 \r\nhello\r\n");
        put("prog/bin/Ini/VKI010.ini", "\"sample.vku\"\r\n");
        put("prog/bin/Ini/VKI020.ini", "1\r\n2\r\n3\r\n4\r\n5\r\n 1 \r\n-1 \r\n");
        put("prog/bin/Ini/VKI030.ini", "");
        for (const QFileInfo& file : QDir(home.path() + "/prog/bin/Ini").entryInfoList(QDir::Files))
            QFile::setPermissions(file.filePath(), QFile::ReadOwner);
    }
    // Replaces what is at path in HOME by a file of bytes, or by nothing for null bytes.
    void put(const QString& path, const QByteArray& bytes) {
        if (!QFile::remove(home.path() + '/' + path))
            QDir().rmdir(home.path() + '/' + path);
        if (!bytes.isNull())
            testfiles::writeAll(home.path() + '/' + path, bytes);
    }

    testfiles::TempHome home;
    AppValues values;
    FakeDialogs dialogs;
    SettingsModule module{values, dialogs, home.path() + "/prog/bin"};
};

const QString announce =
    "設定ファイルをコピーします。キャンセルしないでください！始めますのでOKボタ"
    "ンをクリックしてください。";
const QString copied = "設定ファイルをコピーしました。OKボタンをクリックしてください。";
const QString choose = "単語データを選択してください。";
const QString defaults = "12648447,12648447,255,-2147483624,12648447,0,0|||load |show";

// Only a missing file is copied: the learner's own files stay as they are. Installed, the
// program's data lie in share/voku beside bin, under any prefix.
TEST(SettingsModule, PreparesTheSettingsFolderAndLoadsIt) {
    const struct {
        QList<std::pair<QString, QByteArray>> files; // put in HOME (~) first
        QStringList said;
        // The settings folder, the data file, the display settings; the start screen's message
        // and picture, and its steps.
        QString loaded;
    } rows[] = {
        {{{"prog/bin/VOKU.gif", "GIF89a"}},
         {announce, copied},
         "~/Documents/VOKU英/|~/Documents/VOKU英/sample.vku|1,2,3,4,5,1,-1|hello|~/prog/bin/"
         "VOKU.gif|load VOKU英単カード　sample.vku|show"},
        {{{"Documents/VOKU英/VKI000.ini", ""},
          {"Documents/VOKU英/VKI010.ini", "\"/data/mine.vku\"\r\n"},
          {"Documents/VOKU英/VKI020.ini", "9\r\n8\r\n7\r\n6\r\n5\r\n 0 \r\n 1 \r\n"}},
         {announce, copied},
         "~/Documents/VOKU英/|/data/mine.vku|9,8,7,6,5,0,1|||load VOKU英単カード　mine.vku|show"},
        {{{"prog/bin/Vokuini.ini", {}}},
         {announce,
          "設定ファイルのひな形のフォルダーが見つかりません。初期設定で続けます。\n~/prog/share/"
          "voku/Ini",
          choose},
         "~/Documents/VOKU英単カード/|none|" + defaults},
        {{{"Documents", "not a folder"}},
         {announce, "処理が中断されました。",
          "設定フォルダーに書き込めません。設定は保存されず、このまま続けます。\n~/Documents/"
          "VOKU英/",
          choose},
         "~/Documents/VOKU英/|none|" + defaults},
    };
    for (const auto& row : rows) {
        Program p;
        for (const auto& [path, bytes] : row.files)
            p.put(path, bytes);
        QStringList steps;
        const AppValues& v = p.values;
        StartupSequence sequence{
            p.module, {[&] { steps << "load " + v.windowTitle; }, [&] { steps << "show"; }}};
        sequence.run();
        sequence.begin();
        sequence.begin();
        const QString loaded =
            QString("%1|%2|%3,%4,%5,%6,%7,%8,%9|")
                .arg(v.settingsFolder, v.hasDataFile() ? v.dataFilePath : "none", v.mainBackColor,
                     v.drillBackColor, v.ngBackColor, v.explainBackColor, v.explainTextBackColor,
                     QString::number(v.noSound), QString::number(v.noExplainOnNg));
        const QStringList shown =
            QStringList{sequence.startMessage(), sequence.picturePath()} + steps;
        const auto home = [&](QString text) { return text.replace(p.home.path(), "~"); };
        EXPECT_EQ(home(p.dialogs.messages.join('\n')), row.said.join('\n'));
        EXPECT_EQ(home(loaded + shown.join('|')), row.loaded);
        for (const QFileInfo& copy : QDir(v.settingsFolder).entryInfoList(QDir::Files))
            EXPECT_TRUE(copy.permissions() & QFile::WriteOwner) << qPrintable(copy.filePath());
    }
}

} // namespace
