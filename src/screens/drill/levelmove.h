// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How one grade moves a word: its new level and check count from the level and count it
// had when its page was loaded. Grades are stored as these absolute values, which is
// what lets undo simply grade the card again.
namespace LevelMove {

enum class Grade { Ok, Ng };

struct Result {
    int level = 0;
    int times = 0;
    bool operator==(const Result&) const = default;
};

// A first check puts a word at level 0 (OK) or 4 (NG); later an NG moves it one level
// towards 4, and an OK keeps its level, except that level 4 comes back to 1, 2 or 3 by
// how often it had been checked. The count stops at 999.
Result after(Grade grade, int level, int times);

// The caption a card shows after NG: the mark of the new level followed by "へ".
QString caption(int newLevel);

} // namespace LevelMove
