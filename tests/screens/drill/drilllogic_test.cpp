// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillfixture.h"
#include "screens/drill/drillkeys.h"
#include "screens/drill/drilllogic.h"

#include <gtest/gtest.h>

namespace {

using namespace drillfixture;
constexpr int Never = LevelClass::Never;

// clang-format off
enum class Act { Level, Ok, Ng, Click, Right, Undo, Next, WinOk, WinNg, WinClose, WinSpeak, PassAll, Key };
struct Step { Act act; int arg = 0; }; // arg: a slot, or a key with its modifiers
// clang-format on

class DrillLogicTest : public ::testing::Test {
protected:
    void start(const std::vector<WordRecord>& rows) {
        path_ = dir_.path() + QStringLiteral("/words%1.vku").arg(++files_);
        makeWordFile(path_, rows, app_);
        store_.emplace(WordStore::open(path_));
        closes_ = fatal_ = 0;
        dialogs_.messages.clear();
        drill_ = std::make_unique<DrillLogic>(app_, *store_, dialogs_, sound_, speaker_);
        keys_ = std::make_unique<DrillKeys>(*drill_);
        QObject::connect(drill_.get(), &DrillLogic::closeRequested, [this] { ++closes_; });
        QObject::connect(drill_.get(), &DrillLogic::fatalError, [this] { ++fatal_; });
        drill_->load();
    }

    // clang-format off
    void run(Step s) {
        DrillLogic& d = *drill_;
        switch (s.act) {
        case Act::Level: return d.levelClick(LevelClass::Never);
        case Act::Ok: return d.okClick(s.arg);
        case Act::Ng: return d.ngClick(s.arg);
        case Act::Click: return d.wordClick(s.arg);
        case Act::Right: d.wordMouseUp(s.arg, Qt::RightButton); return d.wordClick(s.arg);
        case Act::Undo: return d.undoClick();
        case Act::Next: return d.nextClick();
        case Act::WinOk: return d.explainCallOkClick();
        case Act::WinNg: return d.explainCallNgClick();
        case Act::WinClose: return d.explainCloseClick();
        case Act::WinSpeak: return d.explainSpeakClick();
        case Act::PassAll: for (int slot = 0; slot < DrillValues::Slots; ++slot) d.okClick(slot); return;
        case Act::Key: keys_->press(s.arg & ~Qt::KeyboardModifierMask, Qt::KeyboardModifiers(s.arg & Qt::KeyboardModifierMask));
        }
    }
    // clang-format on

    // Each slot: '-' no card, 'n' graded NG, 'm' meaning side, 'w' word side; then the
    // explanation window (F with OK and NG, C with 閉じる alone, _ shut) and the rank's count.
    std::string page() const {
        std::string shown;
        // clang-format off
        for (const CardView& c : drill_->view().cards)
            shown += !c.ok.visible ? '-' : c.level.text.endsWith(u'へ') ? 'n' : c.word.text.startsWith(u"意味") ? 'm' : 'w';
        // clang-format on
        const ExplainView& e = drill_->explainView();
        shown += e.open ? (e.callOk.visible ? "|F|" : "|C|") : "|_|";
        return shown + drill_->view().rankCounts[current_].text.toStdString();
    }

