// SPDX-License-Identifier: GPL-3.0-or-later
#include "appversion.h"

namespace AppVersion {

QString number() {
    return QStringLiteral("%1.%2.%3")
        .arg(VOKU_VERSION_MAJOR)
        .arg(VOKU_VERSION_MINOR)
        .arg(VOKU_VERSION_PATCH);
}

} // namespace AppVersion
