// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datafilechooserlogic.h"

#include <QWidget>

class QListWidget;
class QPushButton;

// The data file chooser window (VKP040). It closes itself after Open or Cancel and then
// asks, through mainScreenRequested(), for the main screen to be shown again; the same
// happens when the learner closes it from its frame.
class DataFileChooserWindow : public QWidget {
    Q_OBJECT
public:
    DataFileChooserWindow(AppValues& values, UserDialogs& dialogs,
                          const QString& converterPath = defaultConverterPath(),
                          QWidget* parent = nullptr);

    // voku-words beside the running program.
    static QString defaultConverterPath();

signals:
    void mainScreenRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void openSelected();
    void renderConverting(bool converting);
    void renderProgress(int percent);

    DataFileChooserLogic logic_;
    QListWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool closed_ = false;
};
