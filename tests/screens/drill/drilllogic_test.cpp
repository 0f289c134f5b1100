// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillfixture.h"
#include "screens/drill/drilllogic.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace drillfixture;
using Target = DrillLogic::Focus::Target;

const QString Red = QStringLiteral("255");
const QString ButtonColour = QString::number(0xFFC0C0);
const QString White = QString::number(0xFFFFFF);
constexpr int Never = 5;

class DrillLogicTest : public ::testing::Test {
protected:
    void start(const std::vector<WordRecord>& rows) {
        path_ = dir_.path() + QStringLiteral("/words.vku");
        makeWordFile(path_, rows, app_);
        store_.emplace(WordStore::open(path_));
        logic_ = std::make_unique<DrillLogic>(app_, *store_, dialogs_, sound_);
        QObject::connect(logic_.get(), &DrillLogic::closeRequested, [this] { ++closeRequests_; });
        QObject::connect(logic_.get(), &DrillLogic::fatalError, [this] { ++fatalErrors_; });
        logic_->load();
    }

    DrillLogic& drill() { return *logic_; }
    const DrillView& view() const { return logic_->view(); }
    const DrillValues& values() const { return logic_->values(); }
    const CardView& card(int slot) const { return view().cards[slot]; }
    std::optional<WordRecord> stored(int group, int key) const {
        return storedWord(path_, group, key);
    }

    int cardsShown() const {
        int count = 0;
        for (const CardView& c : view().cards)
            count += c.ok.visible ? 1 : 0;
        return count;
    }

    void passPage() {
        for (int s = 0; s < DrillValues::Slots; ++s)
            drill().okClick(s);
    }

    void rightClick(int slot) {
        drill().wordMouseUp(slot, Qt::RightButton);
        drill().wordClick(slot);
    }

    QTemporaryDir dir_;
    QString path_;
    AppValues app_;
    RecordingDialogs dialogs_;
    RecordingSound sound_;
    std::optional<WordStore> store_;
    std::unique_ptr<DrillLogic> logic_;
    int closeRequests_ = 0;
    int fatalErrors_ = 0;
};

TEST_F(DrillLogicTest, LoadOffersTheRanksThatHaveWords) {
    auto rows = words(1, 3);
    rows.push_back(word(2, 1, 2, 5));
    start(rows);

    EXPECT_EQ(view().caption, QStringLiteral("VOKU英単カード　words.vku"));
    EXPECT_EQ(view().formColour, app_.drillBackColor);
    EXPECT_EQ(view().hint, QStringLiteral("チェックするランクのボタンを押してください。"));
    for (int i = 0; i < LevelClass::Count; ++i) {
        const bool offered = i == Never || i == 2;
        EXPECT_EQ(view().rankButtons[i].visible, offered) << i;
        EXPECT_EQ(view().rankCounts[i].visible, offered) << i;
    }
    EXPECT_EQ(view().rankButtons[2],
              (ControlView{QStringLiteral("△△○"), true, true, ButtonColour}));
    EXPECT_EQ(view().rankCounts[Never].text, QStringLiteral("3個"));
    EXPECT_EQ(view().rankCounts[2].text, QStringLiteral("1個"));
    EXPECT_EQ(cardsShown(), 0);
    EXPECT_FALSE(view().next.visible);
    EXPECT_FALSE(view().undo.enabled);
    EXPECT_TRUE(view().command1.enabled);
}

struct PagingCase {
    int words;
    std::vector<int> pages;
};

class DrillPagingTest : public DrillLogicTest, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(DrillPagingTest, ShowsPagesOfTenAndEndsThePractice) {
    start(words(1, GetParam().words));
    drill().levelClick(Never);
    EXPECT_EQ(view().rankButtons[Never].colour, Red);
    EXPECT_FALSE(view().rankButtons[Never].enabled);
    EXPECT_EQ(values().RankDone[Never], 1);

