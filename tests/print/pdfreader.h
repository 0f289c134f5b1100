// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <vector>

// Reads a PDF back through poppler's command-line tools.
namespace pdfreader {

struct Word {
    int page; // from 1
    double x; // left, points from the page's left edge
    double y; // top, points from the page's top edge
    double right;
    QString text;
};

int pageCount(const QString& pdf);
// Every word with its position (pdftotext -bbox).
std::vector<Word> words(const QString& pdf);
// The fonts list (pdffonts).
QString fonts(const QString& pdf);
// One page as a greyscale picture at dpi.
QImage render(const QString& pdf, int page, int dpi);

} // namespace pdfreader