    QTemporaryDir dir_;
    QString path_;
    AppValues app_;
    FakeDialogs dialogs_;
    FakeSound sound_;
    FakeSpeaker speaker_;
    std::optional<WordStore> store_;
    std::unique_ptr<DrillLogic> drill_;
    std::unique_ptr<DrillKeys> keys_;
    int current_ = Never, files_ = 0, closes_ = 0, fatal_ = 0;
};

TEST_F(DrillLogicTest, GradesTurnsUndoesAndExplainsCards) {
    using enum Act;
    // clang-format off
    // The words of group 1, all on the rank practised; the stored rows are key, level, times.
    struct Script { const char* name; int count, level, times; std::vector<Step> steps; std::string page; std::vector<std::array<int, 3>> stored; };
    const Script scripts[] = {
        {"OK stores the first check", 3, 0, 0, {{Ok, 1}}, "w-w-------|_|2個", {{2, 0, 1}, {1, 0, 0}}},
        {"a click turns, twice turns back", 2, 0, 0, {{Click, 0}, {Click, 1}, {Click, 1}}, "mw--------|_|2個", {}},
        {"NG turns back and explains", 2, 2, 5, {{Click, 0}, {Ng, 0}}, "nw--------|C|2個", {{1, 3, 6}}},
        {"one grade per card", 2, 2, 5, {{Ng, 0}, {WinClose}, {Ng, 0}, {WinClose}, {Ok, 0}}, "-w--------|_|1個", {{1, 3, 6}}},
        {"undo, then NG replaces", 2, 1, 4, {{Click, 0}, {Ok, 0}, {Undo}, {Ng, 0}, {WinClose}}, "nw--------|_|2個", {{1, 2, 5}}},
        {"undo once, NG stays", 3, 0, 0, {{Ok, 0}, {Ng, 1}, {WinClose}, {Undo}, {Undo}}, "wnw-------|_|3個", {{1, 0, 1}, {2, 4, 1}}},
        {"page done, undo", 2, 0, 0, {{PassAll}, {Undo}}, "-w--------|_|1個", {}},
        {"right click keeps a word side", 2, 0, 0, {{Right, 0}}, "ww--------|F|2個", {}},
        {"right click turns a meaning back", 2, 0, 0, {{Click, 1}, {Right, 1}}, "ww--------|F|2個", {}},
        {"a click after a right click turns", 2, 0, 0, {{Right, 0}, {WinClose}, {Click, 0}}, "mw--------|_|2個", {}},
        {"window OK and NG grade", 3, 0, 0, {{Right, 0}, {WinOk}, {Right, 1}, {WinNg}}, "-nw-------|_|2個", {{1, 0, 1}, {2, 4, 1}}},
        {"window grades no passed card", 3, 0, 0, {{Right, 0}, {Ok, 0}, {WinOk}}, "-ww-------|_|2個", {}},
        {"window grades no next page's card", 11, 0, 0, {{Right, 0}, {PassAll}, {Next}, {WinNg}}, "w---------|_|1個", {{11, 0, 0}}},
        {"NG under the window hides its grades", 2, 0, 0, {{Right, 0}, {Ng, 1}}, "wn--------|C|2個", {}},
        {"digit, T", 10, 0, 0, {{Key, Qt::Key_3}, {Key, Qt::Key_T}}, "wwmwwwwwww|_|10個", {}},
        {"0 is card 10", 10, 0, 0, {{Key, Qt::Key_0}, {Key, Qt::Key_T}}, "wwwwwwwwwm|_|10個", {}},
        {"down, right", 10, 0, 0, {{Key, Qt::Key_3}, {Key, Qt::Key_Down}, {Key, Qt::Key_Right}, {Key, Qt::Key_T}}, "wwwwwwwwmw|_|10個", {}},
        {"down to the end", 10, 0, 0, {{Key, Qt::Key_9}, {Key, Qt::Key_Down}, {Key, Qt::Key_Down}, {Key, Qt::Key_T}}, "wwwwwwwwwm|_|10個", {}},
        {"left, up at the top", 10, 0, 0, {{Key, Qt::Key_6}, {Key, Qt::Key_Left}, {Key, Qt::Key_Up}, {Key, Qt::Key_T}}, "mwwwwwwwww|_|10個", {}},
        {"down skips a passed card", 10, 0, 0, {{Ok, 2}, {Key, Qt::Key_2}, {Key, Qt::Key_Down}, {Key, Qt::Key_T}}, "ww-mwwwwww|_|9個", {}},
        {"after OK the next card is chosen", 10, 0, 0, {{Key, Qt::Key_0}, {Ok, 9}, {Key, Qt::Key_T}}, "mwwwwwwww-|_|9個", {}},
        {"N, E", 10, 0, 0, {{Key, Qt::Key_5}, {Key, Qt::Key_N}, {WinClose}, {Key, Qt::Key_1}, {Key, Qt::Key_E}}, "wwwwnwwwww|F|10個", {{5, 4, 1}}},
        {"Ctrl+Z", 10, 0, 0, {{Ok, 4}, {Key, int(Qt::ControlModifier) | Qt::Key_Z}}, "wwwwwwwwww|_|10個", {}},
        {"Enter and Space are the button's", 10, 0, 0, {{Key, Qt::Key_1}, {Key, Qt::Key_Return}, {Key, Qt::Key_Space}, {Key, int(Qt::ControlModifier) | Qt::Key_T}}, "wwwwwwwwww|_|10個", {}},
    };
    // clang-format on
    for (const Script& s : scripts) {
        SCOPED_TRACE(s.name);
        start(words(s.count, s.level, s.times));
        current_ = s.times == 0 ? Never : s.level;
        drill_->levelClick(current_);
        for (const Step& step : s.steps)
            run(step);
        EXPECT_EQ(page(), s.page);
        for (const auto& [key, level, times] : s.stored)
            EXPECT_EQ(stored(path_, key), std::make_pair(level, times)) << key;
    }
}

TEST_F(DrillLogicTest, PagesAndRanksRunToTheEndOfThePractice) {
    // The level and times of each word, the ranks practised in turn, and the log: the cards
    // of each page, R at a rank's end, G at the practice's end.
    // clang-format off
    struct Row { std::vector<std::pair<int, int>> progress; std::vector<int> ranks; std::string log; };
    const Row rows[] = {{std::vector<std::pair<int, int>>(23, {0, 0}), {Never}, "10.10.3.G"},
                        {{{0, 0}, {1, 1}, {3, 1}, {1, 2}}, {Never, 1, 3}, "1.R2.R1.G"},
                        {{{0, 0}, {0, 3}}, {Never}, "1.G"}, // known words keep nothing going
                        {{{0, 3}}, {0}, "1.G"}};
    // clang-format on
    for (const Row& row : rows) {
        std::vector<WordRecord> records;
        for (const auto& [level, times] : row.progress)
            records.push_back(testwords::word(1, int(records.size()) + 1, level, times));
        start(records);
        std::string log;
        for (const int rank : row.ranks) {
            EXPECT_EQ(drill_->focus(), (DrillLogic::Focus{DrillLogic::Focus::Target::Rank, rank}));
            drill_->levelClick(rank);
            while (drill_->view().cards[0].ok.visible && log.size() < 20) {
                log += std::to_string(std::ranges::count_if(
                           drill_->view().cards, [](const CardView& c) { return c.ok.visible; })) +
                       ".";
                run({Act::PassAll});
                drill_->nextClick();
            }
            for (const QString& text : std::exchange(dialogs_.messages, {}))
                log += text.contains(u"ランク") ? "R" : "G";
        }
        EXPECT_EQ(log, row.log);
        EXPECT_EQ(closes_, 1);
        EXPECT_EQ(stored(path_, 1).second, row.progress[0].second + 1);
    }
}

TEST_F(DrillLogicTest, StoreFailures) {
    // clang-format off
    struct Row { const char* sql; bool beforeRank; Act act; const char* message; bool fatal; std::string page; };
    const Row rows[] = {
        {"ALTER TABLE word RENAME TO gone", false, Act::Ok, "終了します。[BT_ok_Click]", true, "www-------|_|3個"},
        {"ALTER TABLE word RENAME TO gone", false, Act::Ng, "終了します。[BT_ng_Click]", true, "www-------|_|3個"},
        {"DELETE FROM word WHERE key = 1", false, Act::Ok, "「w1-1」（グループ 1、番号 1）", false, "--w-------|_|1個"},
        {"DROP TABLE selected", true, Act::Ok, "単語データを読み込めませんでした。", false, "----------|_|3個"}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.sql);
        start(words(3));
        if (row.beforeRank)
            execBehindTheBack(path_, row.sql);
        drill_->levelClick(Never);
        if (!row.beforeRank)
            execBehindTheBack(path_, row.sql);
        run({row.act, 0});
        run({Act::Ok, 1}); // nothing runs after a fatal error
        EXPECT_TRUE(dialogs_.messages.size() == 1 &&
                    dialogs_.messages[0].contains(QString::fromUtf8(row.message)));
        EXPECT_EQ(fatal_, row.fatal ? 1 : 0);
        EXPECT_EQ(page(), row.page);
        EXPECT_EQ(drill_->view().rankButtons[Never].enabled, row.beforeRank) << "tried again";
    }
}

