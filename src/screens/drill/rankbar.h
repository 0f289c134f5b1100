// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/levelclass.h"

struct DrillValues;
struct DrillView;
struct ControlView;

// The drill's rank bar: a button for every rank that had words when the drill loaded, the
// count of its words still to be passed under it, and which ranks were practised. It
// works on the drill's values and view.
class RankBar {
public:
    RankBar(DrillValues& values, DrillView& view);

    void clear();
    void load(const LevelCounts& counts);
    bool canStart(int rank) const;
    // The leftmost rank that can be chosen; -1 when none can.
    int firstOpen() const;
    // The chosen rank turns red and no rank can be chosen while it is practised.
    void start(int rank);
    // The rank being practised, drawn red and disabled.
    static bool isPractised(const ControlView& button);
    void countPassed();
    void countUndone();
    // Every offered rank back to its normal colour, those practised disabled. True when a
    // rank is left to practise; words at "○" are known already and never count.
    bool finish();

private:
    void showCount(int rank);

    DrillValues& values_;
    DrillView& view_;
};
