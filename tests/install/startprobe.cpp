// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into the installed program with LD_PRELOAD: answers its message boxes with their
// default button, presses the start screen's button and writes what each window showed
// to $VOKU_PROBE_REPORT, one "key=value" line each; then ends the program.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

void report(const QString& key, const QString& value) {
    QFile file(qEnvironmentVariable("VOKU_PROBE_REPORT"));
    if (file.open(QIODevice::Append))
        file.write((key + QLatin1Char('=') + QString(value).replace(u'\n', u' ') + u'\n').toUtf8());
}

QWidget* shownWindow(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == name)
            return window;
    }
    return nullptr;
}

void look() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        report(QStringLiteral("message"), box->text());
        box->defaultButton() ? box->defaultButton()->click() : box->buttons().first()->click();
    } else if (QWidget* start = shownWindow(QStringLiteral("VK0000"))) {
        const auto* picture = start->findChild<QLabel*>(QStringLiteral("Image1"));
        report(QStringLiteral("picture"), QString::number(picture->pixmap().width()));
        report(QStringLiteral("start"),
               start->findChild<QLabel*>(QStringLiteral("tx_com"))->text());
        report(QStringLiteral("icon"), QString::number(!start->windowIcon().isNull()));
        start->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    } else if (QWidget* main = shownWindow(QStringLiteral("VK0010"))) {
        report(QStringLiteral("title"), main->windowTitle());
        report(QStringLiteral("groups"),
               QString::number(main->findChild<QListWidget*>(QStringLiteral("Ls_Db"))->count()));
        QApplication::exit(0);
    }
}

void startLooking() {
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, &look);
    timer->start(100);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startLooking)