TEST_F(DrillLogicTest, CardFacesSoundsAndSettings) {
    std::vector<WordRecord> rows = words(2, 1, 998);
    rows[1].meaning.reset();
    start(rows);
    drill_->levelClick(current_ = 1);
    const DrillView& v = drill_->view();
    EXPECT_TRUE(v.cards[0].pronunciation.visible && !v.cards[1].pronunciation.visible);
    EXPECT_EQ(v.cards[1].level.text, u"999回目"_qs);
    run({Act::Click, 1});
    EXPECT_EQ(v.cards[1].word.text, QString()) << "a Null meaning is an empty face";
    run({Act::Ng, 0});
    EXPECT_EQ(v.cards[0].word.colour, app_.ngBackColor);
    EXPECT_EQ(drill_->explainView().texts[0], u"説明1"_qs);
    drill_->command1Click(); // not while the window is open
    run({Act::WinClose});
    app_.noSound = 1;
    app_.noExplainOnNg = -1;
    app_.drillBackColor = u"65280"_qs;
    drill_->activate();
    run({Act::Ng, 1});
    EXPECT_EQ(sound_.played, QStringList{u"ng.wav"_qs});
    EXPECT_EQ(page(), "nn--------|_|2個");
    EXPECT_EQ(v.formColour, u"65280"_qs);
    drill_->command1Click();
    EXPECT_EQ(closes_, 1);
}

