// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// Fonts that render Japanese. The families are named one by one because the generic
// families resolve to Latin-only fonts on a stock Debian desktop.
namespace JapaneseFont {

// A proportional Gothic face.
QFont proportionalGothic(qreal pointSize, bool bold = false);

} // namespace JapaneseFont