    const std::vector<int>& pages = GetParam().pages;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const bool last = p + 1 == pages.size();
        ASSERT_EQ(cardsShown(), pages[p]) << "page " << p;
        EXPECT_EQ(values().CardsLeft, pages[p]);
        EXPECT_EQ(values().QueueEnded, last ? 1 : 0);
        EXPECT_EQ(view().hint, QStringLiteral("単語をクリックすると意味が表示されます。"
                                              "右クリックで説明が表示されます。"));
        EXPECT_EQ(drill().focus(), (DrillLogic::Focus{Target::CardOk, 0}));
        passPage();
        EXPECT_TRUE(view().next.visible);
        EXPECT_EQ(drill().focus().target, Target::Next);
        EXPECT_EQ(view().hint, QStringLiteral("次へボタンを押してください"));
        drill().nextClick();
    }
    EXPECT_EQ(view().rankCounts[Never].text, QStringLiteral("終了!"));
    EXPECT_EQ(view().hint, QStringLiteral("グループの終了!"));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text,
              QStringLiteral("選択されたグループの練習が終了しました。"));
    EXPECT_EQ(dialogs_.messages[0].icon, UserDialogs::Icon::Information);
    EXPECT_EQ(closeRequests_, 1);
    EXPECT_EQ(stored(1, GetParam().words)->times, 1);
}

INSTANTIATE_TEST_SUITE_P(PageSizes, DrillPagingTest,
                         ::testing::Values(PagingCase{23, {10, 10, 3}}, PagingCase{12, {10, 2}},
                                           PagingCase{10, {10}}, PagingCase{3, {3}}));

TEST_F(DrillLogicTest, QueuesFollowGroupAndKeyOrLeastCheckedFirst) {
    start(
        {word(2, 1), word(1, 7), word(1, 2), word(3, 1, 1, 4), word(1, 5, 1, 1), word(2, 2, 1, 2)});
    drill().levelClick(Never);
    EXPECT_EQ(card(0).word.text, QStringLiteral("w1-2"));
    EXPECT_EQ(card(1).word.text, QStringLiteral("w1-7"));
    EXPECT_EQ(card(2).word.text, QStringLiteral("w2-1"));
    passPage();
    drill().nextClick();
    dialogs_.messages.clear();

    drill().levelClick(1);
    EXPECT_EQ(card(0).word.text, QStringLiteral("w1-5"));
    EXPECT_EQ(card(1).word.text, QStringLiteral("w2-2"));
    EXPECT_EQ(card(2).word.text, QStringLiteral("w3-1"));
    EXPECT_EQ(card(0).level.text, QStringLiteral("2回目"));
}

TEST_F(DrillLogicTest, CardShowsWordPronunciationAndCheckCount) {
    WordRecord noMeaning = word(1, 3, 1, 998);
    noMeaning.meaning.reset();
    start({word(1, 1, 1, 1, QStringLiteral("ˈæpl")), word(1, 2, 1, 2), noMeaning});
    drill().levelClick(1);

    EXPECT_EQ(card(0).word, (ControlView{QStringLiteral("w1-1"), true, true, White}));
    EXPECT_EQ(card(0).hatuon, (ControlView{QStringLiteral("ˈæpl"), true, true, White}));
    EXPECT_FALSE(card(1).hatuon.visible);
    EXPECT_EQ(card(0).level.text, QStringLiteral("2回目"));
    EXPECT_EQ(card(2).level.text, QStringLiteral("999回目"));

    drill().wordClick(0);
    EXPECT_EQ(card(0).word.text, QStringLiteral("意味1-1"));
    EXPECT_FALSE(card(0).hatuon.visible);
    EXPECT_EQ(values().cards[0].MeaningShown, 1);
    drill().wordClick(0);
    EXPECT_EQ(card(0).word.text, QStringLiteral("w1-1"));
    EXPECT_TRUE(card(0).hatuon.visible);

    drill().wordClick(1);
    EXPECT_FALSE(card(1).hatuon.visible);
    EXPECT_EQ(drill().focus(), (DrillLogic::Focus{Target::CardOk, 1}));
    drill().wordClick(1);
    EXPECT_FALSE(card(1).hatuon.visible) << "no pronunciation, no line";

    drill().wordClick(2);
    EXPECT_EQ(card(2).word.text, QString()) << "a Null meaning is an empty face";
}

