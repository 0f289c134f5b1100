// SPDX-License-Identifier: GPL-3.0-or-later
#include "japanesefont.h"

#include <QStringList>

namespace JapaneseFont {

QFont proportionalGothic(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace JapaneseFont
