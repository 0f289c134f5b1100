// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/product.h"
#include "app/qtuserdialogs.h"
#include "program/applicationsetup.h"
#include "program/appwindows.h"
#include "program/singleinstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationSetup::apply(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(Product::title());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.vku"),
                                 QStringLiteral("単語データを開いて始めます。"),
                                 QStringLiteral("[FILE.vku]"));
    parser.process(app);

    const QString file = parser.positionalArguments().value(0);
    // One copy per settings folder: a second one hands its file to the first and ends,
    // so two copies never rewrite each other's settings files.
    SingleInstance instance(SingleInstance::nameFor(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    const QString absolute = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    if (instance.handOver(absolute) || (!instance.listen() && instance.handOver(absolute))) {
        QString text = QStringLiteral("VOKU英単カードはすでに起動しています。");
        if (!file.isEmpty())
            text += QStringLiteral("\n%1 は、起動中のVOKU英単カードのメイン画面で開きます。")
                        .arg(QFileInfo(file).fileName());
        QtUserDialogs().inform(text, UserDialogs::Icon::Information);
        return 0;
    }

    AppWindows windows(
        {.executableFolder = QApplication::applicationDirPath(), .fileToOpen = file});
    QObject::connect(&instance, &SingleInstance::activated, &windows, &AppWindows::activate);
    windows.start();
    return app.exec();
}