TEST_F(DrillLogicTest, RightClickOpensTheExplanationAndTurnsOnlyAMeaningBack) {
    start({word(1, 1, 0, 0, QStringLiteral("ˈæpl")), word(1, 2)});
    drill().levelClick(Never);

    rightClick(0);
    EXPECT_EQ(card(0).word.text, QStringLiteral("w1-1")) << "a word side is left as it is";
    EXPECT_EQ(values().RightClicked, 0);
    const ExplainView& window = drill().explainView();
    EXPECT_TRUE(window.open);
    EXPECT_EQ(window.word, QStringLiteral("w1-1"));
    EXPECT_EQ(window.meaning, QStringLiteral("意味1-1"));
    EXPECT_EQ(window.texts[0], QStringLiteral("説明1"));
    EXPECT_EQ(window.texts[4], QStringLiteral("説明5"));
    EXPECT_TRUE(window.pronunciation.visible);
    EXPECT_TRUE(window.callOk.visible);
    EXPECT_TRUE(window.callNg.visible);
    EXPECT_EQ(window.backColour, app_.explainBackColor);
    EXPECT_EQ(window.textBackColour, app_.explainTextBackColor);
    EXPECT_FALSE(view().command1.enabled);

    drill().wordClick(1);
    rightClick(1);
    EXPECT_EQ(card(1).word.text, QStringLiteral("w1-2")) << "the meaning turns back";
    EXPECT_EQ(window.word, QStringLiteral("w1-2"));
    EXPECT_FALSE(window.pronunciation.visible);
    EXPECT_EQ(values().ExplainCardIndex, 1);

    drill().command1Click();
    EXPECT_EQ(closeRequests_, 0) << "the drill cannot be left while the window is open";
    drill().explainCloseClick();
    EXPECT_FALSE(window.open);
    EXPECT_TRUE(view().command1.enabled);
    EXPECT_EQ(drill().focus(), (DrillLogic::Focus{Target::CardOk, 1}));
    drill().command1Click();
    EXPECT_EQ(closeRequests_, 1);
}

TEST_F(DrillLogicTest, OkStoresTheFirstCheckAndCountsTheRankDown) {
    start(words(1, 2));
    drill().levelClick(Never);
    drill().okClick(1);

    EXPECT_EQ(stored(1, 2)->level, 0);
    EXPECT_EQ(stored(1, 2)->times, 1);
    EXPECT_EQ(stored(1, 1)->times, 0);
    EXPECT_FALSE(card(1).word.visible);
    EXPECT_EQ(view().hint, QStringLiteral("その調子です。がんばりましょう。"));
    EXPECT_EQ(sound_.played, QStringList{QStringLiteral("ok.wav")});
    EXPECT_EQ(view().rankCounts[Never].text, QStringLiteral("1個"));
    EXPECT_TRUE(view().undo.enabled);
    EXPECT_FALSE(view().next.visible);
    drill().okClick(0);
    EXPECT_EQ(view().rankCounts[Never].text, QStringLiteral("終了!"));
    EXPECT_TRUE(view().next.visible);
}

TEST_F(DrillLogicTest, NgStoresOnceAndTheFollowingOkStoresNothing) {
    start({word(1, 1, 2, 5), word(1, 2, 2, 5)});
    drill().levelClick(2);
    drill().wordClick(0);
    drill().ngClick(0);

    EXPECT_EQ(card(0).word.text, QStringLiteral("w1-1")) << "NG turns the meaning back first";
    EXPECT_EQ(card(0).level.text, QStringLiteral("△△△○へ"));
    EXPECT_EQ(card(0).ng.colour, app_.ngBackColor);
    EXPECT_EQ(card(0).word.colour, app_.ngBackColor);
    EXPECT_EQ(stored(1, 1)->level, 3);
    EXPECT_EQ(stored(1, 1)->times, 6);
    EXPECT_EQ(view().hint, QStringLiteral("ＯＫになるまで何度も繰り返しましょう。"
                                          "全てＯＫになれば次へ進みます。"));
    EXPECT_EQ(sound_.played, QStringList{QStringLiteral("ng.wav")});
    EXPECT_TRUE(drill().explainView().open);
    EXPECT_FALSE(drill().explainView().callOk.visible) << "opened by NG: only 閉じる";
    EXPECT_EQ(values().RightClicked, 0);
    EXPECT_EQ(values().CardsLeft, 2);
    EXPECT_EQ(view().rankCounts[2].text, QStringLiteral("2個"));
    drill().explainCloseClick();

    execBehindTheBack(path_, "UPDATE word SET times = 50 WHERE key = 1");
    app_.ngBackColor = QStringLiteral("65280");
    drill().ngClick(0);
    drill().okClick(0);
    EXPECT_EQ(stored(1, 1)->times, 50) << "neither the second NG nor the OK writes again";
    EXPECT_EQ(card(0).ng.colour, Red) << "the colour of the first NG stays";
    EXPECT_EQ(view().rankCounts[2].text, QStringLiteral("1個"));
}

