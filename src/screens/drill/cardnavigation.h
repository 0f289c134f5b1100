// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Moving the selection between the cards of a page with the arrow keys. Slots 0 to 4
// are the left column from the top, 5 to 9 the right one; only cards still on the
// page can be selected.
namespace CardNavigation {

enum class Direction { Left, Right, Up, Down };
using OnPage = std::array<bool, 10>;

// The card reached from slot from; -1 when there is none in that direction.
// Up and down follow the reading order (the bottom of the left column leads to the top
// of the right one); left and right go to the nearest row of the other column.
int move(const OnPage& onPage, int from, Direction direction);

} // namespace CardNavigation
