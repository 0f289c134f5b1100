// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

// Word rows for tests that make word data files.
namespace testwords {

// A word with the given progress; its word names group and key ("w3-17") and so does its
// meaning ("意味3-17"); the other texts are Null.
WordRecord word(int group, int key, int level = 0, int times = 0);

} // namespace testwords
