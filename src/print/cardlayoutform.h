// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layoutform.h"

// The layout of a card page, VKPR010: twenty card rows, each with a tick box, two lines
// of the word, the pronunciation, the group, the level mark and two lines of the
// meaning, ruled off from each other, and a footer with the title and page number.
class CardLayoutForm {
public:
    static constexpr int Rows = 20;
    static constexpr int RowHeight = 420;

    static LayoutForm make();

private:
    static void addRowLabels(LayoutForm& form, int row);
    static void addTickBox(LayoutForm& form, int row);
    static void addPageElements(LayoutForm& form);
};
