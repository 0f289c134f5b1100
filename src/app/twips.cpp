// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

namespace Twips {

namespace {
constexpr int PerPixel = 15;
} // namespace

int toPixels(int twips) {
    return (twips + PerPixel / 2) / PerPixel;
}

QSize toSize(int width, int height) {
    return {toPixels(width), toPixels(height)};
}

QRect toRect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
