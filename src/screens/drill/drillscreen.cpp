// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillscreen.h"

#include "app/appvalues.h"
#include "app/japanesefont.h"
#include "app/twips.h"
#include "app/userdialogs.h"
#include "drillform.h"
#include "drillkeys.h"
#include "drilllogic.h"
#include "explainwindow.h"
#include "rankbar.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

using Twips::toRect;

namespace {

const QString ButtonColour = QString::number(0xFFC0C0);
const QString LightYellow = QString::number(0xC0FFFF);
const QString LightGreen = QString::number(0xC0FFC0);
constexpr qreal WordPoints = 14.25;
constexpr qreal Command1Points = 6.75;

const std::array<int, 6> RankLefts{4560, 5550, 6570, 7575, 8580, 2850};
const std::array<int, 6> CountLefts{4710, 5790, 6780, 7815, 8835, 3270};

struct Column {
    int word, pronunciation, ok, ng, level;
};
const std::array<Column, 2> Columns{Column{57, 105, 1440, 2280, 3480},
                                    Column{5590, 5655, 6975, 7815, 9015}};

const QString KeyHelp =
    QStringLiteral("キー操作: 1〜9, 0 カードを選ぶ　←→↑↓ カードを移る　T 意味と単語\n"
                   "Enter・Space 選んだボタンを押す　N NG　E 説明　S 発音　Ctrl+Z 1つ戻る");
const QString KeyLegend =
    QStringLiteral("1〜0 カード　←→↑↓ 移る　T めくる　Enter・Space 押す　N NG　E 説明　"
                   "S 発音　Ctrl+Z 1つ戻る");
constexpr qreal LegendPoints = 8;

template <typename Control>
Control* named(QWidget* area, const QString& name, const QRect& geometry) {
    auto* control = new Control(area);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

QLabel* label(QWidget* area, const QString& name, const QRect& geometry) {
    auto* control = named<QLabel>(area, name, geometry);
    control->setTextFormat(Qt::PlainText);
    return control;
}

QPushButton* button(QWidget* area, const QString& name, const QString& text,
                    const QRect& geometry) {
    auto* control = named<QPushButton>(area, name, geometry);
    DrillForm::apply(control, {text, true, true, ButtonColour});
    return control;
}

QString indexed(const char* name, int index) {
    return QLatin1String(name) + QLatin1Char('_') + QString::number(index);
}

} // namespace

DrillScreen::DrillScreen(AppValues& values, WordStore store, UserDialogs& dialogs,
                         SoundPlayer& sound, WordSpeaker& speaker, QWidget* parent)
    : QMainWindow(parent)
    , store_(std::move(store))
    , logic_(std::make_unique<DrillLogic>(values, store_, dialogs, sound, speaker))
    , keys_(new DrillKeys(*logic_, this)) {
    setObjectName(QStringLiteral("VK0020"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(JapaneseFont::proportionalGothic(9));
    auto* area = new QWidget(this);
    area->setFixedSize(toRect(0, 0, 11115, 8190).size());
    setCentralWidget(area);
    buildControls(area);
    buildMenus();
    connectLogic();
    logic_->load();
    // The main screen leaves its busy pointer on until the drill has loaded.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

DrillScreen::~DrillScreen() {
    // The explanation window draws the logic, which goes before the child windows do.
    delete explain_.data();
}

DrillScreen* DrillScreen::open(AppValues& values, UserDialogs& dialogs, SoundPlayer& sound,
                               WordSpeaker& speaker) {
    try {
        return new DrillScreen(values, WordStore::open(values.dataFilePath), dialogs, sound,
                               speaker);
    } catch (const StoreError& error) {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        dialogs.inform(error.message(), UserDialogs::Icon::Exclamation);
        return nullptr;
    }
}

void DrillScreen::buildControls(QWidget* area) {
    auto* line = named<QFrame>(area, QStringLiteral("Line2"), toRect(0, 0, 11115, 30));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);

    command1_ = button(area, QStringLiteral("Command1"), QStringLiteral("メイン画面へ"),
                       toRect(120, 120, 855, 555));
    command1_->setFont(JapaneseFont::proportionalGothic(Command1Points));
    buildRankBar(area);
    undo_ = button(area, QStringLiteral("BT_undo"), QStringLiteral("1つ戻る"),
                   toRect(10080, 120, 855, 555));
    undo_->setToolTip(QStringLiteral("最後の OK を取り消します（Ctrl+Z）"));
    hint_ = label(area, QStringLiteral("LB_setumei2"), toRect(2040, 840, 7680, 555));
    DrillForm::setBackground(hint_, LightYellow);
    hint_->setWordWrap(true);
    hint_->setToolTip(KeyHelp);
    for (int slot = 0; slot < DrillValues::Slots; ++slot)
        buildCard(area, slot);
    next_ = button(area, QStringLiteral("BT_next"), QStringLiteral("次へ"),
                   toRect(4545, 3540, 1995, 495));
    next_->setToolTip(QStringLiteral("次へ（Enter）"));
    buildKeyLegend(area);

    // Enter, like Space, presses the focused button.
    for (QPushButton* control : area->findChildren<QPushButton*>())
        control->setAutoDefault(true);
    for (QWidget* control : area->findChildren<QWidget*>())
        control->installEventFilter(this);
    installEventFilter(this);
}

void DrillScreen::buildRankBar(QWidget* area) {
    // Made first, so that the frame lies under the bar's buttons.
    auto* shape = named<QFrame>(area, QStringLiteral("Shape1"), toRect(1260, 120, 8475, 675));
    shape->setFrameShape(QFrame::Box);
    shape->setFrameShadow(QFrame::Plain);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* caption = label(area, QStringLiteral("Label2"), toRect(1410, 240, 1335, 255));
    caption->setText(QStringLiteral("ランクの選択"));
    DrillForm::setBackground(caption, LightGreen);
    for (int i = 0; i < LevelClass::Count; ++i) {
        const int width = i == LevelClass::Never ? 1575 : 948;
        rankButtons_[i] = button(area, indexed("BT_level", i), LevelClass::mark(i),
                                 toRect(RankLefts[i], 180, width, 350));
        rankButtons_[i]->setToolTip(QStringLiteral("このランクの単語をチェックします"));
        connect(rankButtons_[i], &QPushButton::clicked, this, [this, i] { logic_->levelClick(i); });
        rankCounts_[i] = label(area, indexed("LB_kosu", i), toRect(CountLefts[i], 540, 495, 255));
        DrillForm::setBackground(rankCounts_[i], LightYellow);
    }
}

// The keys in sight, in the strip the cards leave free at the bottom of the window.
void DrillScreen::buildKeyLegend(QWidget* area) {
    auto* legend = label(area, QStringLiteral("LB_keys"), toRect(57, 7845, 11001, 330));
    legend->setFont(JapaneseFont::proportionalGothic(LegendPoints));
    legend->setText(KeyLegend);
    legend->setToolTip(KeyHelp);
}

void DrillScreen::buildCard(QWidget* area, int slot) {
    const Column& column = Columns[slot / 5];
    const int top = 1440 + 1320 * (slot % 5);
    CardControls& card = cards_[slot];

    card.word = label(area, indexed("LB_word", slot), toRect(column.word, top, 5496, 615));
    card.word->setFont(JapaneseFont::proportionalGothic(WordPoints, true));
    card.word->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    card.word->setWordWrap(true);
    card.pronunciation =
        label(area, indexed("LB_hatuon", slot), toRect(column.pronunciation, top + 360, 5400, 195));
    for (QLabel* face : {card.word, card.pronunciation}) {
        face->setToolTip(QStringLiteral("クリック（T）で意味と単語を切り替えます\n"
                                        "右クリック（E）で説明を表示します\n"
                                        "S で発音を聞きます"));
    }

    card.ok = button(area, indexed("BT_OK", slot), QStringLiteral("OK"),
                     toRect(column.ok, top + 720, 495, 375));
    card.ok->setToolTip(QStringLiteral("OK（Enter）　カードを選ぶ: %1 キー").arg((slot + 1) % 10));
    card.ng = button(area, indexed("BT_ng", slot), QStringLiteral("NG"),
                     toRect(column.ng, top + 720, 495, 375));
    card.ng->setToolTip(QStringLiteral("NG（N）"));
    card.level = label(area, indexed("LB_level", slot), toRect(column.level, top + 840, 1335, 255));
    DrillForm::setBackground(card.level, LightYellow);

    connect(card.ok, &QPushButton::clicked, this, [this, slot] { logic_->okClick(slot); });
    connect(card.ng, &QPushButton::clicked, this, [this, slot] { logic_->ngClick(slot); });
}

void DrillScreen::buildMenus() {
    QMenu* options = menuBar()->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ"));
    QAction* settings = options->addAction(QStringLiteral("設定..."));
    settings->setObjectName(QStringLiteral("var_col"));
    connect(settings, &QAction::triggered, this, &DrillScreen::displaySettingsRequested);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ"));
    QAction* manual = help->addAction(QStringLiteral("ﾍﾙﾌﾟ..."));
    manual->setObjectName(QStringLiteral("help"));
    connect(manual, &QAction::triggered, this, &DrillScreen::manualRequested);
    help->addSeparator();
    QAction* version = help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報..."));
    version->setObjectName(QStringLiteral("ver"));
    connect(version, &QAction::triggered, this, &DrillScreen::aboutRequested);
}

void DrillScreen::connectLogic() {
    DrillLogic* l = logic_.get();
    connect(command1_, &QPushButton::clicked, l, &DrillLogic::command1Click);
    connect(undo_, &QPushButton::clicked, l, &DrillLogic::undoClick);
    connect(next_, &QPushButton::clicked, l, &DrillLogic::nextClick);
    connect(l, &DrillLogic::viewChanged, this, &DrillScreen::render);
    connect(l, &DrillLogic::focusRequested, this, &DrillScreen::moveFocus);
    connect(l, &DrillLogic::explanationShown, this, &DrillScreen::showExplanation);
    connect(l, &DrillLogic::explanationClosed, this, [this] {
        if (explain_)
            explain_->close();
    });
    connect(l, &DrillLogic::closeRequested, this, &QWidget::close);
    connect(l, &DrillLogic::fatalError, this, &DrillScreen::fatalError);
}

void DrillScreen::render() {
    const DrillView& view = logic_->view();
    setWindowTitle(view.caption);
    DrillForm::setBackground(centralWidget(), view.formColour);
    DrillForm::apply(command1_, view.command1);
    DrillForm::apply(undo_, view.undo);
    DrillForm::apply(next_, view.next);
    hint_->setText(view.hint);
    for (int i = 0; i < LevelClass::Count; ++i) {
        DrillForm::apply(rankButtons_[i], view.rankButtons[i]);
        DrillForm::keepCaptionReadable(rankButtons_[i], RankBar::isPractised(view.rankButtons[i]));
        DrillForm::apply(rankCounts_[i], view.rankCounts[i]);
    }
    for (int s = 0; s < DrillValues::Slots; ++s) {
        DrillForm::apply(cards_[s].word, view.cards[s].word);
        DrillForm::apply(cards_[s].pronunciation, view.cards[s].pronunciation);
        DrillForm::apply(cards_[s].ok, view.cards[s].ok);
        DrillForm::apply(cards_[s].ng, view.cards[s].ng);
        DrillForm::apply(cards_[s].level, view.cards[s].level);
    }
}

void DrillScreen::moveFocus() {
    render();
    const DrillLogic::Focus focus = logic_->focus();
    if (focus.target == DrillLogic::Focus::Target::CardOk)
        cards_[focus.slot].ok->setFocus();
    else if (focus.target == DrillLogic::Focus::Target::Next)
        next_->setFocus();
    else if (focus.target == DrillLogic::Focus::Target::Rank)
        rankButtons_[focus.slot]->setFocus();
}

void DrillScreen::showExplanation() {
    if (!explain_)
        explain_ = new ExplainWindow(*logic_, this);
    explain_->render();
    explain_->show();
    explain_->raise();
    explain_->activateWindow();
}

int DrillScreen::cardOf(QObject* control) const {
    for (int s = 0; s < DrillValues::Slots; ++s) {
        const CardControls& card = cards_[s];
        if (control == card.word || control == card.pronunciation || control == card.ok ||
            control == card.ng)
            return s;
    }
    return -1;
}

bool DrillScreen::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        return keys_->press(key->key(), key->modifiers());
    }
    case QEvent::MouseButtonRelease:
        forwardMouse(watched, static_cast<QMouseEvent*>(event));
        break;
    case QEvent::FocusIn:
        keys_->cardFocused(cardOf(watched));
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void DrillScreen::forwardMouse(QObject* watched, const QMouseEvent* mouse) {
    const int slot = cardOf(watched);
    auto* face = qobject_cast<QLabel*>(watched);
    if (slot < 0 || !face || !face->rect().contains(mouse->position().toPoint()))
        return;
    logic_->wordMouseUp(slot, mouse->button());
    // The click that the window system sends after the button comes up.
    if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
        logic_->wordClick(slot);
}

bool DrillScreen::event(QEvent* event) {
    // Shown counts as activated too: without a window manager a new window may never be.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        logic_->activate();
    return QMainWindow::event(event);
}

void DrillScreen::closeEvent(QCloseEvent* event) {
    // Closing from the frame goes back to the main screen like メイン画面へ.
    if (!leaving_ && !logic_->hasFailed()) {
        leaving_ = true;
        emit backToMainRequested();
    }
    event->accept();
}
