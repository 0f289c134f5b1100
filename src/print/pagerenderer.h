// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layoutform.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QtGlobal>

class QPainter;

// Draws a layout form on a printer page: every visible label as text in the fixed-pitch
// Mincho, then every visible line, then every visible circle, all positions and font
// sizes multiplied by scale. The painter's coordinates are twips of the printable area.
class PageRenderer {
public:
    // Error steps tolerated in one drawing before it gives up.
    static constexpr int MaxErrors = 3000;

    // Draws the form copies times over the same page; false when a drawing gave up.
    // The paper code is accepted for the callers' sake and selects nothing.
    static bool printLayoutForm(QPainter& printer, const LayoutForm& form, const QString& paperCode,
                                float scale, qint16 copies);
    // Draws the form once; false when it gave up after too many errors.
    static bool drawFormOnPrinter(QPainter& printer, const LayoutForm& form, float scale);

    // "ＭＳ 明朝" is not found on Linux: these are its fixed-pitch stand-ins, in order.
    static QFont minchoFont();

private:
    PageRenderer(QPainter& printer, float scale);

    bool draw(const LayoutForm& form);
    bool drawLabel(const FormLabel& label);
    bool drawLine(const FormLine& line);
    bool drawCircle(const FormShape& shape);

    bool setFontSize(float points);
    bool setCurrentX(const FormLabel& label);
    bool setDrawing(int borderWidth, int borderStyle);
    void printCaption(const QString& caption, qreal room);
    // Counts a failed step; true while drawing may go on.
    bool bearError();

    QPainter& printer_;
    float scale_;
    int errors_ = 0;
    QFont font_;
    QFontMetricsF metrics_;
    float fontPoints_ = 0;
    qreal currentX_ = 0;
    qreal currentY_ = 0;
};
