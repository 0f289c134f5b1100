// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordstore.h"

#include <QString>
#include <functional>

// Makes a new word data file all at once: it is filled under a temporary name beside the
// target (TARGET.XXXXXX.part) and takes the target's name only when complete, so a failure
// or a crash never leaves a half-written file under that name. Temporary files that an
// earlier, killed run left for the same target are removed first.
namespace NewWordFile {

// What to do with a file already at the target: refuse to start, or replace it in one
// step once the new file is complete (the caller has made sure it may go).
enum class Existing { Refuse, Replace };

// Throws StoreError.
void write(const QString& path, const std::function<void(WordStore&)>& fill,
           Existing existing = Existing::Refuse);

// Removes the file being filled (and its journal), if any. Safe to call from a signal
// handler, so that an interrupted run leaves nothing behind.
void removeUnfinished();

} // namespace NewWordFile
