// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillkeys.h"

#include "drilllogic.h"

using CardNavigation::Direction;

DrillKeys::DrillKeys(DrillLogic& drill, QObject* parent)
    : QObject(parent)
    , drill_(drill) {
    // The chosen card follows the OK button the drill puts the focus on.
    connect(&drill, &DrillLogic::focusRequested, this, [this] {
        const DrillLogic::Focus focus = drill_.focus();
        if (focus.target == DrillLogic::Focus::Target::CardOk)
            selected_ = focus.slot;
    });
}

bool DrillKeys::press(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= ~Qt::KeypadModifier;
    if (key == Qt::Key_Z && modifiers == Qt::ControlModifier) {
        drill_.undoClick();
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        drill_.chooseCard((key - Qt::Key_1 + 10) % 10);
        return true;
    }
    switch (key) {
    case Qt::Key_Left:
        move(Direction::Left);
        break;
    case Qt::Key_Right:
        move(Direction::Right);
        break;
    case Qt::Key_Up:
        move(Direction::Up);
        break;
    case Qt::Key_Down:
        move(Direction::Down);
        break;
    case Qt::Key_T:
        if (drill_.isOnPage(selected_))
            drill_.wordClick(selected_);
        break;
    case Qt::Key_S:
        drill_.speakCard(selected_);
        break;
    case Qt::Key_N:
        drill_.ngClick(selected_);
        break;
    case Qt::Key_E:
        // A right click: the mouse-up opens the window, the click that follows it turns
        // a card showing its meaning back to the word.
        if (drill_.isOnPage(selected_)) {
            drill_.wordMouseUp(selected_, Qt::RightButton);
            drill_.wordClick(selected_);
        }
        break;
    default:
        return false;
    }
    return true;
}

void DrillKeys::cardFocused(int slot) {
    if (drill_.isOnPage(slot))
        selected_ = slot;
}

void DrillKeys::move(Direction direction) {
    CardNavigation::OnPage onPage{};
    for (int s = 0; s < DrillValues::Slots; ++s)
        onPage[s] = drill_.isOnPage(s);
    drill_.chooseCard(CardNavigation::move(onPage, selected_, direction));
}
