// SPDX-License-Identifier: GPL-3.0-or-later
#include "appwindows.h"

#include "app/lazysoundplayer.h"
#include "app/lazywordspeaker.h"
#include "app/manual.h"
#include "app/qtdocumentopener.h"
#include "app/qtuserdialogs.h"
#include "app/settingsmodule.h"
#include "screens/drill/drillscreen.h"
#include "screens/drill/explainwindow.h"
#include "screens/main/mainscreen.h"
#include "screens/start/startscreen.h"
#include "screens/start/startupsequence.h"
#include "screens/tools/aboutbox.h"
#include "screens/tools/datafilechooserwindow.h"
#include "screens/tools/displaysettingsdialog.h"
#include "screens/tools/wordlistwindow.h"

#include <QApplication>
#include <QTimer>

namespace {

// How often a request from another copy looks again whether the learner has answered
// the dialog that holds it back.
constexpr int modalRetryMs = 250;

} // namespace

AppWindows::AppWindows(Options options, QObject* parent)
    : QObject(parent)
    , fileToOpen_(options.fileToOpen) {
    if (!options.dialogs)
        ownDialogs_ = std::make_unique<QtUserDialogs>();
    if (!options.sound)
        ownSound_ =
            std::make_unique<LazySoundPlayer>(values_, LazySoundPlayer::defaultModulePaths());
    if (!options.speaker)
        ownSpeaker_ = std::make_unique<LazyWordSpeaker>(LazyWordSpeaker::defaultModulePaths());
    if (!options.documents)
        ownDocuments_ = std::make_unique<QtDocumentOpener>();
    dialogs_ = options.dialogs ? options.dialogs : ownDialogs_.get();
    sound_ = options.sound ? options.sound : ownSound_.get();
    speaker_ = options.speaker ? options.speaker : ownSpeaker_.get();
    documents_ = options.documents ? options.documents : ownDocuments_.get();
    settings_ = std::make_unique<SettingsModule>(values_, *dialogs_, options.executableFolder);
    startup_ = std::make_unique<StartupSequence>(
        *settings_, StartupSequence::Steps{[this] { loadMainHidden(); }, [this] { showMain(); }});
    // Windows closed while the program ends must not bring the main screen back.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { quitting_ = true; });
}

AppWindows::~AppWindows() {
    quitting_ = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget())
            windows << window;
    }
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

QWidget* AppWindows::mainScreen() const {
    return mainScreen_;
}

void AppWindows::start() {
    // Messages of the start sequence appear while no window is visible yet; closing
    // one of them must not end the program.
    const bool quitOnLastClosed = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    startScreen_ = new StartScreen(*startup_);
    startScreen_->show();
    QApplication::setQuitOnLastWindowClosed(quitOnLastClosed);
}

void AppWindows::loadMainHidden() {
    auto* main = new MainScreen(values_, *dialogs_, *documents_);
    connect(main, &MainScreen::drillRequested, this, &AppWindows::showDrill);
    connect(main, &MainScreen::wordListRequested, this, &AppWindows::showWordList);
    connect(main, &MainScreen::dataFileChooserRequested, this, &AppWindows::showDataFileChooser);
    connect(main, &MainScreen::displaySettingsRequested, this, &AppWindows::showDisplaySettings);
    connect(main, &MainScreen::aboutRequested, this, &AppWindows::showAbout);
    mainScreen_ = main;
}

void AppWindows::showMain() {
    if (!mainScreen_)
        loadMainHidden();
    mainScreen_->show();
    // A file named on the command line is opened once the start screen has given way.
    if (!fileToOpen_.isEmpty())
        mainScreen_->openDataFile(std::exchange(fileToOpen_, QString()));
}

void AppWindows::showNewMain() {
    if (quitting_)
        return;
    if (mainScreen_ && mainScreen_->isVisible()) {
        raise(mainScreen_);
        return;
    }
    // A main screen that gave way is closed but may not be deleted yet; showing it again
    // means loading it anew.
    mainScreen_.clear();
    loadMainHidden();
    showMain();
}

void AppWindows::showDrill() {
    DrillScreen* drill = DrillScreen::open(values_, *dialogs_, *sound_, *speaker_);
    if (!drill) {
        showNewMain();
        return;
    }
    connect(drill, &DrillScreen::backToMainRequested, this, &AppWindows::showNewMain);
    connect(drill, &DrillScreen::displaySettingsRequested, this, &AppWindows::showDisplaySettings);
    connect(drill, &DrillScreen::aboutRequested, this, &AppWindows::showAbout);
    connect(drill, &DrillScreen::manualRequested, this,
            [this] { Manual::open(values_, *documents_, *dialogs_); });
    connect(drill, &DrillScreen::fatalError, this, [] { QCoreApplication::exit(1); });
    drillScreen_ = drill;
    drill->show();
}

// One word list: choosing it again brings it forward, unless it shows a file no longer current.
void AppWindows::showWordList() {
    if (wordList_ && wordListFile_ != values_.dataFilePath) {
        wordList_->close();
        wordList_ = nullptr;
    }
    if (!wordList_) {
        wordList_ = new WordListWindow(values_, *dialogs_);
        wordListFile_ = values_.dataFilePath;
    }
    raise(wordList_);
}

void AppWindows::showDataFileChooser() {
    WordListWindow::closeAll();
    auto* chooser = new DataFileChooserWindow(values_, *dialogs_);
    connect(chooser, &DataFileChooserWindow::mainScreenRequested, this, &AppWindows::showNewMain);
    chooser->show();
}

void AppWindows::showDisplaySettings() {
    if (!displaySettings_)
        displaySettings_ = new DisplaySettingsDialog(values_, *dialogs_);
    raise(displaySettings_);
}

void AppWindows::showAbout() {
    if (!about_)
        about_ = new AboutBox(values_);
    raise(about_);
}

void AppWindows::activate(const QString& file) {
    if (quitting_)
        return;
    if (!file.isEmpty())
        fileToOpen_ = file;
    if (QWidget* window = frontWindow())
        raise(window);
    openWaitingFile();
}

void AppWindows::openWaitingFile() {
    // Elsewhere (the start screen, the drill, the chooser) the file waits for the main
    // screen to be shown again.
    if (quitting_ || fileToOpen_.isEmpty() || !mainScreen_ || !mainScreen_->isVisible())
        return;
    // A dialog waiting for the learner may belong to an operation of the main screen that
    // is half done; the file must not change under it.
    if (QApplication::activeModalWidget()) {
        if (!activationWaiting_) {
            activationWaiting_ = true;
            QTimer::singleShot(modalRetryMs, this, [this] {
                activationWaiting_ = false;
                openWaitingFile();
            });
        }
        return;
    }
    mainScreen_->openDataFile(std::exchange(fileToOpen_, QString()));
}

QWidget* AppWindows::frontWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* window :
         {static_cast<QWidget*>(mainScreen_), drillScreen_.data(), startScreen_.data()}) {
        if (window && window->isVisible())
            return window;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->parentWidget())
            return window;
    }
    return nullptr;
}

void AppWindows::raise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
