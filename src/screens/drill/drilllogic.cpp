// SPDX-License-Identifier: GPL-3.0-or-later
#include "drilllogic.h"

#include "app/appvalues.h"
#include "app/busyretry.h"
#include "app/soundplayer.h"
#include "app/userdialogs.h"
#include "app/wordspeaker.h"
#include "data/wordstore.h"

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
using Grade = ExplainHandOver::Grade;

QString timesCaption(int times) {
    return QString::number(times + 1) + QStringLiteral("回目");
}

} // namespace

DrillLogic::DrillLogic(AppValues& app, WordStore& store, UserDialogs& dialogs, SoundPlayer& sound,
                       WordSpeaker& speaker, QObject* parent)
    : QObject(parent)
    , app_(app)
    , store_(store)
    , dialogs_(dialogs)
    , sound_(sound)
    , speaker_(speaker) {}

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
    handOver_.clearRequest();
}

void DrillLogic::clearCards() {
    for (int s = 0; s < DrillValues::Slots; ++s) {
        CardView& card = view_.cards[s];
        card.word = {};
        card.level = {};
        card.pronunciation = {};
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
        values_.rankDone[rank] = true;
}

bool DrillLogic::loadCardPage() {
    view_.hint = HintPage;
    values_.queueEnded = false;
    std::vector<WordRecord> page;
    try {
        page = queue_.nextPage(PageSize);
    } catch (const StoreError& error) {
        abandonRank(error);
        return false;
    }
    for (int s = 0; s < static_cast<int>(page.size()); ++s)
        fillCard(s, page[s]);
    values_.queueEnded = queue_.ended();
    values_.cardsLeft = static_cast<int>(page.size());
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
    values_.cards[slot] = {record, false, false};
    showUngraded(slot);
}

void DrillLogic::showUngraded(int slot) {
    DrillCard& card = values_.cards[slot];
    CardView& view = view_.cards[slot];
    const QString pronunciation = card.record.text6.value_or(QString());
    view.word = {card.record.word, true, true, White};
    view.pronunciation = {pronunciation, !pronunciation.isEmpty(), true, White};
    card.meaningShown = false;
    view.ok.visible = true;
    view.ng.visible = true;
    view.ng.colour = ButtonColour;
    view.level = {timesCaption(card.record.times), true, true, {}};
}

void DrillLogic::showWordSide(int slot) {
    DrillCard& card = values_.cards[slot];
    view_.cards[slot].word.text = card.record.word;
    view_.cards[slot].pronunciation.visible = !card.record.text6.value_or(QString()).isEmpty();
    card.meaningShown = false;
}

void DrillLogic::showMeaningSide(int slot) {
    DrillCard& card = values_.cards[slot];
    view_.cards[slot].word.text = card.record.meaning.value_or(QString());
    view_.cards[slot].pronunciation.visible = false;
    card.meaningShown = true;
}

void DrillLogic::wordClick(int slot) {
    if (failed_ || slot < 0 || slot >= DrillValues::Slots)
        return;
    const bool onPage = view_.cards[slot].word.visible;
    if (onPage && values_.rightClicked) {
        if (values_.cards[slot].meaningShown)
            showWordSide(slot);
    } else if (onPage) {
        if (values_.cards[slot].meaningShown)
            showWordSide(slot);
        else
            showMeaningSide(slot);
        setFocus(Focus::Target::CardOk, slot);
    }
    values_.rightClicked = false;
    emit viewChanged();
}

void DrillLogic::wordMouseUp(int slot, Qt::MouseButton button) {
    if (failed_ || button != Qt::RightButton || slot < 0 || slot >= DrillValues::Slots ||
        !view_.cards[slot].word.visible)
        return;
    values_.rightClicked = true;
    explain(slot, false);
}

void DrillLogic::explain(int slot, bool gradedNg) {
    if (!handOver_.isOpen())
        view_.command1.enabled = false;
    handOver_.show(values_.cards[slot].record, slot, gradedNg);
    explainActivate();
    emit explanationShown();
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
    if (!values_.cards[slot].graded && !writeGrade(slot, LevelMove::Grade::Ok))
        return;
    view_.hint = HintOk;
    values_.lastOkCard = slot;
    view_.undo.enabled = true;
    if (app_.noSound == 0)
        sound_.play(QStringLiteral("ok.wav"));
    rankBar_.countPassed();

    CardView& view = view_.cards[slot];
    view.word.visible = false;
    view.pronunciation.visible = false;
    view.level.visible = false;
    view.ok.visible = false;
    view.ng.visible = false;

    if (--values_.cardsLeft <= 0) {
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
    if (!values_.cards[slot].graded) {
        move = writeGrade(slot, LevelMove::Grade::Ng);
        if (!move)
            return;
    }
    view_.hint = HintNg;
    if (values_.cards[slot].meaningShown)
        showWordSide(slot);
    if (app_.noSound == 0)
        sound_.play(QStringLiteral("ng.wav"));
    if (move) {
        CardView& view = view_.cards[slot];
        view.ng.colour = app_.ngBackColor;
        view.word.colour = app_.ngBackColor;
        if (view.pronunciation.visible)
            view.pronunciation.colour = app_.ngBackColor;
        view.level.text = LevelMove::caption(move->level);
    }
    if (handOver_.requested() != Grade::Ng && app_.noExplainOnNg == 0)
        explain(slot, true);
}

std::optional<LevelMove::Result> DrillLogic::writeGrade(int slot, LevelMove::Grade grade) {
    DrillCard& card = values_.cards[slot];
    const WordRecord& word = card.record;
    const LevelMove::Result move = LevelMove::after(grade, word.level, word.times);
    bool found = false;
    const auto write = [&] {
        found = store_.writeGrade(word.group, word.key, move.level, move.times);
    };
    if (!BusyRetry::run(dialogs_, write))
        return std::nullopt;
    card.graded = true;
    if (!found) {
        dialogs_.inform(QStringLiteral("「%1」（グループ %2、番号 %3）は単語データに見つからない"
                                       "ため、結果を記録できませんでした。")
                            .arg(word.word)
                            .arg(word.group)
                            .arg(word.key),
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
    const int slot = values_.lastOkCard;
    view_.undo.enabled = false;
    showUngraded(slot);
    rankBar_.countUndone();
    ++values_.cardsLeft;
    values_.cards[slot].graded = false;
    view_.next.visible = false;
    setFocus(Focus::Target::CardOk, slot);
    emit viewChanged();
}

void DrillLogic::nextClick() {
    if (failed_ || !view_.next.visible)
        return;
    if (!values_.queueEnded) {
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

void DrillLogic::speakCard(int slot) {
    if (isOnPage(slot))
        say(values_.cards[slot].record.word);
}

void DrillLogic::explainSpeakClick() {
    if (handOver_.isOpen())
        say(handOver_.view().word);
}

// Speech is sound too: NoSound keeps it quiet.
void DrillLogic::say(const QString& word) {
    if (app_.noSound == 0)
        speaker_.speak(word);
}

void DrillLogic::explainActivate() {
    if (!handOver_.isOpen())
        return;
    handOver_.refresh(app_.explainBackColor, app_.explainTextBackColor);
    emit explanationChanged();
}

void DrillLogic::explainCallOkClick() {
    if (failed_ || !handOver_.request(Grade::Ok))
        return;
    closeExplanation();
    // The drill carries out the grade as it becomes active again; doing it here as well
    // keeps that from depending on the window manager activating it.
    runPendingGrade();
    emit viewChanged();
}

void DrillLogic::explainCallNgClick() {
    if (failed_ || !handOver_.request(Grade::Ng))
        return;
    closeExplanation();
    runPendingGrade();
    emit viewChanged();
}

void DrillLogic::explainCloseClick() {
    if (!handOver_.isOpen())
        return;
    handOver_.clearRequest();
    closeExplanation();
    emit viewChanged();
}

void DrillLogic::closeExplanation() {
    view_.command1.enabled = true;
    if (explainedCardIsOnPage())
        setFocus(Focus::Target::CardOk, handOver_.slot());
    handOver_.close();
    emit explanationClosed();
}

bool DrillLogic::explainedCardIsOnPage() const {
    const int slot = handOver_.slot();
    return isOnPage(slot) && handOver_.explains(values_.cards[slot].record);
}

void DrillLogic::runPendingGrade() {
    if (runningPending_)
        return;
    runningPending_ = true;
    // A card passed meanwhile (or a page changed under the window) gets no second grade.
    if (explainedCardIsOnPage()) {
        if (handOver_.requested() == Grade::Ok)
            okClick(handOver_.slot());
        else if (handOver_.requested() == Grade::Ng)
            ngClick(handOver_.slot());
    }
    handOver_.clearRequest();
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
    if (target != Focus::Target::None)
        emit focusRequested();
}
