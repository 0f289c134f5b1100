// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts of the About box.
namespace AboutInfo {

QString caption(); // the title, then "のﾊﾞｰｼﾞｮﾝ情報"
QString copyright();
QString contact();

} // namespace AboutInfo
