// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal Qt Widgets window with a 1,000-item list: what any Qt program pays to start.
#include <QApplication>
#include <QListWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QListWidget list;
    for (int i = 1; i <= 1000; ++i)
        list.addItem(QStringLiteral("Item %1").arg(i));
    list.setWindowTitle(QStringLiteral("bare window"));
    list.show();
    return app.exec();
}
