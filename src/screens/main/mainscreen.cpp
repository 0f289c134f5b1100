// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainscreen.h"

#include "listrendering.h"
#include "mainscreenlogic.h"

#include "app/japanesefont.h"
#include "app/twips.h"
#include "print/cardprinter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <optional>

namespace {

// The header's proportional font at the size that puts its column names over the columns
// of the summary lines in the lists' fixed-pitch font.
constexpr qreal headerPoints = 8;

QLabel* label(QWidget* area, const char* name, const QString& text, const QRect& geometry,
              const std::optional<QFont>& font = std::nullopt) {
    auto* control = new QLabel(text, area);
    control->setObjectName(QLatin1String(name));
    if (font)
        control->setFont(*font);
    // A caption wider than its laid-out box in our fonts grows to the right rather than
    // being cut.
    control->setGeometry(
        geometry.adjusted(0, 0, std::max(0, control->sizeHint().width() - geometry.width()), 0));
    return control;
}

QListWidget* list(QWidget* area, const char* name, const QRect& geometry, bool selectable) {
    auto* control = new QListWidget(area);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    control->setFont(JapaneseFont::fixedGothic(12));
    control->setSelectionMode(selectable ? QAbstractItemView::ExtendedSelection
                                         : QAbstractItemView::NoSelection);
    control->setUniformItemSizes(true);
    // Only the trailing blanks of a summary line pass the right edge.
    control->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    control->setTextElideMode(Qt::ElideNone);
    return control;
}

QList<int> selectedRows(const QListWidget* list) {
    QList<int> rows;
    for (const QListWidgetItem* item : list->selectedItems())
        rows.append(list->row(item));
    return rows;
}

} // namespace

