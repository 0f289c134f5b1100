// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

struct AppValues;

// The About box (frmAbout): title, version, copyright and contact, and the way to the
// system information dialog.
class AboutBox : public QWidget {
    Q_OBJECT
public:
    explicit AboutBox(const AppValues& values, QWidget* parent = nullptr);

private:
    void buildControls();
    QLayout* buildButtons();
    void showSystemInfo();

    const AppValues& values_;
};
