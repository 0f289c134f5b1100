// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagerenderer.h"

#include "app/japanesefont.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <limits>

namespace {

constexpr qreal TwipsPerInch = 1440;

bool isFinite(qreal value) {
    return std::isfinite(value);
}

// Centre and radius of a circle are worked out in 16-bit form units.
bool fitsInt16(int value) {
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

Qt::PenStyle penStyle(int borderStyle) {
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                              Qt::DashDotLine, Qt::DashDotDotLine};
    // Transparent (0) and inside solid (6) are both drawn solid.
    return borderStyle >= 1 && borderStyle <= 5 ? styles[borderStyle - 1] : Qt::SolidLine;
}

} // namespace

bool PageRenderer::printLayoutForm(QPainter& printer, const LayoutForm& form, const QString&,
                                   float scale, qint16 copies) {
    for (int copy = 1; copy <= copies; ++copy) {
        if (!drawFormOnPrinter(printer, form, scale))
            return false;
    }
    return true;
}

bool PageRenderer::drawFormOnPrinter(QPainter& printer, const LayoutForm& form, float scale) {
    // A painter that is not drawing on anything fails every step alike; counting those
    // would report a page that never reached the printer as printed.
    if (!printer.isActive())
        return false;
    PageRenderer renderer(printer, scale);
    return renderer.draw(form);
}

QFont PageRenderer::minchoFont() {
    QFont font = JapaneseFont::fixedMincho();
    font.setKerning(false);
    return font;
}

PageRenderer::PageRenderer(QPainter& printer, float scale)
    : printer_(printer)
    , scale_(scale)
    , font_(minchoFont())
    , metrics_(font_, printer.device()) {}

bool PageRenderer::draw(const LayoutForm& form) {
    printer_.save();
    printCaption({}, 0);
    printer_.setFont(font_);
    printer_.setPen(Qt::black);
    bool ok = true;
    for (const auto& control : form.controls()) {
        if (const auto* label = std::get_if<FormLabel>(&control); ok && label && label->visible)
            ok = drawLabel(*label);
    }
    printer_.setBrush(Qt::NoBrush);
    for (const auto& control : form.controls()) {
        if (const auto* line = std::get_if<FormLine>(&control); ok && line && line->visible)
            ok = drawLine(*line);
    }
    for (const auto& control : form.controls()) {
        const auto* shape = std::get_if<FormShape>(&control);
        if (ok && shape && shape->visible && shape->shape == FormShape::Circle)
            ok = drawCircle(*shape);
    }
    printer_.restore();
    return ok;
}

// Each step that fails is skipped and counted; drawing goes on until too many have failed.
bool PageRenderer::drawLabel(const FormLabel& label) {
    if (!setFontSize(label.fontSize * scale_) && !bearError())
        return false;
    if (!setCurrentX(label) && !bearError())
        return false;
    const qreal y = label.top * scale_;
    if (isFinite(y))
        currentY_ = y;
    else if (!bearError())
        return false;
    // A caption wider than its label starts at the label's left edge and is condensed to
    // its width (see printCaption), whatever the alignment.
    const qreal room = label.width * scale_;
    if (metrics_.horizontalAdvance(label.caption) > room)
        currentX_ = label.left * scale_;
    printCaption(label.caption, room);
    return true;
}

bool PageRenderer::drawLine(const FormLine& line) {
    if (!setDrawing(line.borderWidth, line.borderStyle) && !bearError())
        return false;
    const QLineF scaled(line.x1 * scale_, line.y1 * scale_, line.x2 * scale_, line.y2 * scale_);
    if (isFinite(scaled.x1()) && isFinite(scaled.y1()) && isFinite(scaled.x2()) &&
        isFinite(scaled.y2()))
        printer_.drawLine(scaled);
    else if (!bearError())
        return false;
    return true;
}

bool PageRenderer::drawCircle(const FormShape& shape) {
    const int cx = shape.left + shape.width / 2;
    const int cy = shape.top + shape.height / 2;
    if (!fitsInt16(cx) || !fitsInt16(cy))
        return bearError();
    const int radius = shape.width < shape.height ? shape.width / 2 : shape.height / 2;
    if (!setDrawing(shape.borderWidth, shape.borderStyle) && !bearError())
        return false;
    const QPointF centre(cx * scale_, cy * scale_);
    const qreal r = radius * scale_;
    if (isFinite(centre.x()) && isFinite(centre.y()) && isFinite(r))
        printer_.drawEllipse(centre, r, r);
    else if (!bearError())
        return false;
    return true;
}

// Point sizes are turned into twips here, whatever the resolution of the device behind
// the painter, because the painter's coordinates are twips.
bool PageRenderer::setFontSize(float points) {
    if (!isFinite(points) || points <= 0)
        return false;
    if (points == fontPoints_)
        return true;
    const qreal dpi = printer_.device()->logicalDpiY();
    font_.setPointSizeF(points * TwipsPerInch / dpi);
    printer_.setFont(font_);
    metrics_ = QFontMetricsF(font_, printer_.device());
    fontPoints_ = points;
    return true;
}

bool PageRenderer::setCurrentX(const FormLabel& label) {
    const qreal left = label.left * scale_;
    qreal x = currentX_;
    if (label.alignment == FormLabel::Left) {
        x = left;
    } else if (label.alignment == FormLabel::Right || label.alignment == FormLabel::Centre) {
        const qreal room = label.width * scale_ - metrics_.horizontalAdvance(label.caption);
        x = left + (label.alignment == FormLabel::Right ? room : room / 2);
    }
    if (!isFinite(x))
        return false;
    currentX_ = x;
    return true;
}

bool PageRenderer::setDrawing(int borderWidth, int borderStyle) {
    if (borderWidth < 1)
        return false;
    // The width is in device pixels; a one-pixel line is the device's thinnest line.
    QPen pen(Qt::black, borderWidth == 1 ? 0 : borderWidth, penStyle(borderStyle));
    pen.setCosmetic(true);
    printer_.setPen(pen);
    return true;
}

// Text is printed with its top at the current position, on one line, neither wrapped
// nor cut; like a new line, it sends the current position back to the left edge. Text
// wider than room is condensed to it: a long Japanese meaning would otherwise run over
// the next card and off the paper, and the learner would lose its end.
void PageRenderer::printCaption(const QString& caption, qreal room) {
    const QPointF origin(currentX_, currentY_ + metrics_.ascent());
    const qreal advance = caption.isEmpty() ? 0 : metrics_.horizontalAdvance(caption);
    if (room > 0 && advance > room) {
        printer_.save();
        printer_.translate(origin);
        printer_.scale(room / advance, 1);
        printer_.drawText(QPointF(0, 0), caption);
        printer_.restore();
    } else if (!caption.isEmpty()) {
        printer_.drawText(origin, caption);
    }
    currentX_ = 0;
}

bool PageRenderer::bearError() {
    ++errors_;
    return errors_ <= MaxErrors;
}
