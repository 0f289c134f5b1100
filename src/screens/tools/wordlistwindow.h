// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordlistmodel.h"

#include <QWidget>

struct AppValues;
class UserDialogs;
class QTableView;

// The word list window (VKP010): every word of the current file in a read-only grid,
// as it was when the window opened.
class WordListWindow : public QWidget {
    Q_OBJECT
public:
    WordListWindow(const AppValues& values, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Closes every open word list (before the data file chooser replaces the main screen).
    static void closeAll();

private:
    void buildControls();
    void sizeColumns();
    void load(const QString& path, UserDialogs& dialogs);

    WordListModel model_;
    QTableView* grid_ = nullptr;
};
