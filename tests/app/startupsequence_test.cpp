// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/start/startupsequence.h"

#include "app/settingsmodule.h"
#include "fakeuserdialogs.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray messagesFile(int index, int count) {
    QByteArray bytes = " " + QByteArray::number(index) + " \r\n";
    for (int i = 0; i < count; ++i)
        bytes += "message " + QByteArray::number(i) + "\r\n";
    return bytes;
}

class StartMessageTest : public ::testing::Test {
protected:
    QString take(const QByteArray& bytes) {
        testfiles::writeAll(path, bytes);
        return StartupSequence::takeStartMessage(path);
    }
    QByteArray indexLine() const {
        const QByteArray bytes = testfiles::readAll(path);
        return bytes.left(bytes.indexOf("\r\n"));
    }

    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/VKI000.ini");
};

TEST_F(StartMessageTest, ShowsTheIndexedMessageAndAdvances) {
    EXPECT_EQ(take(messagesFile(3, 16)), QStringLiteral("message 3"));
    EXPECT_EQ(indexLine(), " 4 ");
    EXPECT_EQ(StartupSequence::takeStartMessage(path), QStringLiteral("message 4"));
    EXPECT_EQ(indexLine(), " 5 ");
}

TEST_F(StartMessageTest, WrapsAfterFifteen) {
    EXPECT_EQ(take(messagesFile(15, 16)), QStringLiteral("message 15"));
    EXPECT_EQ(indexLine(), " 0 ");
}

TEST_F(StartMessageTest, IndexBeyondTheMessagesShowsNothingAndStillAdvances) {
    EXPECT_EQ(take(messagesFile(7, 5)), QString());
    EXPECT_EQ(testfiles::readAll(path), messagesFile(8, 5));
    EXPECT_EQ(take(messagesFile(20, 5)), QString());
    EXPECT_EQ(indexLine(), " 0 ");
}

TEST_F(StartMessageTest, EmptyMessageLinesAreDroppedOnRewrite) {
    EXPECT_EQ(take(" 1 \r\na\r\n\r\nc\r\n"), QString());
    EXPECT_EQ(testfiles::readAll(path), QByteArray(" 2 \r\na\r\nc\r\n"));
    EXPECT_EQ(StartupSequence::takeStartMessage(path), QString());
    EXPECT_EQ(StartupSequence::takeStartMessage(path), QString());
    EXPECT_EQ(indexLine(), " 4 ");
}

TEST_F(StartMessageTest, MissingFileShowsNothingAndMakesNoFile) {
    EXPECT_EQ(StartupSequence::takeStartMessage(path), QString());
    EXPECT_FALSE(QFile::exists(path));
}

class StartupSequenceTest : public ::testing::Test {
protected:
    StartupSequenceTest() {
        testfiles::writeAll(appFolder() + "Vokuini.ini", "\"VOKU\"\r\n");
        testfiles::writeAll(appFolder() + "Ini/VKI000.ini", messagesFile(2, 4));
        testfiles::writeAll(appFolder() + "Ini/VKI020.ini", "");
        testfiles::writeAll(appFolder() + "Ini/VKI030.ini", "");
        testfiles::writeAll(appFolder() + "Ini/VKI010.ini", "\"words.vku\"\r\n");
    }
    QString appFolder() const { return program.path() + QStringLiteral("/"); }

    testfiles::TempHome home;
    QTemporaryDir program;
    AppValues values;
    FakeUserDialogs dialogs;
    FakeSoundPlayer sound;
    SettingsModule settings{values, dialogs, sound, appFolder()};
    QStringList steps;
    StartupSequence sequence{settings,
                             {[this] { steps << "load main with " + values.WindowTitle; },
                              [this] { steps << QStringLiteral("show main"); }}};
};

TEST_F(StartupSequenceTest, RunsTheStepsInOrder) {
    sequence.run();
    EXPECT_EQ(values.SettingsFolder, home.documentsFolder() + "VOKU/");
    EXPECT_EQ(values.MainBackColor, QStringLiteral("12648447"));
    EXPECT_EQ(steps, QStringList{QStringLiteral("load main with VOKU英単カード　words.vku")});
    EXPECT_EQ(sequence.startMessage(), QStringLiteral("message 2"));
    EXPECT_EQ(sequence.picturePath(), QString());
    EXPECT_EQ(StartupSequence::versionText(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.3.0"));
}

TEST_F(StartupSequenceTest, PictureFromTheProgramFolder) {
    testfiles::writeAll(appFolder() + "VOKU.gif", "GIF89a");
    sequence.run();
    EXPECT_EQ(sequence.picturePath(), appFolder() + "VOKU.gif");
}

TEST_F(StartupSequenceTest, BeginShowsTheMainScreenOnce) {
    sequence.run();
    sequence.begin();
    sequence.begin();
    EXPECT_EQ(steps.count(QStringLiteral("show main")), 1);
}

} // namespace
