// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistwindow.h"

#include "app/appvalues.h"
#include "app/japanesefont.h"
#include "app/twips.h"
#include "app/userdialogs.h"
#include "data/grouptag.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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
    setFont(JapaneseFont::proportionalGothic(9));
    QLayout* findBar = buildFindBar();
    buildGrid();

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setMinimumSize(Twips::toSize(1335, 375));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            &WordListWindow::escape);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(findBar);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    load(values.dataFilePath, dialogs);
}

void WordListWindow::closeAll() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == formName) {
            window->close();
        }
    }
}

QLayout* WordListWindow::buildFindBar() {
    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("TX_find"));
    find_->setPlaceholderText(QStringLiteral("単語・意味を検索"));
    find_->setToolTip(
        QStringLiteral("入力した文字を単語か意味に含む行だけを表示します（Esc で消去）"));
    find_->setClearButtonEnabled(true);
    find_->installEventFilter(this);
    // textChanged also comes when an input method commits its text, so Japanese typed
    // through one filters as soon as it is confirmed.
    connect(find_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_.setSearchText(text);
        showCount();
    });

    group_ = new QComboBox(this);
    group_->setObjectName(QStringLiteral("CB_group"));
    group_->setToolTip(QStringLiteral("表示するグループ"));
    connect(group_, &QComboBox::currentIndexChanged, this, [this] {
        filter_.setGroup(group_->currentData().toInt());
        showCount();
    });

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("LB_count"));
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count_->setMinimumWidth(
        count_->fontMetrics().horizontalAdvance(QStringLiteral("0,000,000 語")));

    auto* bar = new QHBoxLayout;
    bar->addWidget(find_, 1);
    bar->addWidget(group_);
    bar->addWidget(count_);
    return bar;
}

void WordListWindow::buildGrid() {
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setModel(&filter_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setWordWrap(false);
    grid_->setMinimumSize(Twips::toSize(9135, 5295));
    // Fixed row heights spare the view from measuring every row.
    QHeaderView* rows = grid_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    rows->setFixedWidth(Twips::toPixels(240));
    // No sort at first, so the rows come in the file's order; a third click on a heading
    // returns to it.
    QHeaderView* columns = grid_->horizontalHeader();
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    columns->setSortIndicatorClearable(true);
    grid_->setSortingEnabled(true);
    sizeColumns();
}

void WordListWindow::sizeColumns() {
    // Each column is as wide as its heading with the trailing blanks, so the meaning
    // column is the widest and the group column the narrowest; no row is measured.
    const QFontMetrics metrics(grid_->horizontalHeader()->font());
    for (int column = 0; column < WordListModel::ColumnCount; ++column) {
        grid_->setColumnWidth(column,
                              metrics.horizontalAdvance(WordListModel::widthText(column)) + 8);
    }
}

void WordListWindow::load(const QString& path, UserDialogs& dialogs) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> error = model_.load(path);
    fillGroups();
    showCount();
    QApplication::restoreOverrideCursor();
    if (error) {
        dialogs.inform(*error, UserDialogs::Icon::Exclamation);
    }
}

void WordListWindow::fillGroups() {
    const QSignalBlocker blocker(group_);
    group_->addItem(QStringLiteral("すべてのグループ"), 0);
    for (const int group : model_.rows().groups())
        group_->addItem(GroupTag::of(group), group);
}

void WordListWindow::showCount() {
    count_->setText(QLocale(QLocale::Japanese).toString(filter_.rowCount()) +
                    QStringLiteral(" 語"));
}

// Esc reaches the field itself when the window's shortcut does not take it first (the
// window not yet active); either way it does the same.
bool WordListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == find_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        escape();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Esc first empties the search field; on an empty field it closes the window as before.
void WordListWindow::escape() {
    if (find_->text().isEmpty())
        close();
    else
        find_->clear();
}
