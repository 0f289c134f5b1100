// SPDX-License-Identifier: GPL-3.0-or-later
// The settings files byte by byte, the colour numbers they hold and the start message's turn.
#include "app/colournumber.h"
#include "app/settingsfiles.h"
#include "screens/start/startupsequence.h"

#include "support/testfiles.h"

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

class SettingsFilesTest : public ::testing::Test {
protected:
    QString file(const QByteArray& bytes) { // the input file holding bytes; none for null bytes
        if (!QFile::remove(in))
            QDir().rmdir(in);
        if (!bytes.isNull())
            testfiles::writeAll(in, bytes);
        return in;
    }
    QTemporaryDir dir;
    const QString in = dir.filePath("in.ini"), out = dir.filePath("out.ini");
};

// 0x00BBGGRR, or a system colour with the top bit set; anything else is no colour.
TEST(ColourNumber, DecimalTextsMapToColoursAndBack) {
    const QColor none(Qt::green), tip = QPalette().color(QPalette::ToolTipBase);
    EXPECT_EQ(ColourNumber::fromColour(QColor(0x12, 0x34, 0x56)), "5649426");
    const std::pair<const char*, QColor> rows[] = {{"5649426", QColor(0x12, 0x34, 0x56)},
                                                   {"16777215", Qt::white},
                                                   {"-2147483624", tip},
                                                   {"16777216", none},
                                                   {"-2147483617", none},
                                                   {"-1", none},
                                                   {"blue", none}};
    for (const auto& [text, colour] : rows)
        EXPECT_EQ(ColourNumber::toColour(text, none), colour) << text;
}

// Each malformed or missing line falls back for its own value; the others are kept.
TEST_F(SettingsFilesTest, DisplaySettingsReadValueByValue) {
    const QByteArray defaults = crlf("12648447|12648447|255|-2147483624|12648447| 0 | 0 ");
    // The file, and the settings read from it as written back.
    const std::pair<QByteArray, QByteArray> rows[] = {
        {defaults, defaults},
        {crlf("1|2|3|4|5| 1 |-1 "), crlf("1|2|3|4|5| 1 |-1 ")},
        {crlf("1|blue|3|4|5|0|  -1"), crlf("1|12648447|3|4|5| 0 |-1 ")},
        {crlf("1|2|3|4|-2147483000| x|70000"), crlf("1|2|3|4|12648447| 0 | 0 ")},
        {crlf("1|2"), crlf("1|2|255|-2147483624|12648447| 0 | 0 ")},
        {QByteArray(), defaults}};
    for (const auto& [bytes, rewritten] : rows) {
        ASSERT_TRUE(writeDisplaySettings(out, readDisplaySettings(file(bytes))));
        EXPECT_EQ(testfiles::readAll(out), rewritten) << bytes.constData();
    }
    EXPECT_FALSE(writeDisplaySettings(dir.filePath("no/such.ini"), defaultDisplaySettings()));
}

// Written in CP932 ("単語" below) when every character fits; a quoted value runs to the last
// quote of its line, as the writer closes it.
TEST_F(SettingsFilesTest, DataFileSettingReadsBackWhatItWrote) {
    const QByteArray longest(maxPathLength, 'x');
    const std::tuple<QString, QByteArray, bool> rows[] = {
        // value, bytes, written so
        {"/home/u/単語.vku", crlf("\"/home/u/\x92\x50\x8C\xEA.vku\""), true},
        {"/a\"b,c\"", crlf("\"/a\"b,c\"\""), true},
        {longest, crlf('"' + longest + '"'), true},
        {"", crlf("\"x" + longest + '"'), false}, // too long
        {"C:\\a, b.vku", crlf("  \"C:\\a, b.vku\" rest"), false},
        {"VOKU data", crlf("  VOKU data , x"), false},
        {"unclosed", "\"unclosed\r\nnext", false}};
    for (const auto& [value, bytes, written] : rows) {
        EXPECT_EQ(readDataFileSetting(file(bytes)), value);
        ASSERT_TRUE(writeDataFileSetting(out, value));
        EXPECT_EQ(testfiles::readAll(out) == bytes, written) << qPrintable(value);
    }
}

// Only regular files of at most 1 MiB are read; anything else reads as missing, at once.
TEST_F(SettingsFilesTest, GroupSelectionFromSmallRegularFilesOnly) {
    const auto read = readGroupSelection(file(crlf("  1|" + QByteArray(300, '9') + "| 12|123")));
    ASSERT_TRUE(writeGroupSelection(out, *read));
    EXPECT_EQ(testfiles::readAll(out), crlf("  1| 12|123"));
    EXPECT_EQ(readGroupSelection(file("")), QStringList());
    const std::pair<const char*, std::function<bool()>> makers[] = {
        {"none", [&] { return !QFile::exists(file({})); }},
        {"fifo", [&] { return ::mkfifo(QFile::encodeName(file({})).constData(), 0600) == 0; }},
        {"device", [&] { return QFile::link("/dev/zero", file({})); }},
        {"folder", [&] { return QDir().mkdir(file({})); }},
        {"too big",
         [&] { return testfiles::writeAll(file({}), QByteArray(maxFileBytes + 1, '1')); }}};
    for (const auto& [kind, make] : makers) {
        ASSERT_TRUE(make()) << kind;
        EXPECT_TRUE(!readGroupSelection(in) && !readStartMessages(in)) << kind;
    }
}

// Each start shows the indexed message and moves the index on, back to 0 after 15; the file
// keeps at most sixteen messages and no empty line.
TEST_F(SettingsFilesTest, StartMessageTakesItsTurn) {
    const QByteArray many = QByteArray("|m").repeated(18), sixteen = QByteArray("|m").repeated(16);
    const std::tuple<QByteArray, const char*, QByteArray> rows[] = {
        // after: null for no file
        {crlf(" 1 |a|b"), "b", crlf(" 2 |a|b")},
        {crlf(" 14 |a"), "", crlf(" 15 |a")},
        {crlf(" 15 |a"), "", crlf(" 0 |a")},
        {crlf(" 20 |a"), "", crlf(" 0 |a")},
        {crlf(" 21 |a||b"), "a", crlf(" 1 |a|b")},
        {crlf(" 0 " + many), "m", crlf(" 1 " + sixteen)},
        {"", "", crlf(" 1 ")},
        {QByteArray(), "", QByteArray()}};
    for (const auto& [bytes, shown, after] : rows) {
        EXPECT_EQ(StartupSequence::takeStartMessage(file(bytes)), QString::fromUtf8(shown));
        EXPECT_EQ(testfiles::readAll(in), after) << bytes.constData();
        EXPECT_EQ(QFile::exists(in), !after.isNull());
    }
}

} // namespace
