// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// Fonts that render Japanese. The families are named one by one because the generic
// families resolve to Latin-only fonts on a stock Debian desktop, and Qt's fixed-pitch
// test says false for every Japanese font.
namespace JapaneseFont {

// A proportional Gothic face: captions, cards, dialogs.
QFont proportionalGothic(qreal pointSize, bool bold = false);
// A fixed-pitch Gothic face, half-width kana exactly half a kanji: the summary lists.
QFont fixedGothic(qreal pointSize);
// A fixed-pitch Mincho face for printed cards. Noto covers CJK beyond the BMP (𠮷);
// Symbola draws emoji in outline, where a colour emoji font would embed into a PDF but
// draw nothing.
QFont fixedMincho();

} // namespace JapaneseFont
