// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A group number right-aligned in three characters ("  7", " 42", "123"). Every group
// list item and every line of the previous-selection file starts with it.
namespace GroupTag {

constexpr int MinGroup = 1;
constexpr int MaxGroup = 999;

QString of(int group);

// The group named by the first three characters of a list item; 0 when they are no number.
int groupOf(const QString& item);

} // namespace GroupTag
