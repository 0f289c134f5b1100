// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Names for files written beside a learner's file without touching any existing one.
namespace SiblingPath {

// base when no file has that name, else the first free of base.1, base.2, ...
QString free(const QString& base);

} // namespace SiblingPath
