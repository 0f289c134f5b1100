// SPDX-License-Identifier: GPL-3.0-or-later
#include "colournumber.h"

#include <QGuiApplication>
#include <array>

namespace ColourNumber {

namespace {

constexpr quint32 systemBit = 0x80000000u;

// Windows system colour indexes 0 to 30, each with the palette role that plays the same
// part on a Qt desktop (24, the tool-tip background, is ToolTipBase).
constexpr std::array<QPalette::ColorRole, 31> systemRoles{
    QPalette::Button,          // 0 scroll bar
    QPalette::Window,          // 1 desktop
    QPalette::Highlight,       // 2 active caption
    QPalette::Mid,             // 3 inactive caption
    QPalette::Window,          // 4 menu
    QPalette::Base,            // 5 window
    QPalette::Shadow,          // 6 window frame
    QPalette::WindowText,      // 7 menu text
    QPalette::Text,            // 8 window text
    QPalette::HighlightedText, // 9 caption text
    QPalette::Window,          // 10 active border
    QPalette::Window,          // 11 inactive border
    QPalette::Dark,            // 12 application workspace
    QPalette::Highlight,       // 13 highlight
    QPalette::HighlightedText, // 14 highlight text
    QPalette::Button,          // 15 button face
    QPalette::Dark,            // 16 button shadow
    QPalette::PlaceholderText, // 17 grey text
    QPalette::ButtonText,      // 18 button text
    QPalette::PlaceholderText, // 19 inactive caption text
    QPalette::Light,           // 20 button highlight
    QPalette::Shadow,          // 21 3D dark shadow
    QPalette::Midlight,        // 22 3D light
    QPalette::ToolTipText,     // 23 tool-tip text
    QPalette::ToolTipBase,     // 24 tool-tip background
    QPalette::Window,          // 25 (unused by Windows)
    QPalette::Link,            // 26 hot-tracked item
    QPalette::Highlight,       // 27 active caption gradient
    QPalette::Mid,             // 28 inactive caption gradient
    QPalette::Highlight,       // 29 menu highlight
    QPalette::Window,          // 30 menu bar
};

std::optional<quint32> numberOf(const QString& decimalText) {
    bool ok = false;
    const int value = decimalText.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    const auto number = static_cast<quint32>(value);
    if (number & systemBit) {
        if ((number & ~systemBit) >= systemRoles.size())
            return std::nullopt;
    } else if (number > 0x00FFFFFFu) {
        return std::nullopt;
    }
    return number;
}

QPalette currentPalette() {
    return qGuiApp ? QGuiApplication::palette() : QPalette();
}

} // namespace

QColor toColour(const QString& decimalText, const QColor& fallback) {
    if (const auto role = systemRole(decimalText))
        return currentPalette().color(QPalette::Active, *role);
    const auto number = numberOf(decimalText);
    if (!number)
        return fallback;
    return QColor(static_cast<int>(*number & 0xFF), static_cast<int>((*number >> 8) & 0xFF),
                  static_cast<int>((*number >> 16) & 0xFF));
}

QString fromColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return QString::number(rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16));
}

bool isValid(const QString& decimalText) {
    return numberOf(decimalText).has_value();
}

std::optional<QPalette::ColorRole> systemRole(const QString& decimalText) {
    const auto number = numberOf(decimalText);
    if (!number || !(*number & systemBit))
        return std::nullopt;
    return systemRoles[*number & ~systemBit];
}

} // namespace ColourNumber
