// SPDX-License-Identifier: GPL-3.0-or-later
#include "drilllogic.h"

#include "app/appvalues.h"
#include "app/busyretry.h"
#include "app/soundplayer.h"
#include "app/userdialogs.h"
#include "cardnavigation.h"
#include "data/wordstore.h"

#include <map>

namespace {

const QString ButtonColour = QString::number(0xFFC0C0);
const QString White = QString::number(0xFFFFFF);

const QString HintChooseRank = QStringLiteral("チェックするランクのボタンを押してください。");
const QString HintPage =
    QStringLiteral("単語をクリックすると意味が表示されます。右クリックで説明が表示されます。");
const QString HintOk = QStringLiteral("その調子です。がんばりましょう。");
const QString HintNext = QStringLiteral("次へボタンを押してください");
const QString HintNg =
    QStringLiteral("ＯＫになるまで何度も繰り返しましょう。全てＯＫになれば次へ進みます。");

constexpr int PageSize = DrillValues::Slots;
constexpr qint16 PendingOk = 1;
constexpr qint16 PendingNg = 2;

QString timesCaption(int times) {
    return QString::number(times + 1) + QStringLiteral("回目");
}

} // namespace

DrillLogic::DrillLogic(AppValues& app, WordStore& store, UserDialogs& dialogs, SoundPlayer& sound,
                       QObject* parent)
    : QObject(parent)
    , app_(app)
    , store_(store)
    , dialogs_(dialogs)
    , sound_(sound) {}

bool DrillLogic::isOnPage(int slot) const {
    return slot >= 0 && slot < DrillValues::Slots && view_.cards[slot].ok.visible;
}

void DrillLogic::load() {
    resetDrillScreen();
    view_.caption = app_.windowTitle;
    view_.formColour = app_.drillBackColor;
    view_.hint = HintChooseRank;
    rankBar_.load(app_.levelCounts);
    emit viewChanged();
    focusFirstOpenRank();
}

void DrillLogic::activate() {
    view_.formColour = app_.drillBackColor;
    runPendingGrade();
    emit viewChanged();
}

void DrillLogic::resetDrillScreen() {
    rankBar_.clear();
    clearCards();
    values_.PendingGrade = 0;
}

void DrillLogic::clearCards() {
    for (int s = 0; s < DrillValues::Slots; ++s) {
        CardView& card = view_.cards[s];
        card.word = {};
        card.level = {};
        card.hatuon = {};
        card.ok = {QStringLiteral("OK"), false, true, ButtonColour};
        card.ng = {QStringLiteral("NG"), false, true, ButtonColour};
        values_.cards[s] = {};
    }
    view_.next.visible = false;
    view_.undo.enabled = false;
    setFocus(Focus::Target::None);
}

void DrillLogic::levelClick(int rank) {
    if (failed_ || !rankBar_.canStart(rank))
        return;
    clearCards();
    try {
        queue_.open(store_.rankQueue(rank));
    } catch (const StoreError& error) {
        abandonRank(error);
        return;
    }
    rankBar_.start(rank);
    if (loadCardPage())
        values_.RankDone[rank] = 1;
}

bool DrillLogic::loadCardPage() {
    view_.hint = HintPage;
    values_.QueueEnded = 0;
    std::vector<WordRecord> page;
    try {
        page = queue_.nextPage(PageSize);
    } catch (const StoreError& error) {
        abandonRank(error);
        return false;
    }
    for (int s = 0; s < static_cast<int>(page.size()); ++s)
        fillCard(s, page[s]);
    values_.QueueEnded = queue_.ended() ? 1 : 0;
    values_.CardsLeft = static_cast<qint16>(page.size());
    if (page.empty()) {
        // The practice set changed behind our back; Next still leads on.
        view_.next.visible = true;
        setFocus(Focus::Target::Next);
    } else {
        setFocus(Focus::Target::CardOk, 0);
    }
    emit viewChanged();
    return true;
}

void DrillLogic::fillCard(int slot, const WordRecord& record) {
    DrillCard& card = values_.cards[slot];
    card.CardGroup = record.group;
    card.CardKey = record.key;
    card.CardLevel = static_cast<qint16>(record.level);
    card.CardTimes = record.times;
    card.CardWord = record.word;
    card.CardMeaning = record.meaning.value_or(QString());
    card.CardText1 = record.text1.value_or(QString());
    card.CardText2 = record.text2.value_or(QString());
    card.CardText3 = record.text3.value_or(QString());
    card.CardText4 = record.text4.value_or(QString());
    card.CardText5 = record.text5.value_or(QString());
    card.CardText6 = record.text6.value_or(QString());
    showUngraded(slot);
}

