// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelmove.h"

#include "data/levelclass.h"

#include <algorithm>

namespace LevelMove {

namespace {

constexpr int TopLevel = 4;

int okLevel(int level, int times) {
    if (times <= 0)
        return 0;
    if (level < TopLevel)
        return level;
    return std::min(times, 3);
}

int ngLevel(int level, int times) {
    if (times <= 0)
        return TopLevel;
    return std::min(level + 1, TopLevel);
}

} // namespace

Result after(Grade grade, int level, int times) {
    // A value outside 0..4 cannot be stored; clamping keeps a damaged row from
    // producing one.
    const int known = std::clamp(level, 0, TopLevel);
    const int newLevel = grade == Grade::Ok ? okLevel(known, times) : ngLevel(known, times);
    const int newTimes = times < LevelClass::MaxTimes ? std::max(times, 0) + 1 : times;
    return {newLevel, newTimes};
}

QString caption(int newLevel) {
    return LevelClass::mark(newLevel) + QStringLiteral("へ");
}

} // namespace LevelMove
