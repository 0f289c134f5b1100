// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutinfo.h"

#include "app/appversion.h"

namespace AboutInfo {

QString title() {
    return QStringLiteral("VOKU英単カード");
}

QString caption() {
    return title() + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報");
}

QString versionText() {
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + AppVersion::number();
}

QString copyright() {
    return QStringLiteral("Copyright © 2026 VOKU英単カード開発チーム");
}

QString contact() {
    return QStringLiteral("連絡先: voku-team@example.org  https://voku.example.org/");
}

} // namespace AboutInfo
