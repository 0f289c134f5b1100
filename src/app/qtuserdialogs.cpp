// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtuserdialogs.h"
#include "app/product.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

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

QString QtUserDialogs::chooseCsvFile(const QString& startFolder) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title(), startFolder,
                                        QStringLiteral("CSV (*.csv);;すべてのファイル (*)"),
                                        nullptr, QFileDialog::DontUseNativeDialog);
}

QString QtUserDialogs::chooseSaveFile(const QString& suggestedPath, const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), title(), suggestedPath, filter);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without the ending gets the suggested one, before the question whether
    // an existing file may be replaced.
    dialog.setDefaultSuffix(QFileInfo(suggestedPath).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtUserDialogs::chooseOne(const QString& text, const QStringList& choices) {
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Cancel,
                    QApplication::activeWindow());
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    box.exec();
    const auto index = buttons.indexOf(box.clickedButton());
    return index < 0 ? QString() : choices.at(index);
}

std::optional<QColor> QtUserDialogs::chooseColour(const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, QApplication::activeWindow(), title(),
                                                 QColorDialog::DontUseNativeDialog);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}
