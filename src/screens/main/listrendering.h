// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QListWidget;

namespace ListRendering {

// Shows the items in the list. The learner's selection is kept for every group (the first
// three characters of an item) that is still listed.
void show(QListWidget* list, const QStringList& items);

} // namespace ListRendering
