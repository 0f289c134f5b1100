// SPDX-License-Identifier: GPL-3.0-or-later
// The settings files byte by byte, the colour numbers they hold and the start message's turn.
#include "app/colournumber.h"
#include "app/settingsfiles.h"
#include "screens/start/startupsequence.h"

#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace SettingsFiles;

namespace {

// "単語" and "①～" in code page 932; the latter two exist only in CP932, not in Shift_JIS.
const QByteArray tango("\x92\x50\x8C\xEA");
const QByteArray circledOneTilde("\x87\x40\x81\x60");

class SettingsFilesTest : public ::testing::Test {
protected:
    // The input file holding bytes; none for null bytes.
    QString file(const QByteArray& bytes) {
        if (!QFile::remove(in))
            QDir().rmdir(in);
        if (!bytes.isNull())
            testfiles::writeAll(in, bytes);
        return in;
    }

    QTemporaryDir dir;
    const QString in = dir.filePath("in.ini");
    const QString out = dir.filePath("out.ini");
};

TEST(ColourNumber, DecimalTextsMapToColoursAndBack) {
    const QColor none(Qt::green);
    const auto system = [](QPalette::ColorRole role) { return QPalette().color(role); };
    const std::pair<const char*, QColor> rows[] = {
        {"5649426", QColor(0x12, 0x34, 0x56)}, // 0x00BBGGRR
        {"16777215", QColor(Qt::white)},
        {"0", QColor(Qt::black)},
        {"-2147483624", system(QPalette::ToolTipBase)}, // system colour 24
        {"-2147483633", system(QPalette::Button)},
        {"", none},
        {"blue", none},
        {"16777216", none},
        {"-2147483617", none},
        {"-1", none},
        {"99999999999", none}};
    for (const auto& [text, colour] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ColourNumber::toColour(text, none), colour);
        EXPECT_EQ(ColourNumber::isValid(text), colour != none);
        if (colour != none && *text != '-') {
            EXPECT_EQ(ColourNumber::fromColour(colour), text);
        }
    }
}

TEST(SettingsFilesFormat, FreeFormatFieldAndPathsInMessages) {
    const std::pair<QString, QString> rows[] = {
        {"  \"C:\\data\\a, b.vku\" rest\r\n", "C:\\data\\a, b.vku"},
        {"  VOKU data , x\r\n", "VOKU data"},
        {"\"unclosed\r\nnext", "unclosed"},
        // A quoted value runs to the last quote of its line, as the writer closes it.
        {"\"/home/u/say \"hi\".vku\"\r\n\"next\"", "/home/u/say \"hi\".vku"}};
    for (const auto& [text, field] : rows)
        EXPECT_EQ(readFreeFormatField(text), field);
    const QString shown = pathForMessage("/home/u/" + QString(5000, 'x') + "/単語.vku");
    EXPECT_TRUE(shown.size() < 200 && shown.startsWith("/home/u/xx") &&
                shown.endsWith("x/単語.vku"));
    EXPECT_EQ(pathForMessage("/home/u/a.vku"), "/home/u/a.vku");
}

// Each malformed or missing line falls back for its own value; the others are kept.
TEST_F(SettingsFilesTest, DisplaySettingsReadValueByValueAndWriteByteExact) {
    const QByteArray defaults(
        "12648447\r\n12648447\r\n255\r\n-2147483624\r\n12648447\r\n 0 \r\n 0 \r\n");
    const std::pair<QByteArray, QByteArray> rows[] = {
        // the file, and as written back
        {defaults, defaults},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n 1 \r\n-1 \r\n", "1\r\n2\r\n3\r\n4\r\n5\r\n 1 \r\n-1 \r\n"},
        {"1\r\nblue\r\n3\r\n4\r\n5\r\n0\r\n  -1\r\n",
         "1\r\n12648447\r\n3\r\n4\r\n5\r\n 0 \r\n-1 \r\n"},
        {"1\r\n2\r\n3\r\n4\r\n-2147483000\r\n x\r\n70000\r\n",
         "1\r\n2\r\n3\r\n4\r\n12648447\r\n 0 \r\n 0 \r\n"},
        {"1\r\n2\r\n", "1\r\n2\r\n255\r\n-2147483624\r\n12648447\r\n 0 \r\n 0 \r\n"},
        {QByteArray(), defaults}};
    for (const auto& [bytes, rewritten] : rows) {
        ASSERT_TRUE(writeDisplaySettings(out, readDisplaySettings(file(bytes))));
        EXPECT_EQ(testfiles::readAll(out), rewritten) << bytes.constData();
    }
    EXPECT_FALSE(
        writeDisplaySettings(dir.filePath("no/such/VKI020.ini"), defaultDisplaySettings()));
}

