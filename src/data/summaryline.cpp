// SPDX-License-Identifier: GPL-3.0-or-later
#include "summaryline.h"

#include "grouptag.h"
#include "levelclass.h"

namespace SummaryLine {

QString format(const GroupSummary& summary) {
    const auto field = [](qint64 n) {
        return QString::number(n).rightJustified(3, QLatin1Char(' '));
    };
    const auto& c = summary.counts;
    return GroupTag::of(summary.group) + QString(6, QLatin1Char(' ')) +
           field(c[LevelClass::Never]) + QString(4, QLatin1Char(' ')) + field(c[0]) +
           QString(3, QLatin1Char(' ')) + field(c[1]) + QString(3, QLatin1Char(' ')) + field(c[2]) +
           QString(3, QLatin1Char(' ')) + field(c[3]) + QString(4, QLatin1Char(' ')) + field(c[4]) +
           QString(4, QLatin1Char(' '));
}

} // namespace SummaryLine
