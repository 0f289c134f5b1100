// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QString>
#include <vector>

// The word files the benchmarks measure on: a given number of words spread over 999 groups
// (at 50,000 words groups 1 to 50 hold 51 words, the others 50, as in the largest legacy
// fixture), with every level and check count, short and two-line words and meanings, and
// some Null texts.
namespace LargeWordFile {

constexpr int defaultWordCount = 50000;
constexpr int groupCount = 999;

// The sizes measured: 5,000 and 50,000 words, and 500,000 when VOKU_BENCH_LARGE is set.
std::vector<int> sizes();
std::vector<WordRecord> words(int count = defaultWordCount);
// Groups 1 to 999.
std::vector<int> groups();
// Makes the file in folder and returns its path.
QString create(const QString& folder, int count = defaultWordCount);

} // namespace LargeWordFile
