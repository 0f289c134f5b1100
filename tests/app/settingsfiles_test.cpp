// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsfiles.h"

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
    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    QString file(const QByteArray& bytes) {
        testfiles::writeAll(path(QStringLiteral("in.ini")), bytes);
        return path(QStringLiteral("in.ini"));
    }
    QByteArray written() const { return testfiles::readAll(out()); }
    QString out() const { return path(QStringLiteral("out.ini")); }

    QTemporaryDir dir;
};

TEST(SettingsFilesFormat, FreeFormatFieldTakesQuotedTextOrTextUpToComma) {
    const std::pair<QString, QString> cases[] = {
        {"  \"C:\\data\\a, b.vku\" rest\r\n", "C:\\data\\a, b.vku"},
        {"  VOKU data , x\r\n", "VOKU data"},
        {"name\r\nsecond", "name"},
        {"\"\"\r\n", ""},
        {"\"unclosed\r\nnext", "unclosed"},
        {"", ""},
        // A quoted value runs to the last quote of its line, as the writer closes it.
        {"\"/home/u/say \"hi\".vku\"\r\n\"next\"", "/home/u/say \"hi\".vku"},
        {"\"a\"b\"\r\n", "a\"b"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(readFreeFormatField(text), field) << qPrintable(text);
    // Messages shorten a long path in its middle.
    const QString longPath = "/home/u/" + QString(5000, 'x') + "/単語.vku";
    const QString shown = pathForMessage(longPath);
    EXPECT_LT(shown.size(), 200);
    EXPECT_TRUE(shown.startsWith("/home/u/xxx") && shown.endsWith("xx/単語.vku"));
    EXPECT_EQ(pathForMessage("/home/u/a.vku"), "/home/u/a.vku");
    EXPECT_TRUE(unwritableMessage(longPath).endsWith(shown));
}

// Each malformed or missing line falls back for its own value; the others are kept.
TEST_F(SettingsFilesTest, DisplaySettingsReadValueByValueAndWriteByteExact) {
    const DisplaySettings d = defaultDisplaySettings();
    const struct {
        QByteArray bytes;
        std::array<QString, 5> colours;
        qint16 noSound;
        qint16 noExplainOnNg;
        bool roundTrips;
    } rows[] = {
        {"12648447\r\n12648447\r\n255\r\n-2147483624\r\n12648447\r\n 0 \r\n 0 \r\n", d.colours, 0,
         0, true},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n 1 \r\n-1 \r\n", {"1", "2", "3", "4", "5"}, 1, -1, true},
        {"1\r\nblue\r\n3\r\n4\r\n5\r\n0\r\n  -1\r\n",
         {"1", d.colours[1], "3", "4", "5"},
         0,
         -1,
         false},
        {"1\r\n2\r\n3\r\n4\r\n-2147483000\r\n x\r\n70000\r\n",
         {"1", "2", "3", "4", d.colours[4]},
         0,
         0,
         false},
        {"1\r\n2\r\n", {"1", "2", d.colours[2], d.colours[3], d.colours[4]}, 0, 0, false},
        {"", d.colours, 0, 0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.constData());
        const DisplaySettings read = readDisplaySettings(file(row.bytes));
        EXPECT_EQ(read, (DisplaySettings{row.colours, row.noSound, row.noExplainOnNg}));
        ASSERT_TRUE(writeDisplaySettings(out(), read));
        if (row.roundTrips) {
            EXPECT_EQ(written(), row.bytes);
        }
    }
    EXPECT_EQ(readDisplaySettings(path(QStringLiteral("missing.ini"))), d);
}

// CP932 with CR LF when every character fits, else UTF-8 with a byte-order mark.
TEST_F(SettingsFilesTest, DataFileSettingReadsBackWhatItWrote) {
    const QString tooLong = "/" + QString(maxPathLength, 'x');
    const std::pair<QString, QByteArray> rows[] = {
        {"/home/u/単語.vku", "\"/home/u/" + tango + ".vku\"\r\n"},
        {"/home/u/한국어.vku",
         "\xEF\xBB\xBF\"/home/u/\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4.vku\"\r\n"},
        {"/home/u/say \"hi\".vku", "\"/home/u/say \"hi\".vku\"\r\n"},
        {"/a\"b,c\"", "\"/a\"b,c\"\"\r\n"},
        {"", "\"\"\r\n"},
        {tooLong.left(maxPathLength), {}},
    };
    for (const auto& [value, bytes] : rows) {
        ASSERT_TRUE(writeDataFileSetting(out(), value));
        if (!bytes.isEmpty()) {
            EXPECT_EQ(written(), bytes);
        }
        EXPECT_EQ(readDataFileSetting(out()), value) << qPrintable(value.left(20));
    }
    ASSERT_TRUE(writeDataFileSetting(out(), tooLong));
    EXPECT_EQ(readDataFileSetting(out()), QString());
    EXPECT_EQ(readDataFileSetting(path(QStringLiteral("missing.ini"))), QString());
}

TEST_F(SettingsFilesTest, GroupSelectionRoundTripByteExact) {
    const QByteArray bytes("  3\r\n 12\r\n123\r\n");
    const auto tags = readGroupSelection(file(bytes));
    EXPECT_EQ(tags, (QStringList{"  3", " 12", "123"}));
    ASSERT_TRUE(writeGroupSelection(out(), *tags));
    EXPECT_EQ(written(), bytes);
    ASSERT_TRUE(writeGroupSelection(out(), {}));
    EXPECT_TRUE(written().isEmpty());
    EXPECT_EQ(readGroupSelection(out()), QStringList());
    EXPECT_FALSE(readGroupSelection(path(QStringLiteral("missing.ini"))));
}

// The index line, then up to sixteen messages; empty lines are dropped when rewritten.
TEST_F(SettingsFilesTest, StartMessagesReadAndRewrite) {
    QByteArray many(" 0 \r\nfirst\r\n\r\nthird\r\n");
    QByteArray manyOut(" 0 \r\nfirst\r\nthird\r\n");
    for (int i = 4; i <= 18; ++i) {
        many += "m" + QByteArray::number(i) + "\r\n";
        if (i <= 16)
            manyOut += "m" + QByteArray::number(i) + "\r\n";
    }
    const QByteArray cp932 = " 3 \r\n" + tango + "\r\n" + circledOneTilde + "\r\nthird\r\n";
    const struct {
        QByteArray bytes;
        int index;
        QString second; // the message at position 1
        QByteArray rewritten;
    } rows[] = {
        {cp932, 3, "①～", cp932},
        {many, 0, "", manyOut},
        {"\r\nhello\r\n", 0, "", " 0 \r\nhello\r\n"},
        {"x\r\nhello\r\n", 0, "", " 0 \r\nhello\r\n"},
        {" 21 \r\nhello\r\n", 0, "", " 0 \r\nhello\r\n"},
        {"-1 \r\nhello\r\n", 0, "", " 0 \r\nhello\r\n"},
        {" 20 \r\n", 20, "", " 20 \r\n"},
        {" 1 \r\n\x81\xFF\xFE\r\nok\r\n", 1, "ok", {}}, // bytes that do not decode
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.constData());
        const auto content = readStartMessages(file(row.bytes));
        ASSERT_TRUE(content);
        EXPECT_EQ(content->index, row.index);
        EXPECT_EQ(content->messages.value(1), row.second);
        EXPECT_LE(content->messages.size(), maxStartMessages);
        ASSERT_TRUE(writeStartMessages(out(), *content));
        if (!row.rewritten.isEmpty()) {
            EXPECT_EQ(written(), row.rewritten);
        }
    }
}

// Only regular files of at most 1 MiB are read; anything else reads as missing at once.
TEST_F(SettingsFilesTest, SettingsAreReadOnlyFromSmallRegularFiles) {
    const QString target = path(QStringLiteral("settings.ini"));
    const std::pair<const char*, std::function<bool()>> makers[] = {
        {"fifo", [&] { return ::mkfifo(QFile::encodeName(target).constData(), 0600) == 0; }},
        {"device", [&] { return QFile::link(QStringLiteral("/dev/zero"), target); }},
        {"folder", [&] { return QDir().mkdir(target); }},
        {"too big",
         [&] { return testfiles::writeAll(target, "\"" + QByteArray(maxFileBytes, 'x') + "\""); }},
    };
    for (const auto& [kind, make] : makers) {
        ASSERT_TRUE(make()) << kind;
        EXPECT_EQ(readDataFileSetting(target), QString()) << kind;
        EXPECT_EQ(readFirstField(target), QString()) << kind;
        EXPECT_EQ(readDisplaySettings(target), defaultDisplaySettings()) << kind;
        EXPECT_FALSE(readGroupSelection(target)) << kind;
        EXPECT_FALSE(readStartMessages(target)) << kind;
        if (!QFile::remove(target))
            QDir().rmdir(target);
    }
    testfiles::writeAll(target, "  1\r\n" + QByteArray(300, '9') + "\r\n  2\r\n");
    EXPECT_EQ(readGroupSelection(target), (QStringList{"  1", "  2"}));
    const QString inMissing = path(QStringLiteral("no/such/") + displayFile);
    EXPECT_FALSE(writeDisplaySettings(inMissing, defaultDisplaySettings()));
    EXPECT_FALSE(QFile::exists(inMissing));
}

} // namespace
