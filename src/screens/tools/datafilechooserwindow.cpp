// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafilechooserwindow.h"

#include "app/japanesefont.h"
#include "app/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

DataFileChooserWindow::DataFileChooserWindow(AppValues& values, UserDialogs& dialogs,
                                             const QString& converterPath, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , logic_(values, dialogs, converterPath) {
    setObjectName(QStringLiteral("VKP040"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(JapaneseFont::proportionalGothic(9));
    buildControls();
    connect(&logic_, &DataFileChooserLogic::finished, this, &QWidget::close);
    connect(&logic_, &DataFileChooserLogic::convertingChanged, this,
            &DataFileChooserWindow::renderConverting);
    connect(&logic_, &DataFileChooserLogic::conversionProgress, this,
            &DataFileChooserWindow::renderProgress);

    logic_.load();
    setWindowTitle(logic_.caption());
    list_->addItems(logic_.files());
}

QString DataFileChooserWindow::defaultConverterPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/voku-words");
}

void DataFileChooserWindow::buildControls() {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Ls_Db"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(Twips::toSize(5175, 2400));
    open_ = new QPushButton(QStringLiteral("開く"), this);
    open_->setObjectName(QStringLiteral("Bt_Open"));
    open_->setMinimumSize(Twips::toSize(1215, 495));
    cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel_->setObjectName(QStringLiteral("Bt_Cancel"));
    cancel_->setMinimumSize(Twips::toSize(1215, 495));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(open_);
    buttons->addSpacing(Twips::toPixels(465));
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(open_, &QPushButton::clicked, this, &DataFileChooserWindow::openSelected);
    // Double click and Enter on a file act as 開く. Named rather than left to itemActivated,
    // whose meaning follows the desktop's single-click setting.
    connect(list_, &QListWidget::itemDoubleClicked, this, &DataFileChooserWindow::openSelected);
    list_->installEventFilter(this);
    connect(cancel_, &QPushButton::clicked, &logic_, &DataFileChooserLogic::cancel);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, &logic_,
            &DataFileChooserLogic::cancel);
}

void DataFileChooserWindow::openSelected() {
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    logic_.open(selected.isEmpty() ? -1 : selected.first().row());
}

bool DataFileChooserWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DataFileChooserWindow::renderConverting(bool converting) {
    list_->setEnabled(!converting);
    open_->setEnabled(!converting);
    cancel_->setEnabled(!converting);
    if (converting) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        renderProgress(0);
    } else {
        QApplication::restoreOverrideCursor();
        setWindowTitle(logic_.caption());
    }
}

void DataFileChooserWindow::renderProgress(int percent) {
    setWindowTitle(
        QStringLiteral("%1（変換中 %2%）").arg(logic_.caption(), QString::number(percent)));
}

void DataFileChooserWindow::closeEvent(QCloseEvent* event) {
    // The conversion is left to finish, so the file is either the old or the new one.
    if (logic_.isConverting()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted() && !closed_) {
        closed_ = true;
        emit mainScreenRequested();
    }
}
