// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordstore.h"

#include <QString>
#include <functional>

// Makes a new word data file all at once: it is filled under a temporary name beside the
// target and takes the target's name only when complete, so a failure or a crash never
// leaves a half-written file under that name.
namespace NewWordFile {

// Throws StoreError; fails when path exists.
void write(const QString& path, const std::function<void(WordStore&)>& fill);

} // namespace NewWordFile
