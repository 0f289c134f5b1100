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

    // Writes bytes, reads them with read, writes them back with write and returns the result.
    template <typename Read, typename Write>
    QByteArray roundTrip(const QByteArray& bytes, Read read, Write write) {
        const QString source = path(QStringLiteral("in.ini"));
        const QString target = path(QStringLiteral("out.ini"));
        EXPECT_TRUE(testfiles::writeAll(source, bytes));
        EXPECT_TRUE(write(target, read(source)));
        return testfiles::readAll(target);
    }

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
}

TEST(SettingsFilesFormat, LongPathsInMessagesKeepTheirEnds) {
    const QString longPath = "/home/u/" + QString(5000, 'x') + "/単語.vku";
    const QString shown = pathForMessage(longPath);
    EXPECT_LT(shown.size(), 200);
    EXPECT_TRUE(shown.startsWith("/home/u/xxx") && shown.endsWith("xx/単語.vku"))
        << qPrintable(shown);
    EXPECT_EQ(pathForMessage("/home/u/a.vku"), "/home/u/a.vku");
    EXPECT_TRUE(unwritableMessage(longPath).endsWith(shown));
}

TEST(SettingsFilesFormat, PrintedNumbersHaveSignPositionAndTrailingBlank) {
    EXPECT_EQ(printedNumber(1), QStringLiteral(" 1 "));
    EXPECT_EQ(printedNumber(0), QStringLiteral(" 0 "));
    EXPECT_EQ(printedNumber(-1), QStringLiteral("-1 "));
    EXPECT_EQ(printedNumber(15), QStringLiteral(" 15 "));
}

TEST_F(SettingsFilesTest, DisplaySettingsRoundTripByteExact) {
    const QByteArray bytes(
        "12648447\r\n12648447\r\n255\r\n-2147483624\r\n12648447\r\n 1 \r\n-1 \r\n");
    EXPECT_EQ(roundTrip(bytes, readDisplaySettings, writeDisplaySettings), bytes);
    ASSERT_TRUE(writeDisplaySettings(path(displayFile), defaultDisplaySettings()));
    EXPECT_EQ(
        testfiles::readAll(path(displayFile)),
        QByteArray("12648447\r\n12648447\r\n255\r\n-2147483624\r\n12648447\r\n 0 \r\n 0 \r\n"));
    EXPECT_EQ(readDisplaySettings(path(displayFile)), defaultDisplaySettings());
}

// A malformed or missing line falls back for its own value; the others are kept.
TEST_F(SettingsFilesTest, DisplaySettingsFallBackValueByValue) {
    const DisplaySettings d = defaultDisplaySettings();
    struct Case {
        QByteArray bytes;
        std::array<QString, 5> colours;
        qint16 noSound;
        qint16 noExplainOnNg;
    } cases[] = {
        {"1\r\n2\r\n3\r\n4\r\n5\r\n1\r\n  0\r\n", {"1", "2", "3", "4", "5"}, 1, 0},
        {"1\r\nblue\r\n3\r\n4\r\n5\r\n0\r\n-1\r\n", {"1", d.colours[1], "3", "4", "5"}, 0, -1},
        {"1\r\n2\r\n3\r\n4\r\n-2147483000\r\n x\r\n70000\r\n",
         {"1", "2", "3", "4", d.colours[4]},
         0,
         0},
        {"1\r\n2\r\n", {"1", "2", d.colours[2], d.colours[3], d.colours[4]}, 0, 0},
        {"", d.colours, 0, 0},
    };
    for (const Case& c : cases) {
        testfiles::writeAll(path(displayFile), c.bytes);
        EXPECT_EQ(readDisplaySettings(path(displayFile)),
                  (DisplaySettings{c.colours, c.noSound, c.noExplainOnNg}))
            << c.bytes.constData();
    }
    EXPECT_EQ(readDisplaySettings(path(QStringLiteral("missing.ini"))), d);
}

TEST_F(SettingsFilesTest, DataFileSettingRoundTripByteExactInCp932) {
    const QByteArray bytes = "\"/home/u/Documents/" + tango + ".vku\"\r\n";
    EXPECT_EQ(roundTrip(bytes, readDataFileSetting, writeDataFileSetting), bytes);
    EXPECT_EQ(readDataFileSetting(path(QStringLiteral("in.ini"))),
              QStringLiteral("/home/u/Documents/単語.vku"));
}

TEST_F(SettingsFilesTest, DataFileSettingReadsBackWhatItWrote) {
    const QString tooLong = "/" + QString(maxPathLength, 'x');
    for (const QString& written : {QString("/home/u/say \"hi\".vku"), QString("/a\"b,c\""),
                                   QString(), tooLong.left(maxPathLength)}) {
        ASSERT_TRUE(writeDataFileSetting(path(dataFileFile), written));
        EXPECT_EQ(readDataFileSetting(path(dataFileFile)), written) << qPrintable(written.left(20));
    }
    ASSERT_TRUE(writeDataFileSetting(path(dataFileFile), tooLong));
    EXPECT_EQ(readDataFileSetting(path(dataFileFile)), QString());
    EXPECT_EQ(readDataFileSetting(path(QStringLiteral("missing.ini"))), QString());
}

