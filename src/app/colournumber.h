// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <optional>

// Colour numbers as the settings keep them: the decimal text of a signed 32-bit value,
// 0x00BBGGRR for a direct colour, or 0x80000000 plus a Windows system colour index,
// which maps to the palette role closest to that colour.
namespace ColourNumber {

// The colour a decimal text stands for; fallback when the text is no colour number.
QColor toColour(const QString& decimalText, const QColor& fallback = Qt::white);
// The decimal text of a direct colour.
QString fromColour(const QColor& colour);
// True for a valid colour number text (direct or system colour).
bool isValid(const QString& decimalText);
// The palette role of a system colour number; nothing for a direct colour or no number.
std::optional<QPalette::ColorRole> systemRole(const QString& decimalText);

} // namespace ColourNumber
