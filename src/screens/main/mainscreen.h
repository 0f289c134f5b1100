// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
struct AppValues;
class DocumentOpener;
class MainScreenLogic;
class UserDialogs;

// The main screen VK0010: the groups of the current word file with their progress, the
// choice of groups to practise, and the menus. Created means loaded: the constructor runs
// the load step. It closes itself (and is deleted) when it gives way to the drill or the
// data file chooser.
class MainScreen : public QMainWindow {
    Q_OBJECT
public:
    // converterPath is the tool that converts legacy word files (voku-words).
    MainScreen(AppValues& values, UserDialogs& dialogs, DocumentOpener& opener,
               const QString& converterPath = defaultConverterPath(), QWidget* parent = nullptr);
    ~MainScreen() override;

    MainScreenLogic& logic() { return *logic_; }
    // Opens a word data file as the menu's "開く" does (the file named on the command line).
    void openDataFile(const QString& path);

    static QString defaultConverterPath();

signals:
    void drillRequested();
    void wordListRequested();
    void dataFileChooserRequested();
    void displaySettingsRequested();
    void aboutRequested();

protected:
    bool event(QEvent* event) override;

private:
    void buildControls(QWidget* area);
    void setKeyboardOrder();
    void buildMenus();
    void connectLogic();
    void renderProgress();
    void renderWorking();
    void applyBackground();
    void print();
    void exitProgram(int status);

    UserDialogs& dialogs_;
    MainScreenLogic* logic_;
    QListWidget* summaryList_ = nullptr;
    QListWidget* chosenList_ = nullptr;
    QListWidget* previousList_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QList<QPushButton*> buttons_;
};