void DrillLogic::showUngraded(int slot) {
    DrillCard& card = values_.cards[slot];
    CardView& view = view_.cards[slot];
    view.word = {card.CardWord, true, true, White};
    view.hatuon = {card.CardText6, !card.CardText6.isEmpty(), true, White};
    card.MeaningShown = 0;
    view.ok.visible = true;
    view.ng.visible = true;
    view.ng.colour = ButtonColour;
    view.level = {timesCaption(card.CardTimes), true, true, {}};
}

void DrillLogic::showWordSide(int slot) {
    DrillCard& card = values_.cards[slot];
    view_.cards[slot].word.text = card.CardWord;
    view_.cards[slot].hatuon.visible = !card.CardText6.isEmpty();
    card.MeaningShown = 0;
}

void DrillLogic::showMeaningSide(int slot) {
    DrillCard& card = values_.cards[slot];
    view_.cards[slot].word.text = card.CardMeaning;
    view_.cards[slot].hatuon.visible = false;
    card.MeaningShown = 1;
}

void DrillLogic::wordClick(int slot) {
    if (failed_ || slot < 0 || slot >= DrillValues::Slots)
        return;
    const bool onPage = view_.cards[slot].word.visible;
    if (onPage && values_.RightClicked == 1) {
        if (values_.cards[slot].MeaningShown == 1)
            showWordSide(slot);
    } else if (onPage) {
        if (values_.cards[slot].MeaningShown != 0)
            showWordSide(slot);
        else
            showMeaningSide(slot);
        setFocus(Focus::Target::CardOk, slot);
    }
    values_.RightClicked = 0;
    emit viewChanged();
}

void DrillLogic::wordMouseUp(int slot, Qt::MouseButton button) {
    if (failed_ || button != Qt::RightButton || slot < 0 || slot >= DrillValues::Slots ||
        !view_.cards[slot].word.visible)
        return;
    values_.RightClicked = 1;
    const DrillCard& card = values_.cards[slot];
    values_.ExplainWord = card.CardWord;
    values_.ExplainMeaning = card.CardMeaning;
    values_.ExplainText1 = card.CardText1;
    values_.ExplainText2 = card.CardText2;
    values_.ExplainText3 = card.CardText3;
    values_.ExplainText4 = card.CardText4;
    values_.ExplainText5 = card.CardText5;
    values_.ExplainText6 = card.CardText6;
    values_.ExplainCardIndex = static_cast<qint16>(slot);
    explainGroup_ = card.CardGroup;
    explainKey_ = card.CardKey;
    openExplanation();
}

void DrillLogic::okClick(int slot) {
    if (failed_ || !isOnPage(slot))
        return;
    try {
        passCard(slot);
    } catch (const std::exception&) {
        failWith(QStringLiteral("[BT_ok_Click]"));
        return;
    }
    emit viewChanged();
}

void DrillLogic::passCard(int slot) {
    // A grade the learner gave up storing (file busy) leaves the card as it was, to be
    // graded again.
    if (values_.cards[slot].CardGraded == 0 && !writeGrade(slot, LevelMove::Grade::Ok))
        return;
    view_.hint = HintOk;
    values_.LastOkCard = static_cast<qint16>(slot);
    view_.undo.enabled = true;
    if (app_.noSound == 0)
        sound_.play(QStringLiteral("ok.wav"));
    rankBar_.countPassed();

    CardView& view = view_.cards[slot];
    view.word.visible = false;
    view.hatuon.visible = false;
    view.level.visible = false;
    view.ok.visible = false;
    view.ng.visible = false;

    if (--values_.CardsLeft <= 0) {
        view_.next.visible = true;
        setFocus(Focus::Target::Next);
        view_.hint = HintNext;
        return;
    }
    // Keep a card chosen, so that the keyboard can go on with the next one.
    for (int step = 1; step < DrillValues::Slots; ++step) {
        const int s = (slot + step) % DrillValues::Slots;
        if (isOnPage(s)) {
            setFocus(Focus::Target::CardOk, s);
            break;
        }
    }
}

void DrillLogic::ngClick(int slot) {
    if (failed_ || !isOnPage(slot))
        return;
    try {
        failCard(slot);
    } catch (const std::exception&) {
        failWith(QStringLiteral("[BT_ng_Click]"));
        return;
    }
    emit viewChanged();
}