TEST_F(DrillLogicTest, SpeaksTheChosenCardsWord) {
    using enum Act;
    // clang-format off
    struct Row { const char* name; int noSound; std::vector<Step> steps; QStringList spoken; };
    const Row rows[] = { // each followed by S
        {"no card before a rank", 0, {}, {}},
        {"the chosen card, either side", 0, {{Level}, {Key, Qt::Key_3}, {Click, 2}}, {"w1-3"}},
        {"no card left on the page", 0, {{Level}, {PassAll}}, {}},
        {"the explained word, then the chosen one", 0, {{Level}, {Right, 1}, {Key, Qt::Key_4}, {WinSpeak}}, {"w1-2", "w1-4"}},
        {"no word without the window", 0, {{Level}, {Right, 1}, {WinClose}, {WinSpeak}}, {"w1-2"}},
        {"NoSound", 1, {{Level}, {Right, 0}, {WinSpeak}}, {}},
        {"NoSound -1 is on too", -1, {{Level}}, {}}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        speaker_.spoken.clear();
        app_.noSound = qint16(row.noSound);
        start(words(10));
        for (const Step& step : row.steps)
            run(step);
        run({Act::Key, Qt::Key_S});
        EXPECT_EQ(speaker_.spoken.join(u','), row.spoken.join(u','));
    }
}

TEST(LevelMove, GivesNewLevelAndTimes) {
    using LevelMove::Grade;
    // clang-format off
    struct Row { Grade grade; int level, times, newLevel, newTimes; };
    const Row rows[] = {
        // A first check: level 0 for OK, 4 for NG, whatever the level was.
        // Level 4 comes back to 1, 2 or 3 by the checks so far; NG keeps it.
        // Below 4, OK keeps the level and NG moves it one towards 4.
        // The count stops at 999; a damaged level is taken as the nearest.
        {Grade::Ok, 0, 0, 0, 1}, {Grade::Ok, 3, 0, 0, 1}, {Grade::Ng, 2, 0, 4, 1}, {Grade::Ok, 4, 1, 1, 2}, {Grade::Ok, 4, 2, 2, 3}, {Grade::Ok, 4, 7, 3, 8},
        {Grade::Ng, 4, 50, 4, 51}, {Grade::Ok, 1, 4, 1, 5}, {Grade::Ok, 3, 9, 3, 10}, {Grade::Ng, 0, 1, 1, 2}, {Grade::Ng, 3, 9, 4, 10}, {Grade::Ok, 1, 998, 1, 999},
        {Grade::Ng, 1, 999, 2, 999}, {Grade::Ok, 4, 999, 3, 999}, {Grade::Ng, 9, 3, 4, 4}, {Grade::Ok, -2, 3, 0, 4}};
    // clang-format on
    for (const Row& r : rows) {
        EXPECT_EQ(LevelMove::after(r.grade, r.level, r.times),
                  (LevelMove::Result{r.newLevel, r.newTimes}))
            << int(r.grade) << " from " << r.level << "/" << r.times;
    }
    EXPECT_EQ(LevelMove::caption(1) + LevelMove::caption(4), QStringLiteral("△○へ△△△△へ"));
}

} // namespace
