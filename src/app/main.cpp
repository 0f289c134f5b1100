// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appversion.h"
#include "app/appwindows.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("voku"));
    QApplication::setApplicationVersion(AppVersion::number());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("VOKU英単カード"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.vku"),
                                 QStringLiteral("単語データを開いて始めます。"),
                                 QStringLiteral("[FILE.vku]"));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    AppWindows windows(
        {.executableFolder = QApplication::applicationDirPath(), .fileToOpen = files.value(0)});
    windows.start();
    return app.exec();
}
