// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <vector>

// The counts of one group by level class (index as in LevelClass).
struct GroupSummary {
    int group = 0;
    std::array<qint64, 6> counts{};
};

namespace SummaryLine {

// The main screen's summary line: seven right-aligned fields of three characters (group,
// never checked, levels 0 to 4) with the spacing of the column header; a number of four
// or more digits widens its field.
QString format(const GroupSummary& summary);

} // namespace SummaryLine
