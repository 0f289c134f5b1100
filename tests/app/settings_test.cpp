// SPDX-License-Identifier: GPL-3.0-or-later
// The settings files byte by byte and the colour numbers they hold; start-up on a real HOME
// (the settings folder made from the templates, the settings loaded, the start screen's steps);
// and switching the current data file.
#include "app/colournumber.h"
#include "app/datafileswitch.h"
#include "app/settingsfiles.h"
#include "app/settingsmodule.h"
#include "screens/start/startupsequence.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace SettingsFiles;

namespace {

// Lines written as "a|b", each ended by CR LF.
QByteArray crlf(QByteArray lines) {
    return lines.replace('|', "\r\n") + "\r\n";
}

// Replaces what is at path by a file of bytes, or by nothing for null bytes.
QString put(const QString& path, const QByteArray& bytes) {
    QFile::remove(path) || QDir().rmdir(path);
    bytes.isNull() || testfiles::writeAll(path, bytes);
    return path;
}

// 0x00BBGGRR, or a system colour with the top bit set; anything else is no colour.
TEST(ColourNumber, DecimalTextsMapToColoursAndBack) {
    const QColor none(Qt::green), tip = QPalette().color(QPalette::ToolTipBase);
    EXPECT_EQ(ColourNumber::fromColour(QColor(0x12, 0x34, 0x56)), "5649426");
    const std::pair<const char*, QColor> rows[] = {
        {"5649426", QColor(0x12, 0x34, 0x56)}, {"16777215", Qt::white}, {"-2147483624", tip}};
    for (const auto& [text, colour] : rows)
        EXPECT_EQ(ColourNumber::toColour(text, none), colour) << text;
    for (const char* text : {"16777216", "-2147483617", "-1", "blue"})
        EXPECT_EQ(ColourNumber::toColour(text, none), none) << text;
}

// Each file read value by value and written back; a damaged value falls back on its own.
TEST(SettingsFiles, ReadValueByValueAndWrittenBack) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.ini"), out = dir.filePath("out.ini");
    // Display settings: each malformed or missing line falls back for its own value.
    // The file, and the settings read from it as written back.
    const std::pair<QByteArray, QByteArray> display[] = {
        {crlf("1|2|3|4|5| 1 |-1 "), crlf("1|2|3|4|5| 1 |-1 ")},
        {crlf("1|blue|3|4|5|0|  -1"), crlf("1|12648447|3|4|5| 0 |-1 ")},
        {crlf("1|2|3|4|-2147483000| x|70000"), crlf("1|2|3|4|12648447| 0 | 0 ")},
        {crlf("1|2"), crlf("1|2|255|-2147483624|12648447| 0 | 0 ")},
        {QByteArray(), crlf("12648447|12648447|255|-2147483624|12648447| 0 | 0 ")}};
    for (const auto& [bytes, rewritten] : display) {
        ASSERT_TRUE(writeDisplaySettings(out, readDisplaySettings(put(in, bytes))));
        EXPECT_EQ(testfiles::readAll(out), rewritten) << bytes.constData();
    }
    // Written in CP932 ("単語" below) when every character fits; a quoted value runs to the last
    // quote of its line, as the writer closes it.
    const QByteArray longest(maxPathLength, 'x');
    const std::tuple<QString, QByteArray, bool> dataFile[] = {
        // value, bytes, written so
        {"/home/u/単語.vku", crlf("\"/home/u/\x92\x50\x8C\xEA.vku\""), true},
        {"/a\"b,c\"", crlf("\"/a\"b,c\"\""), true},
        {"/𠮷.vku", crlf("\xEF\xBB\xBF\"/\xF0\xA0\xAE\xB7.vku\""), true}, // beyond CP932
        {longest, crlf('"' + longest + '"'), true},
        {"", crlf("\"x" + longest + '"'), false}, // too long
        {"C:\\a, b.vku", crlf("  \"C:\\a, b.vku\" rest"), false},
        {"VOKU data", crlf("  VOKU data , x"), false},
        {"unclosed", "\"unclosed\r\nnext", false}};
    for (const auto& [value, bytes, written] : dataFile) {
        EXPECT_EQ(readDataFileSetting(put(in, bytes)), value);
        ASSERT_TRUE(writeDataFileSetting(out, value));
        EXPECT_EQ(testfiles::readAll(out) == bytes, written) << qPrintable(value);
    }
    // Only regular files of at most 1 MiB are read; anything else reads as missing, at once.
    const auto read = readGroupSelection(put(in, crlf("  1|" + QByteArray(300, '9') + "| 12|123")));
    ASSERT_TRUE(writeGroupSelection(out, *read));
    EXPECT_EQ(testfiles::readAll(out), crlf("  1| 12|123"));
    EXPECT_EQ(readGroupSelection(put(in, "")), QStringList());
    const std::pair<const char*, std::function<bool()>> makers[] = {
        {"none", [&] { return !QFile::exists(put(in, {})); }},
        {"fifo", [&] { return ::mkfifo(QFile::encodeName(put(in, {})).constData(), 0600) == 0; }},
        {"device", [&] { return QFile::link("/dev/zero", put(in, {})); }},
        {"folder", [&] { return QDir().mkdir(put(in, {})); }},
        {"too big",
         [&] { return testfiles::writeAll(put(in, {}), QByteArray(maxFileBytes + 1, '1')); }}};
    for (const auto& [kind, make] : makers) {
        ASSERT_TRUE(make()) << kind;
        EXPECT_TRUE(!readGroupSelection(in) && !readStartMessages(in)) << kind;
    }
    // Each start shows the indexed message and moves the index on, back to 0 after 15; the file
    // keeps at most sixteen messages and no empty line.
    const QByteArray many = QByteArray("|m").repeated(18), sixteen = QByteArray("|m").repeated(16);
    const std::tuple<QByteArray, const char*, QByteArray> starts[] = {
        {crlf(" 1 |a|b"), "b", crlf(" 2 |a|b")},
        {crlf(" 14 |a"), "", crlf(" 15 |a")},
        {crlf(" 15 |a"), "", crlf(" 0 |a")},
        {crlf(" 20 |a"), "", crlf(" 0 |a")},
        {crlf(" 21 |a||b"), "a", crlf(" 1 |a|b")},
        {crlf(" 0 " + many), "m", crlf(" 1 " + sixteen)},
        {"", "", crlf(" 1 ")}};
    for (const auto& [bytes, shown, after] : starts) {
        EXPECT_EQ(StartupSequence::takeStartMessage(put(in, bytes)), QString::fromUtf8(shown));
        EXPECT_EQ(testfiles::readAll(in), after) << bytes.constData();
    }
}

