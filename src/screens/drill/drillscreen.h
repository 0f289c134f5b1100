// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordstore.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class DrillKeys;
class DrillLogic;
class ExplainWindow;
class QLabel;
class QMouseEvent;
class QPushButton;
class SoundPlayer;
class UserDialogs;
class WordSpeaker;
struct AppValues;

// The drill screen VK0020: the rank bar, a page of up to ten cards and the explanation
// window. Created means loaded: the constructor runs the load step on the practice set of
// the store it is given. It draws DrillLogic's state and forwards every event to it (keys
// to DrillKeys), and closes itself (being deleted) when the learner goes back to the main
// screen. Enter and Space press the focused button (a card's OK or NG, 次へ, a rank).
class DrillScreen : public QMainWindow {
    Q_OBJECT
public:
    DrillScreen(AppValues& values, WordStore store, UserDialogs& dialogs, SoundPlayer& sound,
                WordSpeaker& speaker, QWidget* parent = nullptr);
    ~DrillScreen() override;

    // Opens the current word data file and loads the drill on it; null, after telling the
    // learner why, when the file cannot be opened.
    static DrillScreen* open(AppValues& values, UserDialogs& dialogs, SoundPlayer& sound,
                             WordSpeaker& speaker);

    DrillLogic& logic() { return *logic_; }

signals:
    void backToMainRequested();
    void displaySettingsRequested();
    void aboutRequested();
    void manualRequested();
    // A grade could not be stored and the learner was told; the program must end with a
    // non-zero status. The window stays open until then.
    void fatalError();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct CardControls {
        QLabel* word = nullptr;
        QLabel* pronunciation = nullptr;
        QPushButton* ok = nullptr;
        QPushButton* ng = nullptr;
        QLabel* level = nullptr;
    };

    void buildControls(QWidget* area);
    void buildRankBar(QWidget* area);
    void buildKeyLegend(QWidget* area);
    void buildCard(QWidget* area, int slot);
    void buildMenus();
    void connectLogic();
    void render();
    void moveFocus();
    void showExplanation();
    int cardOf(QObject* control) const;
    void forwardMouse(QObject* watched, const QMouseEvent* mouse);

    WordStore store_;
    std::unique_ptr<DrillLogic> logic_;
    DrillKeys* keys_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* hint_ = nullptr;
    std::array<QPushButton*, 6> rankButtons_{};
    std::array<QLabel*, 6> rankCounts_{};
    std::array<CardControls, 10> cards_{};
    QPointer<ExplainWindow> explain_;
    bool leaving_ = false;
};
