// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QString>
#include <vector>

// Word data files for the printing tests, made from the rows of the small fixture.
namespace wordfiles {

// The 36 rows of jet/small-2000.word.csv.
std::vector<WordRecord> smallFixtureRows();
// count rows of the small fixture, repeated as needed, all in group with keys 1, 2, ...
std::vector<WordRecord> rowsInGroup(int count, int group);
// A new word data file in dir holding rows; returns its path.
QString makeWordFile(const QString& dir, const std::vector<WordRecord>& rows,
                     const QString& name = QStringLiteral("words.vku"));

} // namespace wordfiles
