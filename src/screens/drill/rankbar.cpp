// SPDX-License-Identifier: GPL-3.0-or-later
#include "rankbar.h"

#include "drillvalues.h"
#include "drillview.h"

namespace {

const QString ButtonColour = QString::number(0xFFC0C0);
const QString RankActiveColour = QString::number(0x0000FF);

} // namespace

RankBar::RankBar(DrillValues& values, DrillView& view)
    : values_(values)
    , view_(view) {}

void RankBar::clear() {
    for (int i = 0; i < LevelClass::Count; ++i) {
        view_.rankButtons[i].visible = false;
        values_.rankDone[i] = false;
        view_.rankCounts[i].text.clear();
        view_.rankCounts[i].visible = false;
    }
}

void RankBar::load(const LevelCounts& counts) {
    values_.rankCounts = counts;
    for (int i = 0; i < LevelClass::Count; ++i) {
        if (values_.rankCounts[i] <= 0)
            continue;
        view_.rankButtons[i] = {LevelClass::mark(i), true, true, ButtonColour};
        view_.rankCounts[i].visible = true;
        showCount(i);
    }
}

bool RankBar::canStart(int rank) const {
    return rank >= 0 && rank < LevelClass::Count && view_.rankButtons[rank].visible &&
           view_.rankButtons[rank].enabled;
}

int RankBar::firstOpen() const {
    // "Never checked" sits left of the levels.
    for (int rank : {LevelClass::Never, 0, 1, 2, 3, 4}) {
        if (canStart(rank))
            return rank;
    }
    return -1;
}

void RankBar::start(int rank) {
    view_.rankButtons[rank].colour = RankActiveColour;
    values_.currentRank = rank;
    for (ControlView& button : view_.rankButtons) {
        if (button.visible)
            button.enabled = false;
    }
}

bool RankBar::isPractised(const ControlView& button) {
    return button.colour == RankActiveColour;
}

void RankBar::countPassed() {
    --values_.rankCounts[values_.currentRank];
    showCount(values_.currentRank);
}

void RankBar::countUndone() {
    ++values_.rankCounts[values_.currentRank];
    showCount(values_.currentRank);
}

bool RankBar::finish() {
    bool ranksLeft = false;
    for (int j = 0; j < LevelClass::Count; ++j) {
        ControlView& button = view_.rankButtons[j];
        if (!button.visible)
            continue;
        button.colour = ButtonColour;
        button.enabled = !values_.rankDone[j];
        if (button.enabled && j != 0)
            ranksLeft = true;
    }
    return ranksLeft;
}

void RankBar::showCount(int rank) {
    const qint32 count = values_.rankCounts[rank];
    view_.rankCounts[rank].text =
        count > 0 ? QString::number(count) + QStringLiteral("個") : QStringLiteral("終了!");
}
