// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systeminfo.h"

#include <QWidget>

// Program, Qt and system versions and the folders in use, with a button that copies
// them for a report.
class SystemInfoDialog : public QWidget {
    Q_OBJECT
public:
    explicit SystemInfoDialog(const AppValues& values, QWidget* parent = nullptr);

private:
    void buildControls();
    void copyToClipboard();

    SystemInfo info_;
};
