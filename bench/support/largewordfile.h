// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QString>
#include <vector>

// The word file the benchmarks measure on: 50,000 words in 999 groups (groups 1 to 50
// hold 51 words, the others 50, as in the largest legacy fixture), with every level and
// check count, short and two-line words and meanings, and some Null texts.
namespace LargeWordFile {

constexpr int wordCount = 50000;
constexpr int groupCount = 999;

std::vector<WordRecord> words();
// Groups 1 to 999.
std::vector<int> groups();
// Makes the file in folder and returns its path.
QString create(const QString& folder);

} // namespace LargeWordFile
