// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversionprotocol.h"

#include <QString>
#include <functional>

// Converts a legacy (Jet 3, Jet 4 or ACE) word file into a new word data file: every row
// of word and selected, Nulls kept, texts exact. A file without selected gives an empty
// one. Any failure, a row outside the value ranges included, throws StoreError naming the
// file and leaves no output; the legacy file is only read.
class LegacyImport {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;

    // outPath must not exist yet.
    static ConversionCounts convert(const QString& legacyPath, const QString& outPath,
                                    const Progress& progress = {});
};
