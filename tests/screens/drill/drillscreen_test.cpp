// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillfixture.h"
#include "screens/drill/drilllogic.h"
#include "screens/drill/drillscreen.h"
#include "screens/drill/explainwindow.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace drillfixture;

class DrillScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadShowsTheRankBarAndNoCards();
    void practisesARankToItsEndWithMouseAndKeys();
    void explanationWindowClosedFromItsFrameReleasesTheBackButton();
    void leavingAndMenusAskTheProgram();
    void enterAndSpacePressTheFocusedButton_data();
    void enterAndSpacePressTheFocusedButton();

private:
    void openDrill(const std::vector<WordRecord>& rows);
    template <typename T> T* control(const QString& name) const;
    template <typename T> T* control(const char* name, int index) const;
    ExplainWindow* explainWindow() const { return screen_->explainWindow(); }
    void clickCard(const char* name, int slot, Qt::MouseButton button = Qt::LeftButton);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
    AppValues app_;
    RecordingDialogs dialogs_;
    RecordingSound sound_;
    QPointer<DrillScreen> screen_;
};

void DrillScreenTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    app_ = {};
    dialogs_.messages.clear();
    sound_.played.clear();
}

void DrillScreenTest::cleanup() {
    delete screen_.data();
}

void DrillScreenTest::openDrill(const std::vector<WordRecord>& rows) {
    path_ = dir_->path() + QStringLiteral("/words.vku");
    makeWordFile(path_, rows, app_);
    screen_ = DrillScreen::open(app_, dialogs_, sound_);
    QVERIFY(screen_);
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_.data()));
}

template <typename T> T* DrillScreenTest::control(const QString& name) const {
    T* found = screen_->findChild<T*>(name);
    if (!found && explainWindow())
        found = explainWindow()->findChild<T*>(name);
    return found;
}

template <typename T> T* DrillScreenTest::control(const char* name, int index) const {
    return control<T>(QLatin1String(name) + QLatin1Char('_') + QString::number(index));
}

void DrillScreenTest::clickCard(const char* name, int slot, Qt::MouseButton button) {
    QTest::mouseClick(control<QLabel>(name, slot), button);
}