TEST_F(DrillLogicTest, SettingsSilenceTheSoundsAndKeepTheWindowShut) {
    start(words(1, 2));
    app_.noSound = 1;
    app_.noExplainOnNg = -1;
    drill().levelClick(Never);
    drill().ngClick(0);
    drill().okClick(1);
    EXPECT_TRUE(sound_.played.isEmpty());
    EXPECT_FALSE(drill().explainView().open);
}

TEST_F(DrillLogicTest, EndingARankLeavesTheOthersToChoose) {
    start({word(1, 1), word(1, 2, 1, 1), word(1, 3, 3, 1)});
    drill().levelClick(Never);
    for (int j : {Never, 1, 3})
        EXPECT_FALSE(view().rankButtons[j].enabled) << j;
    passPage();
    drill().nextClick();

    EXPECT_EQ(dialogs_.texts(),
              QStringList{QStringLiteral("選択されたランクの練習が終了しました。")});
    EXPECT_EQ(view().hint, QStringLiteral("チェックするランクのボタンを押してください。"));
    EXPECT_FALSE(view().rankButtons[Never].enabled);
    EXPECT_EQ(view().rankButtons[Never].colour, ButtonColour);
    EXPECT_TRUE(view().rankButtons[1].enabled);
    EXPECT_TRUE(view().rankButtons[3].enabled);
    EXPECT_FALSE(view().next.visible);
    EXPECT_EQ(view().rankCounts[Never].text, QStringLiteral("終了!"));

    drill().levelClick(1);
    passPage();
    drill().nextClick();
    EXPECT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(closeRequests_, 0);
    drill().levelClick(3);
    passPage();
    drill().nextClick();
    EXPECT_EQ(dialogs_.texts().last(), QStringLiteral("選択されたグループの練習が終了しました。"));
    EXPECT_EQ(closeRequests_, 1);
}

TEST_F(DrillLogicTest, WordsAtCircleAloneDoNotKeepThePracticeGoing) {
    start({word(1, 1), word(1, 2, 0, 3)});
    drill().levelClick(Never);
    passPage();
    drill().nextClick();
    EXPECT_EQ(dialogs_.texts(),
              QStringList{QStringLiteral("選択されたグループの練習が終了しました。")});
    EXPECT_EQ(closeRequests_, 1);
}

TEST_F(DrillLogicTest, PractisingTheCircleRankAloneEndsThePractice) {
    start({word(1, 1, 0, 3)});
    drill().levelClick(0);
    drill().okClick(0);
    drill().nextClick();
    EXPECT_EQ(closeRequests_, 1);
    EXPECT_EQ(stored(1, 1)->times, 4);
}

TEST_F(DrillLogicTest, UndoBringsTheLastOkBackOnce) {
    auto rows = words(1, 3);
    rows.push_back(word(2, 1, 1, 1));
    start(rows);
    drill().levelClick(Never);
    drill().wordClick(2);
    passPage();
    EXPECT_TRUE(view().next.visible);
    EXPECT_EQ(view().rankCounts[Never].text, QStringLiteral("終了!"));

    drill().undoClick();
    EXPECT_FALSE(view().next.visible);
    EXPECT_EQ(view().rankCounts[Never].text, QStringLiteral("1個"));
    EXPECT_EQ(values().CardsLeft, 1);
    EXPECT_EQ(values().cards[2].CardGraded, 0);
    EXPECT_EQ(card(2).word, (ControlView{QStringLiteral("w1-3"), true, true, White}));
    EXPECT_EQ(card(2).level.text, QStringLiteral("1回目"));
    EXPECT_EQ(drill().focus(), (DrillLogic::Focus{Target::CardOk, 2}));
    EXPECT_FALSE(view().undo.enabled);
    drill().undoClick();
    EXPECT_EQ(values().CardsLeft, 1) << "two undos in a row are not possible";

    drill().wordClick(2);
    EXPECT_EQ(card(2).word.text, QStringLiteral("意味1-3")) << "it came back on its word side";
    drill().okClick(2);
    EXPECT_TRUE(view().next.visible);
    drill().nextClick();
    EXPECT_FALSE(view().undo.enabled);
}

