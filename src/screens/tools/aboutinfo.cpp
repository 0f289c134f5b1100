// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutinfo.h"

#include "app/product.h"

namespace AboutInfo {

QString caption() {
    return Product::title() + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報");
}

QString copyright() {
    return QStringLiteral("Copyright © 2026 ") + Product::title() + QStringLiteral("開発チーム");
}

QString contact() {
    return QStringLiteral("連絡先: voku-team@example.org  https://voku.example.org/");
}

} // namespace AboutInfo
