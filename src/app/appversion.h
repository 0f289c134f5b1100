// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's version, major.minor.revision, as the build project states it.
namespace AppVersion {

QString number();

} // namespace AppVersion
