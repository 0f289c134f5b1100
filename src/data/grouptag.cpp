// SPDX-License-Identifier: GPL-3.0-or-later
#include "grouptag.h"

namespace GroupTag {

QString of(int group) {
    return QString::number(group).rightJustified(3, QLatin1Char(' '));
}

int groupOf(const QString& item) {
    bool ok = false;
    const int group = item.left(3).trimmed().toInt(&ok);
    return ok ? group : 0;
}

} // namespace GroupTag
