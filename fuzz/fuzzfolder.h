// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace FuzzFolder {

// A scratch folder for the life of the fuzzer, in memory (/dev/shm) when there is one.
const QString& path();

} // namespace FuzzFolder
