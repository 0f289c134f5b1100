// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/tools/displaysettingslogic.h"

#include "app/colournumber.h"
#include "support/fakeseams.h"
#include "support/settingshome.h"

#include <gtest/gtest.h>

namespace {

class DisplaySettingsLogicTest : public ::testing::Test {
protected:
    DisplaySettingsLogicTest() {
        values.mainBackColor = QStringLiteral("65280");
        values.noSound = -1;
        values.noExplainOnNg = 1;
        testfiles::writeAll(file(), "old");
    }
    QString file() const { return home.settingsFile(SettingsFiles::displayFile); }

    SettingsHome home;
    AppValues& values = home.values;
    FakeDialogs dialogs;
};

// Only exactly 1 ticks a box; a flag the learner does not touch is written back as read.
TEST_F(DisplaySettingsLogicTest, OkWritesTheChosenColoursAndTheFlagsAsRead) {
    DisplaySettingsLogic logic(values, dialogs);
    EXPECT_EQ(logic.swatchColour(0), QColor(0, 255, 0));
    EXPECT_FALSE(logic.noSoundTicked());
    EXPECT_TRUE(logic.noExplainOnNgTicked());
    logic.chooseColour(3); // cancelled
    EXPECT_EQ(dialogs.colourRequests, QList<QColor>{ColourNumber::toColour("-2147483624")});
    dialogs.colourAnswer = QColor(0x12, 0x34, 0x56);
    logic.chooseColour(1);
    EXPECT_EQ(values.drillBackColor, "12648447");
    EXPECT_TRUE(logic.accept());
    EXPECT_EQ(testfiles::readAll(file()),
              "65280\r\n5649426\r\n255\r\n-2147483624\r\n12648447\r\n-1 \r\n 1 \r\n");
    EXPECT_EQ(values.drillBackColor, "5649426");
}

// Colours wait for OK; the boxes act at once, even when the window is cancelled.
TEST_F(DisplaySettingsLogicTest, BoxesActAtOnceColoursOnOk) {
    {
        DisplaySettingsLogic logic(values, dialogs);
        dialogs.colourAnswer = QColor(Qt::blue);
        logic.chooseColour(0);
        logic.setNoSound(true);
        logic.setNoExplainOnNg(false);
    }
    EXPECT_EQ(values.mainBackColor, "65280");
    EXPECT_EQ(values.noSound, 1);
    EXPECT_EQ(values.noExplainOnNg, 0);
    EXPECT_EQ(testfiles::readAll(file()), "old");

    DisplaySettingsLogic logic(values, dialogs);
    logic.restoreDefaults();
    EXPECT_EQ(values.noSound, 0);
    EXPECT_FALSE(logic.noSoundTicked());
    EXPECT_EQ(values.mainBackColor, "65280");
    home.values.settingsFolder = home.path() + QStringLiteral("/missing/");
    EXPECT_FALSE(logic.accept());
    EXPECT_EQ(values.mainBackColor, "12648447");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().startsWith("表示設定を保存できませんでした。"));
    home.values.settingsFolder = home.documentsFolder() + QStringLiteral("VOKU/");
    EXPECT_TRUE(logic.accept());
    EXPECT_EQ(testfiles::readAll(file()),
              "12648447\r\n12648447\r\n255\r\n-2147483624\r\n12648447\r\n 0 \r\n 0 \r\n");
}

} // namespace
