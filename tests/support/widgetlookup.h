// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QListWidget>
#include <QTest>

// Finding windows and controls by their objectName, as the window tests drive them.
namespace widgets {

// The control called name inside parent; the test program stops when there is none.
template <typename T = QWidget> T* child(const QObject* parent, const QString& name) {
    T* found = parent ? parent->findChild<T*>(name) : nullptr;
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// How many top-level windows called name exist, shown or not.
inline int windowCount(const QString& name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == name;
    return count;
}

// The visible top-level window called name, or nullptr.
inline QWidget* window(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

// A left click on the control called name inside parent.
inline void click(const QObject* parent, const QString& name) {
    QTest::mouseClick(child(parent, name), Qt::LeftButton);
}

// The texts of the rows of the list called name inside parent.
inline QStringList texts(const QObject* parent, const QString& name) {
    QStringList result;
    const auto* list = child<QListWidget>(parent, name);
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

} // namespace widgets
