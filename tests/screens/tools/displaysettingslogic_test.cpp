// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/colournumber.h"
#include "fakeuserdialogs.h"
#include "screens/tools/displaysettingslogic.h"
#include "support/testfiles.h"
#include "toolstestdata.h"

#include <gtest/gtest.h>

namespace {

const QByteArray defaultBytes =
    "12648447\r\n12648447\r\n255\r\n-2147483624\r\n12648447\r\n 0 \r\n 0 \r\n";

class DisplaySettingsLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        values = toolstestdata::valuesFor(home.documentsFolder() + QStringLiteral("VOKU/"), {});
        values.MainBackColor = QStringLiteral("65280");
        values.NoSound = -1;
        values.NoExplainOnNg = 1;
        testfiles::writeAll(filePath(), "old");
    }

    QString filePath() const { return values.SettingsFolder + QStringLiteral("VKI020.ini"); }

    testfiles::TempHome home;
    AppValues values;
    FakeUserDialogs dialogs;
};

TEST_F(DisplaySettingsLogicTest, StartsFromTheApplicationValues) {
    DisplaySettingsLogic logic(values, dialogs);
    EXPECT_EQ(logic.colourNumber(0), "65280");
    EXPECT_EQ(logic.swatchColour(0), QColor(0, 255, 0));
    EXPECT_EQ(logic.colourNumber(3), "-2147483624");
    EXPECT_EQ(logic.swatchColour(3), ColourNumber::toColour("-2147483624"));
    // Only exactly 1 ticks a box.
    EXPECT_FALSE(logic.noSoundTicked());
    EXPECT_TRUE(logic.noExplainOnNgTicked());
}

TEST_F(DisplaySettingsLogicTest, OkWritesFlagsUntouchedAndSystemColoursUnchanged) {
    DisplaySettingsLogic logic(values, dialogs);
    logic.chooseColour(3); // cancelled
    ASSERT_EQ(dialogs.colourRequests.size(), 1);
    EXPECT_EQ(dialogs.colourRequests.first(), ColourNumber::toColour("-2147483624"));
    dialogs.colourAnswer = QColor(0x12, 0x34, 0x56);
    logic.chooseColour(1);

    EXPECT_TRUE(logic.accept());
    EXPECT_EQ(testfiles::readAll(filePath()),
              "65280\r\n5649426\r\n255\r\n-2147483624\r\n12648447\r\n-1 \r\n 1 \r\n");
    EXPECT_EQ(values.DrillBackColor, "5649426");
    EXPECT_EQ(values.ExplainBackColor, "-2147483624");
}

TEST_F(DisplaySettingsLogicTest, CancelKeepsColoursButFlagsActedAtOnce) {
    {
        DisplaySettingsLogic logic(values, dialogs);
        dialogs.colourAnswer = QColor(Qt::blue);
        logic.chooseColour(0);
        logic.setNoSound(true);
        logic.setNoExplainOnNg(false);
    }
    EXPECT_EQ(values.MainBackColor, "65280");
    EXPECT_EQ(values.NoSound, 1);
    EXPECT_EQ(values.NoExplainOnNg, 0);
    EXPECT_EQ(testfiles::readAll(filePath()), "old");
}

TEST_F(DisplaySettingsLogicTest, DefaultsClearTheFlagsAtOnceAndColoursOnOk) {
    DisplaySettingsLogic logic(values, dialogs);
    logic.restoreDefaults();
    EXPECT_EQ(values.NoSound, 0);
    EXPECT_EQ(values.NoExplainOnNg, 0);
    EXPECT_FALSE(logic.noExplainOnNgTicked());
    EXPECT_EQ(values.MainBackColor, "65280");
    EXPECT_EQ(logic.colourNumber(0), "12648447");

    EXPECT_TRUE(logic.accept());
    EXPECT_EQ(testfiles::readAll(filePath()), defaultBytes);
    EXPECT_EQ(values.MainBackColor, "12648447");
}

TEST_F(DisplaySettingsLogicTest, UnwritableFileIsReportedAndValuesStayInUse) {
    values.SettingsFolder = home.path() + QStringLiteral("/missing/");
    DisplaySettingsLogic logic(values, dialogs);
    logic.restoreDefaults();
    EXPECT_FALSE(logic.accept());
    EXPECT_EQ(values.MainBackColor, "12648447");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(
        dialogs.messages.first().startsWith(QStringLiteral("表示設定を保存できませんでした。")));
}

} // namespace
