// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

// Window measures given in twips: 15 twips to a pixel at 96 dpi, scaled with the screen.
namespace Twips {

int toPixels(int twips, const QWidget* widget);
QSize toSize(int width, int height, const QWidget* widget);

} // namespace Twips
