// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Window measures given in twips: 15 twips to a pixel at 96 dpi. Qt scales these pixels
// with the screen, so every window uses the same rounding and nothing more.
namespace Twips {

int toPixels(int twips);
QSize toSize(int width, int height);
QRect toRect(int left, int top, int width, int height);

} // namespace Twips
