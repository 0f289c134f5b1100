// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistwindow.h"

#include "app/appvalues.h"
#include "app/japanesefont.h"
#include "app/twips.h"
#include "app/userdialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString formName = QStringLiteral("VKP010");
}

WordListWindow::WordListWindow(const AppValues& values, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(values.windowTitle);
    buildControls();
    load(values.dataFilePath, dialogs);
}

void WordListWindow::closeAll() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == formName) {
            window->close();
        }
    }
}

void WordListWindow::buildControls() {
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setFont(JapaneseFont::proportionalGothic(9));
    grid_->setModel(&model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setWordWrap(false);
    grid_->setMinimumSize(Twips::toSize(9135, 5295));
    // Fixed row heights spare the view from measuring 50,000 rows.
    QHeaderView* rows = grid_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    rows->setFixedWidth(Twips::toPixels(240));
    sizeColumns();

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setFont(JapaneseFont::proportionalGothic(9));
    close->setMinimumSize(Twips::toSize(1335, 375));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
}

void WordListWindow::sizeColumns() {
    // Each column is as wide as its heading with the trailing blanks, so the meaning
    // column is the widest and the group column the narrowest.
    const QFontMetrics metrics(grid_->horizontalHeader()->font());
    for (int column = 0; column < WordListModel::ColumnCount; ++column) {
        grid_->setColumnWidth(column,
                              metrics.horizontalAdvance(WordListModel::widthText(column)) + 8);
    }
}

void WordListWindow::load(const QString& path, UserDialogs& dialogs) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> error = model_.load(path);
    QApplication::restoreOverrideCursor();
    if (error) {
        dialogs.inform(*error, UserDialogs::Icon::Exclamation);
    }
}
