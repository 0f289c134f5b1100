// SPDX-License-Identifier: GPL-3.0-or-later
#include "busycursor.h"

#include <QCursor>
#include <QGuiApplication>

BusyCursor::BusyCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        shown_ = true;
    }
}

BusyCursor::~BusyCursor() {
    if (shown_ && !kept_)
        QGuiApplication::restoreOverrideCursor();
}