void DrillScreenTest::key(int key, Qt::KeyboardModifiers modifiers) {
    // The window's own focus child: the offscreen platform need not make the window active.
    QWidget* target = screen_->focusWidget() ? screen_->focusWidget() : screen_.data();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void DrillScreenTest::loadShowsTheRankBarAndNoCards() {
    auto rows = words(1, 12);
    rows.push_back(word(2, 1, 2, 3));
    openDrill(rows);

    QCOMPARE(screen_->objectName(), QStringLiteral("VK0020"));
    QCOMPARE(screen_->windowTitle(), QStringLiteral("VOKU英単カード　words.vku"));
    QVERIFY(control<QPushButton>("BT_level", 5)->isVisible());
    QVERIFY(control<QPushButton>("BT_level", 2)->isVisible());
    QVERIFY(!control<QPushButton>("BT_level", 0)->isVisible());
    QCOMPARE(control<QLabel>("LB_kosu", 5)->text(), QStringLiteral("12個"));
    QVERIFY(!control<QLabel>("LB_kosu", 0)->isVisible());
    QCOMPARE(control<QLabel>(QStringLiteral("LB_setumei2"))->text(),
             QStringLiteral("チェックするランクのボタンを押してください。"));
    QVERIFY(!control<QPushButton>(QStringLiteral("BT_undo"))->isEnabled());
    QVERIFY(!control<QPushButton>(QStringLiteral("BT_next"))->isVisible());
    QVERIFY(!control<QLabel>("LB_word", 9)->isVisible());
    QCOMPARE(control<QPushButton>(QStringLiteral("Command1"))->text(),
             QStringLiteral("メイン画面へ"));
}

void DrillScreenTest::practisesARankToItsEndWithMouseAndKeys() {
    auto rows = words(1, 12);
    rows[0].text6 = QStringLiteral("ˈwɜːd");
    rows.push_back(word(2, 1, 2, 3));
    openDrill(rows);
    auto* undo = control<QPushButton>(QStringLiteral("BT_undo"));
    auto* next = control<QPushButton>(QStringLiteral("BT_next"));
    auto* back = control<QPushButton>(QStringLiteral("Command1"));
    auto* practised = control<QPushButton>("BT_level", 5);
    // Enter must choose a rank, not leave the drill.
    QCOMPARE(screen_->focusWidget(), practised);

    QTest::mouseClick(practised, Qt::LeftButton);
    QVERIFY(control<QLabel>("LB_hatuon", 0)->isVisible());
    const auto caption = [](QPushButton* b, QPalette::ColorGroup group) {
        return b->palette().color(group, QPalette::ButtonText);
    };
    QCOMPARE(caption(practised, QPalette::Disabled), caption(practised, QPalette::Active));
    auto* waiting = control<QPushButton>("BT_level", 2);
    QVERIFY(caption(waiting, QPalette::Disabled) != caption(waiting, QPalette::Active));
    clickCard("LB_word", 0);
    QCOMPARE(control<QLabel>("LB_word", 0)->text(), QStringLiteral("意味1-1"));
    clickCard("LB_word", 0);
    QVERIFY(control<QLabel>("LB_hatuon", 0)->isVisible());
    // The pronunciation line turns its card too.
    clickCard("LB_hatuon", 0);
    QCOMPARE(control<QLabel>("LB_word", 0)->text(), QStringLiteral("意味1-1"));
    QTest::mouseClick(control<QPushButton>("BT_OK", 0), Qt::LeftButton);
    QVERIFY(!control<QLabel>("LB_word", 0)->isVisible());

    // NG opens the explanation with 閉じる only.
    QTest::mouseClick(control<QPushButton>("BT_ng", 1), Qt::LeftButton);
    QVERIFY(explainWindow() && explainWindow()->isVisible());
    QCOMPARE(explainWindow()->objectName(), QStringLiteral("VK0030"));
    QVERIFY(!control<QPushButton>(QStringLiteral("BT_callok"))->isVisible());
    QVERIFY(!back->isEnabled());
    QCOMPARE(control<QLabel>("LB_level", 1)->text(), QStringLiteral("△△△△へ"));
    QTest::mouseClick(explainWindow()->findChild<QPushButton*>(QStringLiteral("BT_OK")),
                      Qt::LeftButton);
    QTRY_VERIFY(!explainWindow());
    QVERIFY(back->isEnabled());

    // A right click opens the full window; its NG and OK grade the card.
    clickCard("LB_word", 2, Qt::RightButton);
    QVERIFY(explainWindow());
    QCOMPARE(control<QLabel>(QStringLiteral("LB_meaning"))->text(), QStringLiteral("意味1-3"));
    QTest::mouseClick(control<QPushButton>(QStringLiteral("BT_callng")), Qt::LeftButton);
    QTRY_VERIFY(!explainWindow());
    QVERIFY(control<QLabel>("LB_word", 2)->isVisible());
    clickCard("LB_word", 3, Qt::RightButton);
    QTest::mouseClick(control<QPushButton>(QStringLiteral("BT_callok")), Qt::LeftButton);
    QTRY_VERIFY(!explainWindow());
    QVERIFY(!control<QLabel>("LB_word", 3)->isVisible());

    // OK, undone, then NG.
    QTest::mouseClick(control<QPushButton>("BT_OK", 4), Qt::LeftButton);
    QVERIFY(undo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    QVERIFY(control<QPushButton>("BT_OK", 4)->isVisible());
    QTest::mouseClick(control<QPushButton>("BT_ng", 4), Qt::LeftButton);
    QTest::keyClick(explainWindow(), Qt::Key_Escape);
    QTRY_VERIFY(!explainWindow());

    // The keyboard: 6 chooses card 6, Enter passes it; 7 and N fail card 7.
    key(Qt::Key_6);
    key(Qt::Key_Return);
    QVERIFY(!control<QLabel>("LB_word", 5)->isVisible());
    key(Qt::Key_7);
    key(Qt::Key_N);
    QVERIFY(explainWindow());
    QTest::keyClick(explainWindow(), Qt::Key_Escape);
    QTRY_VERIFY(!explainWindow());
    // Ctrl+Z takes back the OK of card 6.
    key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(control<QLabel>("LB_word", 5)->isVisible());
    key(Qt::Key_6);
    key(Qt::Key_T);
    QCOMPARE(control<QLabel>("LB_word", 5)->text(), QStringLiteral("意味1-6"));
    key(Qt::Key_Return);

    for (int s = 0; s < 10; ++s) {
        if (control<QPushButton>("BT_OK", s)->isVisible())
            QTest::mouseClick(control<QPushButton>("BT_OK", s), Qt::LeftButton);
    }
    QVERIFY(next->isVisible());
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(control<QLabel>("LB_word", 0)->isVisible());
    QVERIFY(!control<QLabel>("LB_word", 2)->isVisible());
    QTest::mouseClick(control<QPushButton>("BT_OK", 0), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("BT_ng", 1), Qt::LeftButton);
    explainWindow()->close();
    QTRY_VERIFY(!explainWindow());
    QTest::mouseClick(control<QPushButton>("BT_OK", 1), Qt::LeftButton);
    QCOMPARE(control<QLabel>("LB_kosu", 5)->text(), QStringLiteral("終了!"));
    next->setFocus();
    key(Qt::Key_Return);

    QCOMPARE(dialogs_.texts(),
             QStringList{QStringLiteral("選択されたランクの練習が終了しました。")});
    QVERIFY(control<QPushButton>("BT_level", 2)->isEnabled());
    QVERIFY(!control<QPushButton>("BT_level", 5)->isEnabled());
    QCOMPARE(screen_->focusWidget(), waiting);
    QVERIFY(caption(practised, QPalette::Disabled) != caption(practised, QPalette::Active));

    const std::vector<std::pair<int, int>> expected{{0, 1}, {4, 1}, {4, 1}, {0, 1}, {4, 1}, {0, 1},
                                                    {4, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {4, 1}};
    std::vector<std::pair<int, int>> storedGrades;
    WordStore::open(path_).forEachRow(WordStore::Table::Word, [&](const WordRecord& row) {
        if (row.group == 1)
            storedGrades.emplace_back(row.level, row.times);
        else
            QCOMPARE(std::make_pair(row.level, row.times), std::make_pair(2, 3));
    });
    QCOMPARE(storedGrades, expected);
    QCOMPARE(sound_.played.count(QStringLiteral("ng.wav")), 5);
}

void DrillScreenTest::explanationWindowClosedFromItsFrameReleasesTheBackButton() {
    openDrill(words(1, 2));
    QTest::mouseClick(control<QPushButton>("BT_level", 5), Qt::LeftButton);
    clickCard("LB_word", 1, Qt::RightButton);
    auto* back = control<QPushButton>(QStringLiteral("Command1"));
    QVERIFY(!back->isEnabled());
    explainWindow()->close();
    QTRY_VERIFY(!explainWindow());
    QVERIFY(back->isEnabled());
    QVERIFY(!screen_->logic().explainView().open);
}

void DrillScreenTest::leavingAndMenusAskTheProgram() {
    openDrill(words(1, 2));
    QSignalSpy back(screen_.data(), &DrillScreen::backToMainRequested);
    QSignalSpy settings(screen_.data(), &DrillScreen::displaySettingsRequested);
    QSignalSpy about(screen_.data(), &DrillScreen::aboutRequested);
    QSignalSpy manual(screen_.data(), &DrillScreen::manualRequested);
    screen_->findChild<QAction*>(QStringLiteral("var_col"))->trigger();
    screen_->findChild<QAction*>(QStringLiteral("help"))->trigger();
    screen_->findChild<QAction*>(QStringLiteral("ver"))->trigger();
    QCOMPARE(settings.count(), 1);
    QCOMPARE(manual.count(), 1);
    QCOMPARE(about.count(), 1);

    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(back.count(), 1);
    QTRY_VERIFY(!screen_);
}

void DrillScreenTest::enterAndSpacePressTheFocusedButton_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Enter on OK") << "BT_OK_1" << int(Qt::Key_Return) << "OK";
    QTest::newRow("Enter on NG") << "BT_ng_1" << int(Qt::Key_Return) << "NG";
    QTest::newRow("Space on OK") << "BT_OK_1" << int(Qt::Key_Space) << "OK";
    QTest::newRow("Space on NG") << "BT_ng_1" << int(Qt::Key_Space) << "NG";
    QTest::newRow("T on OK") << "BT_OK_1" << int(Qt::Key_T) << "turned";
    QTest::newRow("N on OK") << "BT_OK_1" << int(Qt::Key_N) << "NG";
}

void DrillScreenTest::enterAndSpacePressTheFocusedButton() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    openDrill(words(1, 3));
    QTest::mouseClick(control<QPushButton>("BT_level", 5), Qt::LeftButton);
    control<QPushButton>(focused)->setFocus();
    this->key(key);
    const auto* word = control<QLabel>("LB_word", 1);
    const QString outcome = !word->isVisible()                          ? QStringLiteral("OK")
                            : explainWindow()                           ? QStringLiteral("NG")
                            : word->text() == QStringLiteral("意味1-2") ? QStringLiteral("turned")
                                                                        : QString();
    QTEST(outcome, "expected");
}

QTEST_MAIN(DrillScreenTest)
#include "drillscreen_test.moc"
