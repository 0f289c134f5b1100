// SPDX-License-Identifier: GPL-3.0-or-later
#include "japanesefont.h"

#include <QStringList>

namespace JapaneseFont {

namespace {

QFont fontOf(const QStringList& families, qreal pointSize, bool bold = false) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont proportionalGothic(qreal pointSize, bool bold) {
    return fontOf({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")}, pointSize,
                  bold);
}

QFont fixedGothic(qreal pointSize) {
    return fontOf({QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")},
                  pointSize);
}

QFont fixedMincho() {
    QFont font;
    font.setFamilies({QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP"),
                      QStringLiteral("Symbola")});
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace JapaneseFont