TEST_F(DrillLogicTest, EachGradeIsStoredWhileTheRankQueueIsStillBeingRead) {
    start(words(1, 25));
    drill().levelClick(Never);
    drill().okClick(0);
    drill().ngClick(1);
    EXPECT_EQ(stored(1, 1)->times, 1);
    EXPECT_EQ(stored(1, 2)->level, 4);
}

TEST_F(DrillLogicTest, UndoLeavesAnotherCardsNgAlone) {
    start(words(1, 2));
    drill().levelClick(Never);
    drill().okClick(0);
    drill().ngClick(1);
    drill().explainCloseClick();
    drill().undoClick();
    EXPECT_TRUE(card(0).ok.visible);
    EXPECT_EQ(card(1).ng.colour, app_.ngBackColor);
    EXPECT_EQ(card(1).level.text, QStringLiteral("△△△△へ"));
    EXPECT_EQ(values().cards[1].CardGraded, 1);
}

TEST_F(DrillLogicTest, AGradeAfterUndoReplacesTheUndoneOne) {
    start({word(1, 1, 1, 4), word(1, 2, 1, 4)});
    drill().levelClick(1);
    drill().okClick(0);
    EXPECT_EQ(stored(1, 1)->times, 5);
    drill().undoClick();
    drill().ngClick(0);
    EXPECT_EQ(stored(1, 1)->level, 2);
    EXPECT_EQ(stored(1, 1)->times, 5);

    drill().ngClick(1);
    drill().okClick(1);
    drill().undoClick();
    drill().okClick(1);
    EXPECT_EQ(stored(1, 2)->level, 1);
    EXPECT_EQ(stored(1, 2)->times, 5);
}

TEST_F(DrillLogicTest, WindowOkAndNgGradeTheCardLikeItsOwnButtons) {
    start(words(1, 3));
    drill().levelClick(Never);
    rightClick(0);
    drill().explainCallOkClick();
    EXPECT_FALSE(drill().explainView().open);
    EXPECT_FALSE(card(0).ok.visible);
    EXPECT_EQ(stored(1, 1)->times, 1);
    EXPECT_EQ(values().PendingGrade, 0);
    EXPECT_TRUE(view().command1.enabled);

    rightClick(1);
    drill().explainCallNgClick();
    EXPECT_FALSE(drill().explainView().open) << "NG from the window does not reopen it";
    EXPECT_TRUE(card(1).ok.visible);
    EXPECT_EQ(stored(1, 2)->level, 4);
    EXPECT_EQ(values().RankCounts[Never], 2);

    drill().activate();
    EXPECT_EQ(values().RankCounts[Never], 2) << "activation finds nothing pending";
}

TEST_F(DrillLogicTest, WindowGradesNothingForACardNoLongerOnThePage) {
    start(words(1, 11));
    drill().levelClick(Never);
    rightClick(0);
    drill().okClick(0);
    drill().explainCallOkClick();
    EXPECT_EQ(values().RankCounts[Never], 10) << "counted once";
    EXPECT_EQ(values().CardsLeft, 9);

    rightClick(1);
    passPage();
    drill().nextClick();
    ASSERT_EQ(card(0).word.text, QStringLiteral("w1-11"));
    drill().explainCallNgClick();
    EXPECT_EQ(stored(1, 11)->times, 0) << "the next page's card in the same slot is left alone";
    EXPECT_EQ(values().cards[0].CardGraded, 0);
}

TEST_F(DrillLogicTest, NgWhileTheWindowIsOpenHidesItsGradeButtonsAtOnce) {
    start(words(1, 2));
    drill().levelClick(Never);
    rightClick(0);
    drill().ngClick(1);
    const ExplainView& window = drill().explainView();
    EXPECT_EQ(window.word, QStringLiteral("w1-2"));
    EXPECT_FALSE(window.callOk.visible);
    EXPECT_FALSE(window.callNg.visible);
    EXPECT_EQ(values().ExplainFromNg, 0);

    drill().explainCloseClick();
    rightClick(0);
    EXPECT_TRUE(window.callOk.visible) << "a later right click opens the full window";
}

