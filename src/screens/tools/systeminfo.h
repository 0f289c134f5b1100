// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>

struct AppValues;

// What the system information dialog lists: program and Qt versions, the operating
// system and the folders and file the program uses, as name and value pairs.
class SystemInfo {
public:
    using Item = QPair<QString, QString>;

    explicit SystemInfo(const AppValues& values);

    const QList<Item>& items() const { return items_; }
    // One "name: value" line per item, for the clipboard.
    QString text() const;

private:
    QList<Item> items_;
};
