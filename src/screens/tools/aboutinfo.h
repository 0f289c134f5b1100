// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts of the About box.
namespace AboutInfo {

QString title();       // "VOKU英単カード"
QString caption();     // the title, then "のﾊﾞｰｼﾞｮﾝ情報"
QString versionText(); // "ﾊﾞｰｼﾞｮﾝ 1.3.0", as on the start screen
QString copyright();
QString contact();

} // namespace AboutInfo
