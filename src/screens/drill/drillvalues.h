// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/levelclass.h"
#include "data/wordrecord.h"

#include <array>

// One card slot: the word as read when its page was loaded (nothing is re-read
// afterwards, so every grade is computed from it) and what the drill did with it.
struct DrillCard {
    WordRecord record;
    bool graded = false;
    bool meaningShown = false;
};

// Everything the drill remembers about the page and the rank bar.
struct DrillValues {
    static constexpr int Slots = 10;

    std::array<DrillCard, Slots> cards{};

    LevelCounts rankCounts{}; // words of each rank not yet passed with OK
    std::array<bool, LevelClass::Count> rankDone{};
    int currentRank = 0;
    bool queueEnded = false;
    int cardsLeft = 0;
    bool rightClicked = false;
    int lastOkCard = 0;
};
