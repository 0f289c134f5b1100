// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QWidget>
#include <cmath>

namespace Twips {

int toPixels(int twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips / 15.0 * widget->logicalDpiX() / 96.0));
}

QSize toSize(int width, int height, const QWidget* widget) {
    return {toPixels(width, widget), toPixels(height, widget)};
}

} // namespace Twips
