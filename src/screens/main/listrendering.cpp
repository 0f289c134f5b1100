// SPDX-License-Identifier: GPL-3.0-or-later
#include "listrendering.h"

#include <QListWidget>
#include <QSet>

namespace ListRendering {

namespace {

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    items.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row)->text());
    return items;
}

} // namespace

void show(QListWidget* list, const QStringList& items) {
    if (itemsOf(list) == items)
        return;
    QSet<QString> selectedTags;
    for (const QListWidgetItem* item : list->selectedItems())
        selectedTags.insert(item->text().left(3));
    list->clear();
    list->addItems(items);
    if (selectedTags.isEmpty())
        return;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        item->setSelected(selectedTags.contains(item->text().left(3)));
    }
}

} // namespace ListRendering
