// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversionprotocol.h"

#include <QString>

// Puts a converted word data file in the place of the legacy file it was made from: the
// legacy file becomes NAME.vku.bak (or .bak.1, .bak.2 ... when a backup exists already)
// and the new file takes its name, so every stored path stays valid. Nothing is deleted.
namespace ConvertedFile {

// Checks that newPath opens as a word data file holding the expected rows, then renames
// both files and returns the backup's path. Throws StoreError; the files are then where
// they were.
QString install(const QString& legacyPath, const QString& newPath,
                const ConversionCounts& expected);

} // namespace ConvertedFile
