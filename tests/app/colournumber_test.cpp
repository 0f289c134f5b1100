// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/colournumber.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourNumber, DirectColoursAreBlueGreenRed) {
    EXPECT_EQ(ColourNumber::toColour(QStringLiteral("12648447")), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_EQ(ColourNumber::toColour(QStringLiteral("255")), QColor(0xFF, 0, 0));
    EXPECT_EQ(ColourNumber::toColour(QStringLiteral("16711680")), QColor(0, 0, 0xFF));
    EXPECT_EQ(ColourNumber::fromColour(QColor(0xFF, 0xFF, 0xC0)), QStringLiteral("12648447"));
    EXPECT_EQ(ColourNumber::fromColour(QColor(0x12, 0x34, 0x56)), QStringLiteral("5649426"));
}

TEST(ColourNumber, SystemColoursMapToPaletteRoles) {
    EXPECT_EQ(ColourNumber::systemRole(QStringLiteral("-2147483624")), QPalette::ToolTipBase);
    EXPECT_EQ(ColourNumber::systemRole(QStringLiteral("-2147483633")), QPalette::Button);
    EXPECT_EQ(ColourNumber::systemRole(QStringLiteral("255")), std::nullopt);
    EXPECT_EQ(ColourNumber::toColour(QStringLiteral("-2147483624")),
              QPalette().color(QPalette::Active, QPalette::ToolTipBase));
}

TEST(ColourNumber, TextsThatAreNoColourGiveTheFallback) {
    for (const char* text : {"", "blue", "16777216", "-2147483617", "-1", "99999999999"}) {
        EXPECT_FALSE(ColourNumber::isValid(QString::fromLatin1(text))) << text;
        EXPECT_EQ(ColourNumber::toColour(QString::fromLatin1(text), Qt::green), QColor(Qt::green));
    }
    EXPECT_TRUE(ColourNumber::isValid(QStringLiteral("0")));
    EXPECT_TRUE(ColourNumber::isValid(QStringLiteral("-2147483618")));
}

} // namespace
