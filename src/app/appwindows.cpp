// SPDX-License-Identifier: GPL-3.0-or-later
#include "appwindows.h"

#include "qtdocumentopener.h"
#include "qtsoundplayer.h"
#include "qtuserdialogs.h"
#include "settingsmodule.h"
#include "startscreen.h"
#include "startupsequence.h"

#include <QApplication>
#include <QMainWindow>

AppWindows::AppWindows(Options options, QObject* parent)
    : QObject(parent)
    , fileToOpen_(options.fileToOpen) {
    if (!options.dialogs)
        ownDialogs_ = std::make_unique<QtUserDialogs>();
    if (!options.sound)
        ownSound_ = std::make_unique<QtSoundPlayer>(values_);
    if (!options.documents)
        ownDocuments_ = std::make_unique<QtDocumentOpener>();
    dialogs_ = options.dialogs ? options.dialogs : ownDialogs_.get();
    sound_ = options.sound ? options.sound : ownSound_.get();
    documents_ = options.documents ? options.documents : ownDocuments_.get();
    settings_ =
        std::make_unique<SettingsModule>(values_, *dialogs_, *sound_, options.executableFolder);
    startup_ = std::make_unique<StartupSequence>(
        *settings_, StartupSequence::Steps{[this] { loadMainHidden(); }, [this] { showMain(); }});
}

AppWindows::~AppWindows() {
    delete startScreen_;
    delete mainScreen_;
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
    auto* main = new QMainWindow;
    main->setObjectName(QStringLiteral("VK0010"));
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->setWindowTitle(values_.WindowTitle.isEmpty() ? QtUserDialogs::title()
                                                       : values_.WindowTitle);
    mainScreen_ = main;
}

void AppWindows::showMain() {
    if (!mainScreen_)
        loadMainHidden();
    mainScreen_->show();
}
