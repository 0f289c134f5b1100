// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsfiles.h"

#include "support/testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    EXPECT_EQ(readFreeFormatField(QStringLiteral("  \"C:\\data\\a, b.vku\" rest\r\n")),
              QStringLiteral("C:\\data\\a, b.vku"));
    EXPECT_EQ(readFreeFormatField(QStringLiteral("  VOKU data , x\r\n")),
              QStringLiteral("VOKU data"));
    EXPECT_EQ(readFreeFormatField(QStringLiteral("name\r\nsecond")), QStringLiteral("name"));
    EXPECT_EQ(readFreeFormatField(QStringLiteral("\"\"\r\n")), QString());
    EXPECT_EQ(readFreeFormatField(QStringLiteral("\"unclosed\r\nnext")),
              QStringLiteral("unclosed"));
    EXPECT_EQ(readFreeFormatField(QString()), QString());
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
    EXPECT_EQ(roundTrip(bytes, readDisplaySettings,
                        [](const QString& p, const std::optional<DisplaySettings>& s) {
                            return s && writeDisplaySettings(p, *s);
                        }),
              bytes);
}

TEST_F(SettingsFilesTest, DisplaySettingsReadFlagsWithOrWithoutBlanks) {
    testfiles::writeAll(path(displayFile), "1\r\n2\r\n3\r\n4\r\n5\r\n1\r\n  0\r\n");
    const auto settings = readDisplaySettings(path(displayFile));
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->colours[4], QStringLiteral("5"));
    EXPECT_EQ(settings->noSound, 1);
    EXPECT_EQ(settings->noExplainOnNg, 0);
}

TEST_F(SettingsFilesTest, DefaultDisplaySettingsWriteAndReadBackUnchanged) {
    ASSERT_TRUE(writeDisplaySettings(path(displayFile), defaultDisplaySettings()));
    EXPECT_EQ(
        testfiles::readAll(path(displayFile)),
        QByteArray("12648447\r\n12648447\r\n255\r\n-2147483624\r\n12648447\r\n 0 \r\n 0 \r\n"));
    EXPECT_EQ(readDisplaySettings(path(displayFile)), defaultDisplaySettings());
}

TEST_F(SettingsFilesTest, MalformedDisplaySettingsGiveNothing) {
    const QByteArray good("1\r\n2\r\n3\r\n4\r\n5\r\n 0 \r\n");
    EXPECT_FALSE(readDisplaySettings(path(QStringLiteral("missing.ini"))));
    for (const QByteArray& bytes :
         {good, good + "x\r\n", QByteArray("1\r\nblue\r\n3\r\n4\r\n5\r\n0\r\n0\r\n"),
          QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n0\r\n70000\r\n"),
          QByteArray("1\r\n2\r\n3\r\n4\r\n-2147483000\r\n0\r\n0\r\n")}) {
        testfiles::writeAll(path(displayFile), bytes);
        EXPECT_FALSE(readDisplaySettings(path(displayFile))) << bytes.constData();
    }
}

TEST_F(SettingsFilesTest, DataFileSettingRoundTripByteExactInCp932) {
    const QByteArray bytes = "\"/home/u/Documents/" + tango + ".vku\"\r\n";
    EXPECT_EQ(roundTrip(bytes, readDataFileSetting, writeDataFileSetting), bytes);
    EXPECT_EQ(readDataFileSetting(path(QStringLiteral("in.ini"))),
              QStringLiteral("/home/u/Documents/単語.vku"));
}

TEST_F(SettingsFilesTest, DataFileSettingMissingOrEmptyIsEmpty) {
    EXPECT_EQ(readDataFileSetting(path(dataFileFile)), QString());
    testfiles::writeAll(path(dataFileFile), "\"\"\r\n");
    EXPECT_EQ(readDataFileSetting(path(dataFileFile)), QString());
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
    EXPECT_EQ(roundTrip(bytes, readStartMessages, writeStartMessages), bytes);
    const StartMessages content = readStartMessages(path(QStringLiteral("in.ini")));
    EXPECT_EQ(content.index, 3);
    EXPECT_EQ(content.messages.value(1), QStringLiteral("①～"));
}

TEST_F(SettingsFilesTest, StartMessagesDropEmptyLinesAndLinesAfterTheSeventeenth) {
    QByteArray bytes(" 0 \r\nfirst\r\n\r\nthird\r\n");
    for (int i = 4; i <= 18; ++i)
        bytes += "m" + QByteArray::number(i) + "\r\n";
    testfiles::writeAll(path(startMessagesFile), bytes);
    const StartMessages content = readStartMessages(path(startMessagesFile));
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
        const StartMessages content = readStartMessages(path(startMessagesFile));
        EXPECT_EQ(content.index, 0) << first.constData();
        EXPECT_EQ(content.messages, QStringList{QStringLiteral("hello")});
    }
    testfiles::writeAll(path(startMessagesFile), " 20 \r\n");
    EXPECT_EQ(readStartMessages(path(startMessagesFile)).index, 20);
}

TEST_F(SettingsFilesTest, UndecodableBytesNeverStopTheReader) {
    testfiles::writeAll(path(startMessagesFile), " 1 \r\n\x81\xFF\xFE\r\nok\r\n");
    const StartMessages content = readStartMessages(path(startMessagesFile));
    EXPECT_EQ(content.index, 1);
    EXPECT_EQ(content.messages.value(1), QStringLiteral("ok"));
}

TEST_F(SettingsFilesTest, WriteIntoMissingFolderFailsAndLeavesNothing) {
    const QString inMissing = path(QStringLiteral("no/such/") + displayFile);
    EXPECT_FALSE(writeDisplaySettings(inMissing, defaultDisplaySettings()));
    EXPECT_FALSE(QFile::exists(inMissing));
}

} // namespace
