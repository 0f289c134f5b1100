// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/colournumber.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourNumber, DecimalTextsMapToColoursAndBack) {
    const QColor fallback(Qt::green);
    const QColor tip = QPalette().color(QPalette::Active, QPalette::ToolTipBase);
    const struct {
        const char* text;
        QColor colour; // fallback: no colour
        bool roundTrips;
    } rows[] = {
        {"12648447", QColor(0xFF, 0xFF, 0xC0), true}, // 0x00BBGGRR
        {"255", QColor(0xFF, 0, 0), true},
        {"5649426", QColor(0x12, 0x34, 0x56), true},
        {"0", QColor(0, 0, 0), true},
        {"-2147483624", tip, false}, // system colour 24
        {"-2147483618", QPalette().color(QPalette::Active, QPalette::Window), false},
        {"", fallback, false},
        {"blue", fallback, false},
        {"16777216", fallback, false},
        {"-2147483617", fallback, false},
        {"-1", fallback, false},
        {"99999999999", fallback, false},
    };
    for (const auto& row : rows) {
        const QString text = QString::fromLatin1(row.text);
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ColourNumber::toColour(text, fallback), row.colour);
        EXPECT_EQ(ColourNumber::isValid(text), row.colour != fallback);
        if (row.roundTrips) {
            EXPECT_EQ(ColourNumber::fromColour(row.colour), text);
        }
    }
    EXPECT_EQ(ColourNumber::systemRole(QStringLiteral("-2147483633")), QPalette::Button);
    EXPECT_EQ(ColourNumber::systemRole(QStringLiteral("255")), std::nullopt);
}

} // namespace
