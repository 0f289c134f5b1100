// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"
#include "drillview.h"

// What passes between the drill and its explanation window: the card explained, where it
// sat on the page, and the grade the window asked for. The card is kept by group and
// key as well, because the page may change under the open window.
class ExplainHandOver {
public:
    enum class Grade { None, Ok, Ng };

    const ExplainView& view() const { return view_; }
    bool isOpen() const { return view_.open; }
    int slot() const { return slot_; }
    // Whether card is the one explained (the slot's card may be another by now).
    bool explains(const WordRecord& card) const;

    // Opens the window on a card, or shows that card in the open one. A card graded NG
    // already is shown with 閉じる alone.
    void show(const WordRecord& card, int slot, bool gradedNg);
    // Draws the explained card with the current colours.
    void refresh(const QString& backColour, const QString& textBackColour);
    // The window's OK or NG: false when the window does not offer it.
    bool request(Grade grade);
    void close() { view_.open = false; }
    Grade requested() const { return requested_; }
    void clearRequest() { requested_ = Grade::None; }

private:
    ExplainView view_;
    WordRecord card_;
    int slot_ = 0;
    Grade requested_ = Grade::None;
};