// Start-up on a HOME that holds the program: "prog/bin/" with "Vokuini.ini", which names the
// settings folder "VOKU英", and the read-only templates in "Ini/", as installed. Only a missing
// file is copied: the learner's own files stay as they are. Installed, the program's data lie
// in share/voku beside bin, under any prefix.
TEST(SettingsModule, PreparesTheSettingsFolderAndLoadsIt) {
    const QList<std::pair<QString, QByteArray>> installed = {
        {"prog/bin/Vokuini.ini", crlf("\"VOKU\x89\x70\"")},
        {"prog/bin/Ini/VKI000.ini", crlf(" 0 |hello")},
        {"prog/bin/Ini/VKI010.ini", crlf("\"sample.vku\"")},
        {"prog/bin/Ini/VKI020.ini", crlf("1|2|3|4|5| 1 |-1 ")},
        {"prog/bin/Ini/VKI030.ini", ""}};
    const QString announce =
                      "設定ファイルをコピーします。キャンセルしないでください！始めますのでOK"
                      "ボタンをクリックしてください。",
                  copied = "設定ファイルをコピーしました。OKボタンをクリックしてください。",
                  choose = "単語データを選択してください。",
                  defaults = "12648447,12648447,255,-2147483624,12648447,0,0|load |show||";
    // Files put in HOME (~) after the program; the messages; the settings folder, the data file
    // and the display settings as loaded, then the start screen's steps, message and picture.
    const std::tuple<QList<std::pair<QString, QByteArray>>, QStringList, QString> rows[] = {
        {{{"prog/bin/VOKU.gif", "GIF89a"}},
         {announce, copied},
         "~/Documents/VOKU英/|~/Documents/VOKU英/sample.vku|1,2,3,4,5,1,-1|load VOKU英単カード　"
         "sample.vku|show|hello|~/prog/bin/VOKU.gif"},
        {{{"Documents/VOKU英/VKI000.ini", ""},
          {"Documents/VOKU英/VKI010.ini", crlf("\"/data/mine.vku\"")},
          {"Documents/VOKU英/VKI020.ini", crlf("9|8|7|6|5| 0 | 1 ")}},
         {announce, copied},
         "~/Documents/VOKU英/|/data/mine.vku|9,8,7,6,5,0,1|load VOKU英単カード　mine.vku|show||"},
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
    for (const auto& [files, said, expected] : rows) {
        testfiles::TempHome home;
        for (const auto& [path, bytes] : installed + files)
            put(home.path() + '/' + path, bytes);
        for (const QFileInfo& file : QDir(home.path() + "/prog/bin/Ini").entryInfoList(QDir::Files))
            QFile::setPermissions(file.filePath(), QFile::ReadOwner);
        AppValues v;
        FakeDialogs dialogs;
        SettingsModule settings{v, dialogs, home.path() + "/prog/bin"};
        QStringList shown;
        StartupSequence sequence{
            settings, {[&] { shown << "load " + v.windowTitle; }, [&] { shown << "show"; }}};
        sequence.run();
        sequence.begin();
        sequence.begin();
        shown << sequence.startMessage() << sequence.picturePath();
        const QString loaded =
            QString("%1|%2|%3,%4,%5,%6,%7,%8,%9|")
                .arg(v.settingsFolder, v.hasDataFile() ? v.dataFilePath : "none", v.mainBackColor,
                     v.drillBackColor, v.ngBackColor, v.explainBackColor, v.explainTextBackColor,
                     QString::number(v.noSound), QString::number(v.noExplainOnNg));
        EXPECT_EQ(dialogs.messages.join('\n').replace(home.path(), "~"), said.join('\n'));
        EXPECT_EQ(QString(loaded + shown.join('|')).replace(home.path(), "~"), expected);
        for (const QFileInfo& copy : QDir(v.settingsFolder).entryInfoList(QDir::Files))
            EXPECT_TRUE(copy.permissions() & QFile::WriteOwner) << qPrintable(copy.filePath());
    }
}

// The file is checked before any setting changes; a setting that cannot be written is
// reported and the switch goes on.
TEST(DataFileSwitch, ChecksTheFileBeforeAnySettingChanges) {
    using Outcome = DataFileSwitch::Outcome;
    SettingsHome home;
    const QString word = home.path() + "/new \"単語\".vku", text = home.path() + "/text.vku";
    testwords::makeWordFile(word, {testwords::word(1, 1)});
    testfiles::writeAll(text, "group,key\n");
    const QString legacy = testfiles::copyFixture("jet/small-2000.vku", home.path());
    const QString dataFileSetting = home.values.dataFileIniPath;
    // The file, whether the settings can be written and the learner agrees to a conversion, the
    // outcome, and part of the one message or question ("" for none).
    const std::tuple<QString, bool, bool, Outcome, const char*> rows[] = {
        {word, true, false, Outcome::Switched, ""},
        {home.path() + "/missing.vku", true, false, Outcome::Refused, "見つかりません"},
        {text, true, false, Outcome::Refused, "単語データファイルではありません"},
        {word + QString(maxPathLength, 'x'), true, false, Outcome::Refused, "見つかりません"},
        {legacy, true, false, Outcome::Refused, "small-2000.vku.bak"},
        {legacy, true, true, Outcome::Converting, "変換しますか"},
        {word, false, false, Outcome::Switched, "このまま続けます"}};
    const QString old = home.path() + "/old.vku";
    for (const auto& [path, settingsWritable, agrees, outcome, part] : rows) {
        SCOPED_TRACE(qPrintable(path.left(200)));
        home.select(old);
        testfiles::writeAll(dataFileSetting, "\"old\"\r\n");
        testfiles::writeAll(home.settingsFile(groupSelectionFile), "  3\r\n");
        home.values.dataFileIniPath =
            settingsWritable ? dataFileSetting : home.path() + "/no/VKI010.ini";
        FakeDialogs dialogs;
        dialogs.answerWhenNone = agrees;
        EXPECT_EQ(DataFileSwitch(home.values, dialogs, home.path() + "/no-tool").open(path),
                  outcome);
        const bool done = outcome == Outcome::Switched, written = done && settingsWritable;
        EXPECT_EQ(home.values.dataFilePath + home.values.windowTitle,
                  done ? word + "VOKU英単カード　new \"単語\".vku"
                       : old + "VOKU英単カード　old.vku");
        EXPECT_EQ(readDataFileSetting(dataFileSetting) + home.settingsBytes(groupSelectionFile),
                  written ? word : "old  3\r\n");
        const QStringList said = dialogs.messages + dialogs.questions;
        EXPECT_TRUE(said.size() == (*part ? 1 : 0) && said.value(0).size() < 300 &&
                    said.value(0).contains(QString::fromUtf8(part)))
            << qPrintable(said.join('|'));
    }
}

} // namespace
