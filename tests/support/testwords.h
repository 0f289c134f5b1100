// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QString>
#include <vector>

// The one builder of word data files for tests.
namespace testwords {

// A word with the given progress; its word names group and key ("w3-17") and so does its
// meaning ("意味3-17"); the other texts are Null.
WordRecord word(int group, int key, int level = 0, int times = 0);

// count words of group with keys 1 to count, all with the same progress.
std::vector<WordRecord> words(int group, int count, int level = 0, int times = 0);

// Makes a new word data file at path holding rows (no practice set) and returns path.
QString makeWordFile(const QString& path, const std::vector<WordRecord>& rows);

// The rows of a word data file's word table, or of its practice set.
std::vector<WordRecord> rowsOf(const QString& path, bool practiceSet = false);

} // namespace testwords
