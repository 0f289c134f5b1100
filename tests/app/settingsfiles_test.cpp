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

// "単語" and "①～" in code page 932; the latter two exist only in CP932, not in Shift_JIS.
const QByteArray tango("\x92\x50\x8C\xEA"), circledOneTilde("\x87\x40\x81\x60");

// Lines written as a|b, each ended with CR LF.
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

TEST(ColourNumber, DecimalTextsMapToColoursAndBack) {
    const QColor none(Qt::green);
    const std::pair<const char*, QColor> rows[] = {
        {"5649426", QColor(0x12, 0x34, 0x56)}, // 0x00BBGGRR
        {"16777215", Qt::white},
        {"0", Qt::black},
        {"-2147483624", QPalette().color(QPalette::ToolTipBase)}, // system colour 24
        {"-2147483633", QPalette().color(QPalette::Button)}};
    for (const auto& [text, colour] : rows) {
        EXPECT_EQ(ColourNumber::toColour(text, none), colour) << text;
        if (*text != '-') {
            EXPECT_EQ(ColourNumber::fromColour(colour), text);
        }
    }
    for (const char* text : {"", "blue", "16777216", "-2147483617", "-1", "99999999999"})
        EXPECT_EQ(ColourNumber::toColour(text, none), none) << text;
}

// Each malformed or missing line falls back for its own value; the others are kept.
TEST_F(SettingsFilesTest, DisplaySettingsReadValueByValue) {
    const QByteArray defaults = crlf("12648447|12648447|255|-2147483624|12648447| 0 | 0 ");
    const std::pair<QByteArray, QByteArray> rows[] = {
        // the file, and as written back
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

// Written in CP932 when every character fits, else in UTF-8 with a byte-order mark; a quoted
// value runs to the last quote of its line, as the writer closes it.
TEST_F(SettingsFilesTest, DataFileSettingReadsBackWhatItWrote) {
    const QByteArray longest(maxPathLength, 'x');
    const std::tuple<QString, QByteArray, bool> rows[] = {
        // value, bytes, written so
        {"/home/u/単語.vku", crlf("\"/home/u/" + tango + ".vku\""), true},
        {"/u/한국어.vku", crlf("\xEF\xBB\xBF\"/u/\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4.vku\""),
         true},
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
    const QString shown = pathForMessage("/home/u/" + QString(5000, 'x') + "/単語.vku");
    EXPECT_TRUE(shown.size() < 200 && shown.startsWith("/home/u/x") && shown.endsWith("/単語.vku"));
    EXPECT_EQ(pathForMessage("/home/u/a.vku"), "/home/u/a.vku");
}

// Only regular files of at most 1 MiB are read; anything else reads as missing, at once.
TEST_F(SettingsFilesTest, GroupSelectionFromSmallRegularFilesOnly) {
    const QByteArray tooLongForATag(300, '9');
    const auto read = readGroupSelection(file("  1\r\n" + tooLongForATag + "\r\n 12\r\n123\r\n"));
    ASSERT_TRUE(writeGroupSelection(out, *read));
    EXPECT_EQ(testfiles::readAll(out), "  1\r\n 12\r\n123\r\n");
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

QByteArray messages(int index, int count) {
    QByteArray lines = " " + QByteArray::number(index) + " ";
    for (int i = 0; i < count; ++i)
        lines += "|message " + QByteArray::number(i);
    return crlf(lines);
}

// Each start shows the indexed message and moves the index on, back to 0 after 15; the file
// keeps at most sixteen messages and no empty line.
TEST_F(SettingsFilesTest, StartMessageTakesItsTurn) {
    const std::tuple<QByteArray, const char*, QByteArray> rows[] = {
        // after: null for no file
        {" 1 \r\n" + tango + "\r\n" + circledOneTilde + "\r\n", "①～",
         " 2 \r\n" + tango + "\r\n" + circledOneTilde + "\r\n"},
        {messages(14, 16), "message 14", messages(15, 16)},
        {messages(15, 16), "message 15", messages(0, 16)},
        {messages(20, 5), "", messages(0, 5)},
        {messages(21, 2), "message 0", messages(1, 2)},
        {messages(0, 18), "message 0", messages(1, 16)},
        {crlf("x|hello||bye"), "hello", crlf(" 1 |hello|bye")},
        {"", "", crlf(" 1 ")},
        {QByteArray(), "", QByteArray()}};
    for (const auto& [bytes, shown, after] : rows) {
        EXPECT_EQ(StartupSequence::takeStartMessage(file(bytes)), QString::fromUtf8(shown));
        EXPECT_EQ(testfiles::readAll(in), after) << bytes.constData();
        EXPECT_EQ(QFile::exists(in), !after.isNull());
    }
}

} // namespace
