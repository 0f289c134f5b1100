// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QString>
#include <vector>

// Word rows for store tests.
namespace wordfiles {

// The 36 words of the small fixture files, read from their CSV dump.
std::vector<WordRecord> smallFixtureWords();

} // namespace wordfiles
