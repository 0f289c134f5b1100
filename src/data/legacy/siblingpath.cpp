// SPDX-License-Identifier: GPL-3.0-or-later
#include "siblingpath.h"

#include <QFileInfo>

namespace SiblingPath {

QString free(const QString& base) {
    QString path = base;
    for (int n = 1; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = base + QLatin1Char('.') + QString::number(n);
    return path;
}

} // namespace SiblingPath