void DrillLogic::failCard(int slot) {
    // The grade is stored before the explanation window is made, so that it is on disk
    // as soon as possible; nothing is drawn in between, so the learner sees no change.
    std::optional<LevelMove::Result> move;
    if (values_.cards[slot].CardGraded == 0) {
        move = writeGrade(slot, LevelMove::Grade::Ng);
        if (!move)
            return;
    }
    view_.hint = HintNg;
    if (values_.cards[slot].MeaningShown == 1)
        showWordSide(slot);
    if (app_.noSound == 0)
        sound_.play(QStringLiteral("ng.wav"));
    if (move) {
        CardView& view = view_.cards[slot];
        view.ng.colour = app_.ngBackColor;
        view.word.colour = app_.ngBackColor;
        if (view.hatuon.visible)
            view.hatuon.colour = app_.ngBackColor;
        view.level.text = LevelMove::caption(move->level);
    }
    if (values_.PendingGrade != PendingNg && app_.noExplainOnNg == 0) {
        values_.ExplainFromNg = 1;
        wordMouseUp(slot, Qt::RightButton);
        // No click follows this mouse-up, so the flag would only swallow the next one.
        values_.RightClicked = 0;
    }
}

std::optional<LevelMove::Result> DrillLogic::writeGrade(int slot, LevelMove::Grade grade) {
    DrillCard& card = values_.cards[slot];
    const LevelMove::Result move = LevelMove::after(grade, card.CardLevel, card.CardTimes);
    bool found = false;
    const auto write = [&] {
        found = store_.writeGrade(card.CardGroup, card.CardKey, move.level, move.times);
    };
    if (!BusyRetry::run(dialogs_, write))
        return std::nullopt;
    card.CardGraded = 1;
    if (!found) {
        dialogs_.inform(QStringLiteral("「%1」（グループ %2、番号 %3）は単語データに見つからない"
                                       "ため、結果を記録できませんでした。")
                            .arg(card.CardWord)
                            .arg(card.CardGroup)
                            .arg(card.CardKey),
                        UserDialogs::Icon::Exclamation);
    }
    return move;
}

void DrillLogic::failWith(const QString& handler) {
    failed_ = true;
    dialogs_.inform(QStringLiteral("エラーが発生しました。終了します。") + handler,
                    UserDialogs::Icon::None);
    emit fatalError();
}

void DrillLogic::undoClick() {
    if (failed_ || !view_.undo.enabled)
        return;
    const int slot = values_.LastOkCard;
    view_.undo.enabled = false;
    showUngraded(slot);
    rankBar_.countUndone();
    ++values_.CardsLeft;
    values_.cards[slot].CardGraded = 0;
    view_.next.visible = false;
    setFocus(Focus::Target::CardOk, slot);
    emit viewChanged();
}

void DrillLogic::nextClick() {
    if (failed_ || !view_.next.visible)
        return;
    if (values_.QueueEnded == 0) {
        clearCards();
        loadCardPage();
        return;
    }
    endRank();
}

void DrillLogic::endRank() {
    queue_.close();
    if (rankBar_.finish()) {
        view_.hint = QStringLiteral("ランクの終了！");
        emit viewChanged();
        dialogs_.inform(QStringLiteral("選択されたランクの練習が終了しました。"),
                        UserDialogs::Icon::Information);
        view_.hint = HintChooseRank;
        clearCards();
        emit viewChanged();
        focusFirstOpenRank();
        return;
    }
    view_.hint = QStringLiteral("グループの終了!");
    emit viewChanged();
    dialogs_.inform(QStringLiteral("選択されたグループの練習が終了しました。"),
                    UserDialogs::Icon::Information);
    emit closeRequested();
}

void DrillLogic::abandonRank(const StoreError& error) {
    // No card of a page that could not be read is shown. A rank that failed before its
    // first page can be tried again; otherwise the learner goes on with another rank.
    queue_.close();
    clearCards();
    rankBar_.finish();
    view_.hint = HintChooseRank;
    emit viewChanged();
    dialogs_.inform(QStringLiteral("単語データを読み込めませんでした。\n") + error.message(),
                    UserDialogs::Icon::Exclamation);
    focusFirstOpenRank();
}

void DrillLogic::command1Click() {
    if (failed_ || !view_.command1.enabled)
        return;
    emit closeRequested();
}

void DrillLogic::chooseCard(int slot) {
    if (failed_ || !isOnPage(slot))
        return;
    setFocus(Focus::Target::CardOk, slot);
}

void DrillLogic::cardFocused(int slot) {
    if (isOnPage(slot))
        selected_ = slot;
}

