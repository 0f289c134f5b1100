// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardnavigation.h"

#include <QObject>

class DrillLogic;

// The drill's keys: 1-9 and 0 choose card 1-10, the arrows move between cards, T turns the
// chosen card, N grades it NG, E opens its explanation, S says its word, Ctrl+Z is 1つ戻る. Enter
// and Space are left to the focused button, so that Enter on NG grades NG.
class DrillKeys : public QObject {
public:
    explicit DrillKeys(DrillLogic& drill, QObject* parent = nullptr);

    // True when the key was one of the drill's.
    bool press(int key, Qt::KeyboardModifiers modifiers);
    // A card's control got the focus: the keys act on that card from now on.
    void cardFocused(int slot);

private:
    void move(CardNavigation::Direction direction);

    DrillLogic& drill_;
    int selected_ = 0;
};
