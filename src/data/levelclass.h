// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The six classes every word falls in: levels 0 to 4 for words graded at least once,
// and "never checked" for words with times 0, whatever their level. The index orders
// the practice set's counts, the drill's rank buttons and the summary columns.
using LevelCounts = std::array<qint32, 6>;

namespace LevelClass {

constexpr int Count = 6;
constexpr int Never = 5;
constexpr int MaxTimes = 999;

// Class index of a word: 5 when times is 0, else its level; -1 for a level outside 0..4.
int of(int level, int times);

// The mark shown for a class: "○", "△○", "△△○", "△△△○", "△△△△", "チェックしてない".
QString mark(int index);

} // namespace LevelClass
