// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appvalues.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

class DocumentOpener;
class MainScreen;
class SettingsModule;
class SoundPlayer;
class StartupSequence;
class UserDialogs;
class WordSpeaker;

// Makes and shows the program's windows and owns what they share for the whole run:
// the application-wide values, the settings module and the dialog, sound, speech and
// document seams. Every window is made here when it is loaded and dies when it is closed, so
// showing a screen again runs its load step anew.
class AppWindows : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString executableFolder{};
        QString fileToOpen{};                // a word data file named on the command line
        UserDialogs* dialogs = nullptr;      // null: the real one
        SoundPlayer* sound = nullptr;        // null: the real one
        DocumentOpener* documents = nullptr; // null: the real one
        WordSpeaker* speaker = nullptr;      // null: the real one
    };

    explicit AppWindows(Options options, QObject* parent = nullptr);
    ~AppWindows() override;

    // Runs the start screen's sequence and shows it.
    void start();

    AppValues& values() { return values_; }
    QString fileToOpen() const { return fileToOpen_; }

    QWidget* startScreen() const { return startScreen_; }
    QWidget* mainScreen() const;

    // Loads the main screen without showing it (its load step runs now).
    void loadMainHidden();
    void showMain();

    // Another copy of the program was started: brings a window of this one to the front
    // and opens file (unless "") on the main screen, now or when it is shown next.
    void activate(const QString& file);

private:
    void showNewMain();
    void showDrill();
    void showWordList();
    void showDataFileChooser();
    void showDisplaySettings();
    void showAbout();
    void openWaitingFile();
    QWidget* frontWindow() const;
    static void raise(QWidget* window);

    AppValues values_;
    QString fileToOpen_;
    std::unique_ptr<UserDialogs> ownDialogs_;
    std::unique_ptr<SoundPlayer> ownSound_;
    std::unique_ptr<WordSpeaker> ownSpeaker_;
    std::unique_ptr<DocumentOpener> ownDocuments_;
    UserDialogs* dialogs_;
    SoundPlayer* sound_;
    WordSpeaker* speaker_;
    DocumentOpener* documents_;
    std::unique_ptr<SettingsModule> settings_;
    std::unique_ptr<StartupSequence> startup_;
    QPointer<QWidget> startScreen_;
    QPointer<MainScreen> mainScreen_;
    QPointer<QWidget> drillScreen_;
    QPointer<QWidget> displaySettings_;
    QPointer<QWidget> about_;
    QPointer<QWidget> wordList_;
    QString wordListFile_;
    bool quitting_ = false;
    bool activationWaiting_ = false;
};
