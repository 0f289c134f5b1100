// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The order people expect in a list of words: letters ignore case and a run of digits
// counts as its number ("word9" before "word10", full-width digits too).
namespace NaturalOrder {

// Below, at or above zero as a comes before, with or after b.
int compare(QStringView a, QStringView b);
// The character case-folded alone (so a text keeps its length), ASCII without a table.
QChar fold(QChar c);

} // namespace NaturalOrder