TEST_F(SettingsFilesTest, TextOutsideCp932IsWrittenAsUtf8WithByteOrderMark) {
    ASSERT_TRUE(writeDataFileSetting(path(dataFileFile), QStringLiteral("/home/u/한국어.vku")));
    EXPECT_TRUE(testfiles::readAll(path(dataFileFile)).startsWith("\xEF\xBB\xBF\"/home/u/"));
    EXPECT_EQ(readDataFileSetting(path(dataFileFile)), QStringLiteral("/home/u/한국어.vku"));
}

TEST_F(SettingsFilesTest, GroupSelectionRoundTripByteExact) {
    const QByteArray bytes("  3\r\n 12\r\n123\r\n");
    EXPECT_EQ(roundTrip(bytes, readGroupSelection,
                        [](const QString& p, const std::optional<QStringList>& tags) {
                            return tags && writeGroupSelection(p, *tags);
                        }),
              bytes);
    EXPECT_EQ(readGroupSelection(path(QStringLiteral("in.ini"))),
              (QStringList{QStringLiteral("  3"), QStringLiteral(" 12"), QStringLiteral("123")}));
}

TEST_F(SettingsFilesTest, EmptyGroupSelectionIsAnEmptyFile) {
    ASSERT_TRUE(writeGroupSelection(path(groupSelectionFile), {}));
    EXPECT_TRUE(testfiles::readAll(path(groupSelectionFile)).isEmpty());
    EXPECT_EQ(readGroupSelection(path(groupSelectionFile)), QStringList());
    EXPECT_FALSE(readGroupSelection(path(QStringLiteral("missing.ini"))));
}

TEST_F(SettingsFilesTest, StartMessagesRoundTripByteExactInCp932) {
    const QByteArray bytes = " 3 \r\n" + tango + "\r\n" + circledOneTilde + "\r\nthird\r\n";
    EXPECT_EQ(roundTrip(bytes, readStartMessages,
                        [](const QString& p, const std::optional<StartMessages>& content) {
                            return content && writeStartMessages(p, *content);
                        }),
              bytes);
    const StartMessages content = *readStartMessages(path(QStringLiteral("in.ini")));
    EXPECT_EQ(content.index, 3);
    EXPECT_EQ(content.messages.value(1), QStringLiteral("①～"));
}

TEST_F(SettingsFilesTest, StartMessagesDropEmptyLinesAndLinesAfterTheSeventeenth) {
    QByteArray bytes(" 0 \r\nfirst\r\n\r\nthird\r\n");
    for (int i = 4; i <= 18; ++i)
        bytes += "m" + QByteArray::number(i) + "\r\n";
    testfiles::writeAll(path(startMessagesFile), bytes);
    const StartMessages content = readStartMessages(path(startMessagesFile)).value();
    ASSERT_EQ(content.messages.size(), maxStartMessages);
    EXPECT_EQ(content.messages.at(1), QString());
    EXPECT_EQ(content.messages.last(), QStringLiteral("m16"));

    ASSERT_TRUE(writeStartMessages(path(startMessagesFile), content));
    QByteArray expected(" 0 \r\nfirst\r\nthird\r\n");
    for (int i = 4; i <= 16; ++i)
        expected += "m" + QByteArray::number(i) + "\r\n";
    EXPECT_EQ(testfiles::readAll(path(startMessagesFile)), expected);
}

TEST_F(SettingsFilesTest, MalformedStartIndexStartsFromZero) {
    for (const QByteArray& first :
         {QByteArray(""), QByteArray("x"), QByteArray(" 21 "), QByteArray("-1 ")}) {
        testfiles::writeAll(path(startMessagesFile), first + "\r\nhello\r\n");
        const StartMessages content = readStartMessages(path(startMessagesFile)).value();
        EXPECT_EQ(content.index, 0) << first.constData();
        EXPECT_EQ(content.messages, QStringList{QStringLiteral("hello")});
    }
    testfiles::writeAll(path(startMessagesFile), " 20 \r\n");
    EXPECT_EQ(readStartMessages(path(startMessagesFile))->index, 20);
}

TEST_F(SettingsFilesTest, UndecodableBytesNeverStopTheReader) {
    testfiles::writeAll(path(startMessagesFile), " 1 \r\n\x81\xFF\xFE\r\nok\r\n");
    const StartMessages content = readStartMessages(path(startMessagesFile)).value();
    EXPECT_EQ(content.index, 1);
    EXPECT_EQ(content.messages.value(1), QStringLiteral("ok"));
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
}

TEST_F(SettingsFilesTest, WriteIntoMissingFolderFailsAndLeavesNothing) {
    const QString inMissing = path(QStringLiteral("no/such/") + displayFile);
    EXPECT_FALSE(writeDisplaySettings(inMissing, defaultDisplaySettings()));
    EXPECT_FALSE(QFile::exists(inMissing));
}

} // namespace
