// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardnavigation.h"

#include <cstdlib>

namespace CardNavigation {

namespace {

constexpr int Rows = 5;
constexpr int Slots = 10;

int inOrder(const OnPage& onPage, int from, int step) {
    for (int s = from + step; s >= 0 && s < Slots; s += step) {
        if (onPage[s])
            return s;
    }
    return -1;
}

int nearestInColumn(const OnPage& onPage, int row, int column) {
    int best = -1;
    for (int r = 0; r < Rows; ++r) {
        const int s = column * Rows + r;
        if (onPage[s] && (best < 0 || std::abs(r - row) < std::abs(best % Rows - row)))
            best = s;
    }
    return best;
}

} // namespace

int move(const OnPage& onPage, int from, Direction direction) {
    if (from < 0 || from >= Slots)
        return -1;
    const int column = from / Rows;
    switch (direction) {
    case Direction::Up:
        return inOrder(onPage, from, -1);
    case Direction::Down:
        return inOrder(onPage, from, 1);
    case Direction::Left:
        return column == 1 ? nearestInColumn(onPage, from % Rows, 0) : -1;
    case Direction::Right:
        return column == 0 ? nearestInColumn(onPage, from % Rows, 1) : -1;
    }
    return -1;
}

} // namespace CardNavigation
