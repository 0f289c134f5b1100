// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardqueue.h"
#include "drillvalues.h"
#include "drillview.h"
#include "explainhandover.h"
#include "levelmove.h"
#include "rankbar.h"

#include <QObject>
#include <QString>
#include <optional>

struct AppValues;
class SoundPlayer;
class StoreError;
class UserDialogs;
class WordSpeaker;
class WordStore;

// The drill: ranks, pages of ten cards, OK and NG with their level moves, and undo. Each
// event changes the values and what every control shows; the windows only draw view()
// and explainView() and forward events.
class DrillLogic : public QObject {
    Q_OBJECT
public:
    struct Focus {
        enum class Target { None, CardOk, Next, Rank };
        Target target = Target::None;
        int slot = 0; // the card, or the rank for Target::Rank
        bool operator==(const Focus&) const = default;
    };

    DrillLogic(AppValues& app, WordStore& store, UserDialogs& dialogs, SoundPlayer& sound,
               WordSpeaker& speaker, QObject* parent = nullptr);

    const DrillView& view() const { return view_; }
    const ExplainView& explainView() const { return handOver_.view(); }
    Focus focus() const { return focus_; }
    bool hasFailed() const { return failed_; }
    bool isOnPage(int slot) const;

    // The drill screen's events.
    void load();
    void activate();
    void levelClick(int rank);
    void nextClick();
    void okClick(int slot);
    void ngClick(int slot);
    void undoClick();
    void wordClick(int slot);
    void wordMouseUp(int slot, Qt::MouseButton button);
    void command1Click();

    // Puts the focus on a card's OK, so that the keys act on that card.
    void chooseCard(int slot);
    // Says the card's English word, whichever side the card shows.
    void speakCard(int slot);

    // The explanation window's events.
    void explainActivate();
    void explainCallOkClick();
    void explainCallNgClick();
    void explainCloseClick();
    void explainSpeakClick();

signals:
    void viewChanged();
    void focusRequested();
    void explanationShown(); // open the window, or bring it to the front
    void explanationChanged();
    void explanationClosed();
    void closeRequested(); // leave the drill for the main screen
    void fatalError();     // a grade could not be stored; the program must end

private:
    void resetDrillScreen();
    void clearCards();
    bool loadCardPage();
    void fillCard(int slot, const WordRecord& record);
    void showUngraded(int slot);
    void showWordSide(int slot);
    void showMeaningSide(int slot);
    void passCard(int slot);
    void failCard(int slot);
    void explain(int slot, bool gradedNg);
    // The card's new level and times once stored; nothing when the learner gave up.
    std::optional<LevelMove::Result> writeGrade(int slot, LevelMove::Grade grade);
    void endRank();
    void abandonRank(const StoreError& error);
    void closeExplanation();
    void say(const QString& word);
    bool explainedCardIsOnPage() const;
    void runPendingGrade();
    void setFocus(Focus::Target target, int slot = 0);
    void focusFirstOpenRank();
    void failWith(const QString& handler);

    AppValues& app_;
    WordStore& store_;
    UserDialogs& dialogs_;
    SoundPlayer& sound_;
    WordSpeaker& speaker_;

    DrillValues values_;
    DrillView view_;
    ExplainHandOver handOver_;
    RankBar rankBar_{values_, view_};
    CardQueue queue_;
    Focus focus_;
    bool runningPending_ = false;
    bool failed_ = false;
};