MainScreen::MainScreen(AppValues& values, UserDialogs& dialogs, DocumentOpener& opener,
                       const QString& converterPath, QWidget* parent)
    : QMainWindow(parent)
    , dialogs_(dialogs)
    , logic_(new MainScreenLogic(values, dialogs, opener, converterPath, this)) {
    setObjectName(QStringLiteral("VK0010"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(JapaneseFont::proportionalGothic(9));
    auto* area = new QWidget(this);
    area->setFixedSize(Twips::toRect(0, 0, 8205, 6915).size());
    area->setAutoFillBackground(true);
    setCentralWidget(area);
    buildControls(area);
    buildMenus();
    connectLogic();
    logic_->load();
}

MainScreen::~MainScreen() = default;

QString MainScreen::defaultConverterPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/voku-words");
}

void MainScreen::buildControls(QWidget* area) {
    label(area, "Label1", QStringLiteral("練習するｸﾞﾙｰﾌﾟをｸﾘｯｸして▼ﾎﾞﾀﾝを押してください"),
          Twips::toRect(2160, 120, 4455, 255));
    label(area, "LB_db", QStringLiteral("ｸﾞﾙｰﾌﾟ 　 ﾁｪｯｸしてない　　　○　　　△○　　△△○　△△△○　△△△△"),
          Twips::toRect(1320, 360, 5880, 195), JapaneseFont::proportionalGothic(headerPoints));
    summaryList_ = list(area, "Ls_Db", Twips::toRect(1320, 540, 5880, 3420), true);
    label(area, "Label4", QStringLiteral("選択"), Twips::toRect(2760, 4140, 435, 255));
    label(area, "Label5", QStringLiteral("戻す"), Twips::toRect(4980, 4140, 675, 255));
    label(area, "Label3", QStringLiteral("前回の選択"), Twips::toRect(240, 4380, 855, 195));
    previousList_ = list(area, "LS_befor", Twips::toRect(240, 4560, 855, 1260), false);
    chosenList_ = list(area, "LS_select", Twips::toRect(1320, 4560, 5895, 1260), true);
    progressBar_ = new QProgressBar(area);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setGeometry(Twips::toRect(1440, 6420, 5775, 255));
    progressBar_->setTextVisible(false);
    progressBar_->hide();
    label(area, "Label2",
          QStringLiteral("OKﾎﾞﾀﾝで練習画面が表示されます。初期化ﾎﾞﾀﾝでﾚﾍﾞﾙをｸﾘｱします。"),
          Twips::toRect(1680, 6660, 6195, 315));

    const auto button = [&](const char* name, const QString& text, const QRect& geometry,
                            auto handler) {
        auto* control = new QPushButton(text, area);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(geometry);
        // Enter presses the focused button, as in the drill (Qt does so only in dialogs).
        control->setAutoDefault(true);
        connect(control, &QPushButton::clicked, this, handler);
        buttons_.append(control);
    };
    button("BT_select", QStringLiteral("▼"), Twips::toRect(3240, 4020, 615, 435),
           [this] { logic_->chooseGroups(selectedRows(summaryList_)); });
    button("BT_cansel", QStringLiteral("▲"), Twips::toRect(4260, 4020, 615, 435),
           [this] { logic_->removeChosen(selectedRows(chosenList_)); });
    button("BT_print", QStringLiteral("印刷"), Twips::toRect(7320, 4620, 675, 435),
           [this] { print(); });
    button("BT_init", QStringLiteral("初期化"), Twips::toRect(7320, 5220, 675, 435),
           [this] { logic_->resetGroups(); });
    button("BT_OK", QStringLiteral("OK"), Twips::toRect(2880, 5880, 1035, 495),
           [this] { logic_->buildPracticeSet(); });
    button("BT_clr", QStringLiteral("選択解除"), Twips::toRect(4260, 5880, 1035, 495),
           [this] { logic_->clearChosen(); });
    setKeyboardOrder();
}

void MainScreen::setKeyboardOrder() {
    // Tab walks the way of a choice: pick groups, move them, then act on them.
    previousList_->setFocusPolicy(Qt::NoFocus);
    QWidget* previous = summaryList_;
    for (const char* name :
         {"BT_select", "LS_select", "BT_cansel", "BT_OK", "BT_clr", "BT_print", "BT_init"}) {
        QWidget* next = centralWidget()->findChild<QWidget*>(QLatin1String(name));
        setTabOrder(previous, next);
        previous = next;
    }
}

void MainScreen::buildMenus() {
    const auto menu = [this](const char* name, const QString& title) {
        QMenu* m = menuBar()->addMenu(title);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    const auto item = [this](QMenu* m, const char* name, const QString& text,
                             const QKeySequence& key, auto handler) {
        QAction* action = m->addAction(text, this, handler);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
    };
    QMenu* file = menu("ver_file", QStringLiteral("ﾌｧｲﾙ"));
    item(file, "ver_open", QStringLiteral("開く"), QKeySequence(Qt::CTRL | Qt::Key_O),
         [this] { logic_->openDataFile(); });
    item(file, "var_list", QStringLiteral("単語一覧"), {}, [this] { logic_->showWordList(); });
    item(file, "var_itiran", QStringLiteral("データファイル一覧"), {},
         [this] { logic_->showDataFileChooser(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorCsv"));
    item(file, "mnuImportCsv", QStringLiteral("CSVから単語データを作成..."), {},
         [this] { logic_->importCsv(); });
    item(file, "mnuExportCsv", QStringLiteral("CSVに書き出す..."), {},
         [this] { logic_->exportCsv(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnuSeparator"));
    item(file, "ver_end", QStringLiteral("終了"), QKeySequence(Qt::CTRL | Qt::Key_E),
         [this] { logic_->exitProgram(); });
    QMenu* options = menu("ver_op", QStringLiteral("ｵﾌﾟｼｮﾝ"));
    item(options, "ver_dis", QStringLiteral("設定..."), {},
         [this] { logic_->showDisplaySettings(); });
    QMenu* help = menu("ver_helpn", QStringLiteral("ﾍﾙﾌﾟ"));
    item(help, "ver_help", QStringLiteral("ﾍﾙﾌﾟ..."), QKeySequence(Qt::CTRL | Qt::Key_H),
         [this] { logic_->openManual(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuSeparator2"));
    item(help, "ver_ver", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報..."), {}, [this] { logic_->showAbout(); });
}

void MainScreen::connectLogic() {
    MainScreenLogic* l = logic_;
    connect(l, &MainScreenLogic::captionChanged, this,
            [this] { setWindowTitle(logic_->caption()); });
    connect(l, &MainScreenLogic::summaryChanged, this,
            [this] { ListRendering::show(summaryList_, logic_->lists().summary()); });
    connect(l, &MainScreenLogic::chosenChanged, this,
            [this] { ListRendering::show(chosenList_, logic_->lists().chosen()); });
    connect(l, &MainScreenLogic::previousChanged, this,
            [this] { ListRendering::show(previousList_, logic_->lists().previous()); });
    connect(l, &MainScreenLogic::progressChanged, this, &MainScreen::renderProgress);
    connect(l, &MainScreenLogic::workingChanged, this, &MainScreen::renderWorking);
    // The main screen gives way: the next window is shown first, so the program always
    // has a visible window.
    connect(l, &MainScreenLogic::drillRequested, this, [this] {
        emit drillRequested();
        close();
    });
    connect(l, &MainScreenLogic::dataFileChooserRequested, this, [this] {
        emit dataFileChooserRequested();
        close();
    });
    connect(l, &MainScreenLogic::wordListRequested, this, &MainScreen::wordListRequested);
    connect(l, &MainScreenLogic::displaySettingsRequested, this,
            &MainScreen::displaySettingsRequested);
    connect(l, &MainScreenLogic::aboutRequested, this, &MainScreen::aboutRequested);
    connect(l, &MainScreenLogic::exitRequested, this, &MainScreen::exitProgram);
}

void MainScreen::openDataFile(const QString& path) {
    logic_->openDataFile(path);
}

bool MainScreen::event(QEvent* event) {
    // Shown counts as activated too: without a window manager a new window may never be.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        applyBackground();
    return QMainWindow::event(event);
}

void MainScreen::applyBackground() {
    QPalette palette = centralWidget()->palette();
    palette.setColor(QPalette::Window, logic_->backgroundColour());
    centralWidget()->setPalette(palette);
}

void MainScreen::renderProgress() {
    progressBar_->setMaximum(logic_->progressMaximum());
    progressBar_->setValue(logic_->progressValue());
    progressBar_->setVisible(logic_->progressVisible());
}

void MainScreen::renderWorking() {
    const bool idle = !logic_->isWorking();
    for (QPushButton* button : std::as_const(buttons_))
        button->setEnabled(idle);
    menuBar()->setEnabled(idle);
}

void MainScreen::print() {
    logic_->printCards([this](const WordStore& store, const std::vector<int>& groups,
                              const QString& title, const WordStore::Progress& progress) {
        return CardPrinter(dialogs_).print(store, groups, title, progress);
    });
}

void MainScreen::exitProgram(int status) {
    close();
    QCoreApplication::exit(status);
}
