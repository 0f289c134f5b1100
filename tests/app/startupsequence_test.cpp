// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/start/startupsequence.h"

#include "app/settingsmodule.h"
#include "support/fakeseams.h"
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

// Each start shows the indexed message and moves the index on, back to 0 after 15.
TEST(StartMessage, ShowsTheIndexedMessageAndAdvances) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VKI000.ini"));
    EXPECT_EQ(StartupSequence::takeStartMessage(path), QString());
    EXPECT_FALSE(QFile::exists(path));
    const struct {
        int index, count;
        const char* shown;
        int next;
    } rows[] = {{3, 16, "message 3", 4},
                {14, 16, "message 14", 15},
                {15, 16, "message 15", 0},
                {7, 5, "", 8},
                {20, 5, "", 0},
                {0, 0, "", 1}};
    for (const auto& row : rows) {
        testfiles::writeAll(path, messagesFile(row.index, row.count));
        EXPECT_EQ(StartupSequence::takeStartMessage(path), QString::fromUtf8(row.shown));
        EXPECT_EQ(testfiles::readAll(path), messagesFile(row.next, row.count)) << row.index;
    }
}

TEST(StartupSequence, RunsTheStepsInOrderAndShowsTheMainScreenOnce) {
    testfiles::TempHome home;
    QTemporaryDir program;
    const QString appFolder = program.path() + QStringLiteral("/");
    testfiles::writeAll(appFolder + "Vokuini.ini", "\"VOKU\"\r\n");
    testfiles::writeAll(appFolder + "Ini/VKI000.ini", messagesFile(2, 4));
    testfiles::writeAll(appFolder + "Ini/VKI020.ini", "");
    testfiles::writeAll(appFolder + "Ini/VKI030.ini", "");
    testfiles::writeAll(appFolder + "Ini/VKI010.ini", "\"words.vku\"\r\n");
    AppValues values;
    FakeDialogs dialogs;
    SettingsModule settings{values, dialogs, appFolder};
    QStringList steps;
    StartupSequence sequence{settings,
                             {[&] { steps << "load main with " + values.windowTitle; },
                              [&] { steps << QStringLiteral("show main"); }}};
    for (const bool withPicture : {false, true}) {
        if (withPicture)
            testfiles::writeAll(appFolder + "VOKU.gif", "GIF89a");
        sequence.run();
        EXPECT_EQ(sequence.picturePath(), withPicture ? appFolder + "VOKU.gif" : QString());
    }
    EXPECT_EQ(values.settingsFolder, home.documentsFolder() + "VOKU/");
    EXPECT_EQ(values.mainBackColor, QStringLiteral("12648447"));
    EXPECT_EQ(steps, QStringList(2, QStringLiteral("load main with VOKU英単カード　words.vku")));
    EXPECT_EQ(sequence.startMessage(), QStringLiteral("message 3"));
    sequence.begin();
    sequence.begin();
    EXPECT_EQ(steps.count(QStringLiteral("show main")), 1);
}

} // namespace