// CP932 with CR LF when every character fits, else UTF-8 with a byte-order mark.
TEST_F(SettingsFilesTest, DataFileSettingReadsBackWhatItWrote) {
    const std::pair<QString, QByteArray> rows[] = {
        {"/home/u/単語.vku", "\"/home/u/" + tango + ".vku\"\r\n"},
        {"/home/u/한국어.vku",
         "\xEF\xBB\xBF\"/home/u/\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4.vku\"\r\n"},
        {"/a\"b,c\"", "\"/a\"b,c\"\"\r\n"},
        {QString(maxPathLength, 'x'), {}},
        {QString(maxPathLength + 1, 'x'), {}}}; // too long: read as none
    for (const auto& [value, bytes] : rows) {
        ASSERT_TRUE(writeDataFileSetting(out, value));
        if (!bytes.isNull()) {
            EXPECT_EQ(testfiles::readAll(out), bytes);
        }
        EXPECT_EQ(readDataFileSetting(out), value.size() > maxPathLength ? QString() : value);
    }
}

// Only regular files of at most 1 MiB are read; anything else reads as missing, at once.
TEST_F(SettingsFilesTest, GroupSelectionFromSmallRegularFilesOnly) {
    const QByteArray tooLongForATag(300, '9');
    ASSERT_TRUE(writeGroupSelection(
        out, *readGroupSelection(file("  1\r\n" + tooLongForATag + "\r\n 12\r\n123\r\n"))));
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
        EXPECT_FALSE(readGroupSelection(in)) << kind;
        EXPECT_FALSE(readStartMessages(in)) << kind;
    }
}

QByteArray messages(int index, int count) {
    QByteArray bytes = " " + QByteArray::number(index) + " \r\n";
    for (int i = 0; i < count; ++i)
        bytes += "message " + QByteArray::number(i) + "\r\n";
    return bytes;
}

// Each start shows the indexed message and moves the index on, back to 0 after 15; the file
// keeps at most sixteen messages and no empty line.
TEST_F(SettingsFilesTest, StartMessageTakesItsTurn) {
    const struct {
        QByteArray bytes;
        const char* shown;
        QByteArray after; // null: no file
    } rows[] = {{" 1 \r\n" + tango + "\r\n" + circledOneTilde + "\r\n", "①～",
                 " 2 \r\n" + tango + "\r\n" + circledOneTilde + "\r\n"},
                {messages(14, 16), "message 14", messages(15, 16)},
                {messages(15, 16), "message 15", messages(0, 16)},
                {messages(20, 5), "", messages(0, 5)},
                {messages(21, 2), "message 0", messages(1, 2)},
                {messages(0, 18), "message 0", messages(1, 16)},
                {"x\r\nhello\r\n\r\nbye\r\n", "hello", " 1 \r\nhello\r\nbye\r\n"},
                {"", "", " 1 \r\n"},
                {QByteArray(), "", QByteArray()}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.constData());
        EXPECT_EQ(StartupSequence::takeStartMessage(file(row.bytes)), QString::fromUtf8(row.shown));
        EXPECT_EQ(testfiles::readAll(in), row.after);
        EXPECT_EQ(QFile::exists(in), !row.after.isNull());
    }
}

} // namespace