TEST_F(DrillLogicTest, AGradeWithNoMatchingRowIsReportedAndTheDrillGoesOn) {
    start(words(1, 2));
    drill().levelClick(Never);
    execBehindTheBack(path_, "DELETE FROM word WHERE key = 1");
    drill().okClick(0);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].text.contains(QStringLiteral("w1-1")));
    EXPECT_EQ(dialogs_.messages[0].icon, UserDialogs::Icon::Exclamation);
    EXPECT_FALSE(drill().hasFailed());
    EXPECT_FALSE(stored(1, 1).has_value());
    EXPECT_EQ(stored(1, 2)->times, 0);
    drill().okClick(1);
    EXPECT_EQ(stored(1, 2)->times, 1);
    EXPECT_TRUE(view().next.visible);
}

class DrillStoreErrorTest : public DrillLogicTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DrillStoreErrorTest, EndsTheProgramKeepingEarlierGrades) {
    const bool ok = GetParam();
    start(words(1, 3));
    drill().levelClick(Never);
    drill().okClick(0);
    execBehindTheBack(path_, "ALTER TABLE word RENAME TO gone");
    ok ? drill().okClick(1) : drill().ngClick(1);

    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text,
              ok ? QStringLiteral("エラーが発生しました。終了します。[BT_ok_Click]")
                 : QStringLiteral("エラーが発生しました。終了します。[BT_ng_Click]"));
    EXPECT_EQ(dialogs_.messages[0].icon, UserDialogs::Icon::None);
    EXPECT_EQ(fatalErrors_, 1);
    EXPECT_TRUE(drill().hasFailed());

    drill().okClick(2);
    EXPECT_EQ(dialogs_.messages.size(), 1u) << "nothing runs after the error";
    execBehindTheBack(path_, "ALTER TABLE gone RENAME TO word");
    EXPECT_EQ(stored(1, 1)->times, 1);
    EXPECT_EQ(stored(1, 2)->times, 0);
    EXPECT_EQ(stored(1, 3)->times, 0);
}

INSTANTIATE_TEST_SUITE_P(OkAndNg, DrillStoreErrorTest, ::testing::Bool());

TEST_F(DrillLogicTest, AQueueThatCannotBeReadShowsAMessageAndNoCards) {
    start(words(1, 3));
    execBehindTheBack(path_, "DROP TABLE selected");
    drill().levelClick(Never);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(
        dialogs_.messages[0].text.startsWith(QStringLiteral("単語データを読み込めませんでした。")));
    EXPECT_EQ(cardsShown(), 0);
    EXPECT_TRUE(view().rankButtons[Never].enabled) << "the rank may be tried again";
    EXPECT_EQ(view().rankButtons[Never].colour, ButtonColour);
    EXPECT_EQ(values().RankDone[Never], 0);
    EXPECT_EQ(view().hint, QStringLiteral("チェックするランクのボタンを押してください。"));
}

TEST_F(DrillLogicTest, KeysChooseTurnAndGradeCards) {
    start(words(1, 10));
    drill().levelClick(Never);
    drill().chooseCard(3);
    EXPECT_EQ(drill().focus(), (DrillLogic::Focus{Target::CardOk, 3}));
    drill().keyPressed(DrillLogic::Key::Down);
    EXPECT_EQ(drill().selectedCard(), 4);
    drill().keyPressed(DrillLogic::Key::Right);
    EXPECT_EQ(drill().selectedCard(), 9);
    drill().keyPressed(DrillLogic::Key::Turn);
    EXPECT_EQ(card(9).word.text, QStringLiteral("意味1-10"));
    drill().okClick(drill().selectedCard());
    EXPECT_FALSE(card(9).ok.visible);
    EXPECT_EQ(drill().selectedCard(), 0) << "the selection moves on to a card left";

    drill().cardFocused(5);
    drill().keyPressed(DrillLogic::Key::Ng);
    EXPECT_EQ(stored(1, 6)->level, 4);
    drill().explainCloseClick();
    drill().keyPressed(DrillLogic::Key::Explain);
    EXPECT_TRUE(drill().explainView().open);
    EXPECT_TRUE(drill().explainView().callOk.visible);
    drill().explainCloseClick();
    drill().keyPressed(DrillLogic::Key::Undo);
    EXPECT_TRUE(card(9).ok.visible);
    drill().chooseCard(9);
    drill().keyPressed(DrillLogic::Key::Left);
    EXPECT_EQ(drill().selectedCard(), 4);
}

TEST_F(DrillLogicTest, ActivationAppliesANewDrillColour) {
    start(words(1, 1));
    app_.drillBackColor = QStringLiteral("65280");
    drill().activate();
    EXPECT_EQ(view().formColour, QStringLiteral("65280"));
}

} // namespace
