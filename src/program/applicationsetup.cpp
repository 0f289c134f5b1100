// SPDX-License-Identifier: GPL-3.0-or-later
#include "applicationsetup.h"

#include "app/product.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

void ApplicationSetup::apply(QApplication& app) {
    QApplication::setApplicationName(Product::title());
    QApplication::setApplicationVersion(Product::version());
    QApplication::setDesktopFileName(QStringLiteral("voku"));
    // The installed theme icon when there is one, else the copy built into the program.
    // Looking through the icon themes takes a few milliseconds, so it is done once the first
    // window is up; Qt then gives the icon to every window already open.
    QTimer::singleShot(0, &app, [] {
        QApplication::setWindowIcon(
            QIcon::fromTheme(QStringLiteral("voku"), QIcon(QStringLiteral(":/voku/voku.svg"))));
    });
    loadQtJapanese(app);
}

// The learner reads Japanese whatever the locale, so Qt's own buttons and the file and
// colour dialogs speak it too. Without the translation they stay in English.
void ApplicationSetup::loadQtJapanese(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