void DrillLogic::keyPressed(Key key) {
    switch (key) {
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
        moveSelection(key);
        break;
    case Key::Turn:
        if (isOnPage(selected_))
            wordClick(selected_);
        break;
    case Key::Ng:
        ngClick(selected_);
        break;
    case Key::Explain:
        // A right click: the mouse-up opens the window, the click that follows it turns
        // a card showing its meaning back to the word.
        if (isOnPage(selected_)) {
            wordMouseUp(selected_, Qt::RightButton);
            wordClick(selected_);
        }
        break;
    case Key::Undo:
        undoClick();
        break;
    }
}

void DrillLogic::moveSelection(Key key) {
    static const std::map<Key, CardNavigation::Direction> directions{
        {Key::Left, CardNavigation::Direction::Left},
        {Key::Right, CardNavigation::Direction::Right},
        {Key::Up, CardNavigation::Direction::Up},
        {Key::Down, CardNavigation::Direction::Down}};
    CardNavigation::OnPage onPage{};
    for (int s = 0; s < DrillValues::Slots; ++s)
        onPage[s] = isOnPage(s);
    chooseCard(CardNavigation::move(onPage, selected_, directions.at(key)));
}

void DrillLogic::openExplanation() {
    if (!explain_.open) {
        explain_.open = true;
        view_.command1.enabled = false;
        explain_.callOk.visible = values_.ExplainFromNg != 1;
        explain_.callNg.visible = values_.ExplainFromNg != 1;
        values_.PendingGrade = 0;
    } else if (values_.ExplainFromNg == 1) {
        // Opened again by NG: that card's grade is given already, so the window must not
        // offer OK and NG for it, now rather than at some later opening.
        explain_.callOk.visible = false;
        explain_.callNg.visible = false;
    }
    values_.ExplainFromNg = 0;
    explainActivate();
    emit explanationShown();
}

void DrillLogic::explainActivate() {
    if (!explain_.open)
        return;
    explain_.backColour = app_.explainBackColor;
    explain_.textBackColour = app_.explainTextBackColor;
    explain_.word = values_.ExplainWord;
    explain_.meaning = values_.ExplainMeaning;
    explain_.texts = {values_.ExplainText1, values_.ExplainText2, values_.ExplainText3,
                      values_.ExplainText4, values_.ExplainText5};
    explain_.pronunciation.text = values_.ExplainText6;
    explain_.pronunciation.visible = !values_.ExplainText6.isEmpty();
    emit explanationChanged();
}

void DrillLogic::explainCallOkClick() {
    if (failed_ || !explain_.open || !explain_.callOk.visible)
        return;
    values_.PendingGrade = PendingOk;
    closeExplanation();
    // The drill carries out the grade as it becomes active again; doing it here as well
    // keeps that from depending on the window manager activating it.
    runPendingGrade();
    emit viewChanged();
}

void DrillLogic::explainCallNgClick() {
    if (failed_ || !explain_.open || !explain_.callNg.visible)
        return;
    values_.PendingGrade = PendingNg;
    closeExplanation();
    runPendingGrade();
    emit viewChanged();
}

void DrillLogic::explainCloseClick() {
    if (!explain_.open)
        return;
    values_.PendingGrade = 0;
    closeExplanation();
    emit viewChanged();
}

void DrillLogic::closeExplanation() {
    view_.command1.enabled = true;
    if (explainedCardIsOnPage())
        setFocus(Focus::Target::CardOk, values_.ExplainCardIndex);
    explain_.open = false;
    emit explanationClosed();
}

bool DrillLogic::explainedCardIsOnPage() const {
    const int slot = values_.ExplainCardIndex;
    return isOnPage(slot) && values_.cards[slot].CardGroup == explainGroup_ &&
           values_.cards[slot].CardKey == explainKey_;
}

void DrillLogic::runPendingGrade() {
    if (runningPending_)
        return;
    runningPending_ = true;
    // A card passed meanwhile (or a page changed under the window) gets no second grade.
    if (explainedCardIsOnPage()) {
        if (values_.PendingGrade == PendingOk)
            okClick(values_.ExplainCardIndex);
        else if (values_.PendingGrade == PendingNg)
            ngClick(values_.ExplainCardIndex);
    }
    values_.PendingGrade = 0;
    runningPending_ = false;
}

// With no card on the screen Enter must choose a rank, never leave the drill.
void DrillLogic::focusFirstOpenRank() {
    const int rank = rankBar_.firstOpen();
    if (rank >= 0)
        setFocus(Focus::Target::Rank, rank);
}

void DrillLogic::setFocus(Focus::Target target, int slot) {
    focus_ = {target, slot};
    if (target == Focus::Target::CardOk)
        selected_ = slot;
    if (target != Focus::Target::None)
        emit focusRequested();
}
