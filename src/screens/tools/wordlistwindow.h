// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordlistfilter.h"
#include "wordlistmodel.h"

#include <QWidget>

struct AppValues;
class UserDialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

// The word list window (VKP010): every word of the current file in a read-only grid,
// as it was when the window opened. Above the grid the learner can search the words and
// meanings, pick one group, and sort by a column with a click on its heading.
class WordListWindow : public QWidget {
    Q_OBJECT
public:
    WordListWindow(const AppValues& values, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Closes every open word list (before the data file chooser replaces the main screen).
    static void closeAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* buildFindBar();
    void buildGrid();
    void sizeColumns();
    void load(const QString& path, UserDialogs& dialogs);
    void fillGroups();
    void showCount();
    void escape();

    WordListModel model_;
    WordListFilter filter_{model_};
    QLineEdit* find_ = nullptr;
    QComboBox* group_ = nullptr;
    QLabel* count_ = nullptr;
    QTableView* grid_ = nullptr;
};
