// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtuserdialogs.h"
#include "app/product.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(UserDialogs::Icon icon) {
    switch (icon) {
    case UserDialogs::Icon::Information:
        return QMessageBox::Information;
    case UserDialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case UserDialogs::Icon::Critical:
        return QMessageBox::Critical;
    case UserDialogs::Icon::Question:
        return QMessageBox::Question;
    case UserDialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

int showMessage(const QString& text, UserDialogs::Icon icon, QMessageBox::StandardButtons buttons) {
    QMessageBox box(boxIcon(icon), QtUserDialogs::title(), text, buttons,
                    QApplication::activeWindow());
    return box.exec();
}

} // namespace

QString QtUserDialogs::title() {
    return Product::title();
}

void QtUserDialogs::inform(const QString& text, Icon icon) {
    showMessage(text, icon, QMessageBox::Ok);
}

bool QtUserDialogs::askYesNo(const QString& text, Icon icon) {
    return showMessage(text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtUserDialogs::chooseDataFile(const QString& startFolder) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title(), startFolder,
                                        QStringLiteral("単語データ (*.vku)"), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString QtUserDialogs::choosePdfFile(const QString& suggestedPath) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title(), suggestedPath,
                                        QStringLiteral("PDF (*.pdf)"), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

std::optional<QColor> QtUserDialogs::chooseColour(const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, QApplication::activeWindow(), title(),
                                                 QColorDialog::DontUseNativeDialog);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}
