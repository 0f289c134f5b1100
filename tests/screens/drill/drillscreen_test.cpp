// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillfixture.h"
#include "screens/drill/drillscreen.h"
#include "support/widgetlookup.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

using namespace drillfixture;

class DrillScreenTest : public QObject {
    Q_OBJECT

private slots:
    void practisesARankByMouseAndKeys();

private:
    // The explanation window and its controls are the screen's children too.
    QWidget* explainWindow() const { return screen_->findChild<QWidget*>(u"VK0030"_qs); }
    QWidget* get(const QString& name) const { return widgets::child(screen_, name); }
    QString text(const QString& name) const { return get(name)->property("text").toString(); }
    void click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(get(name), button);
    }
    // The window's own focus child: the offscreen platform need not make the window active.
    void key(Qt::Key key) { QTest::keyClick(screen_->focusWidget(), key); }
    bool shown(int slot) const { return get("LB_word_" + QString::number(slot))->isVisible(); }

    QTemporaryDir dir_;
    AppValues app_;
    FakeDialogs dialogs_;
    FakeSound sound_;
    FakeSpeaker speaker_;
    QPointer<DrillScreen> screen_;
};

void DrillScreenTest::practisesARankByMouseAndKeys() {
    auto rows = words(12);
    rows.push_back(testwords::word(2, 1, 2, 3));
    makeWordFile(dir_.filePath(u"words.vku"_qs), rows, app_);
    screen_ = DrillScreen::open(app_, dialogs_, sound_, speaker_);
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_.data()));
    // Enter must choose a rank, never leave the drill.
    QCOMPARE(screen_->focusWidget(), get("BT_level_5"));
    // The key legend fits its one line at the window's size.
    QVERIFY(text("LB_keys").contains(u"S 発音"_qs) &&
            get("LB_keys")->sizeHint().width() <= get("LB_keys")->width());
    click("BT_level_5");
    QCOMPARE(text("LB_hatuon_0"), u"ˈwɜːd"_qs);
    click("LB_hatuon_0"); // the pronunciation line turns its card too
    QCOMPARE(text("LB_word_0"), u"意味1-1"_qs);
    click("BT_OK_0");
    QVERIFY(!shown(0));
    click("BT_ng_1");
    QVERIFY(explainWindow() && explainWindow()->isVisible() && !get("BT_callok")->isVisible() &&
            !get("Command1")->isEnabled());
    click("BT_OK"); // 閉じる
    QTRY_VERIFY(!explainWindow());
    click("LB_word_2", Qt::RightButton);
    QCOMPARE(text("LB_meaning"), u"意味1-3"_qs);
    click("BT_speak");
    QTest::keyClick(explainWindow(), Qt::Key_S);
    click("BT_callok");
    QTRY_VERIFY(!explainWindow());
    QVERIFY(!shown(2));
    click("LB_word_3", Qt::RightButton);
    explainWindow()->close(); // from its frame
    QTRY_VERIFY(!explainWindow());
    QVERIFY(get("Command1")->isEnabled());
    click("BT_undo");
    QVERIFY(shown(2));
    key(Qt::Key_6);
    key(Qt::Key_Return);
    QVERIFY(!shown(5));
    // Enter and Space press the focused NG, never OK; T and Space then act on the card's OK.
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Space}) {
        get("BT_ng_6")->setFocus();
        key(k);
        QVERIFY(shown(6) && explainWindow());
        click("BT_OK");
        QTRY_VERIFY(!explainWindow());
    }
    key(Qt::Key_T);
    QCOMPARE(text("LB_word_6"), u"意味1-7"_qs);
    key(Qt::Key_S);
    QCOMPARE(speaker_.spoken, QStringList({"w1-3", "w1-3", "w1-7"}));
    key(Qt::Key_Space);
    QVERIFY(!shown(6));
    for (const char* name : {"BT_OK_1", "BT_OK_2", "BT_OK_3", "BT_OK_4", "BT_OK_7", "BT_OK_8"})
        click(name);
    click("BT_OK_9");
    click("BT_next");
    QVERIFY(shown(1) && !shown(2));
    click("BT_OK_0");
    click("BT_OK_1");
    QCOMPARE(text("LB_kosu_5"), u"終了!"_qs);
    key(Qt::Key_Return); // on 次へ
    QCOMPARE(dialogs_.messages, QStringList{u"選択されたランクの練習が終了しました。"_qs});
    QCOMPARE(screen_->focusWidget(), get("BT_level_2"));

    const std::pair<const char*, void (DrillScreen::*)()> asks[] = {
        {"var_col", &DrillScreen::displaySettingsRequested},
        {"help", &DrillScreen::manualRequested},
        {"ver", &DrillScreen::aboutRequested},
        {"Command1", &DrillScreen::backToMainRequested}};
    for (const auto& [name, signal] : asks) {
        QSignalSpy spy(screen_.data(), signal);
        auto* action = screen_->findChild<QAction*>(QLatin1String(name));
        action ? action->trigger() : click(QLatin1String(name));
        QCOMPARE(spy.count(), 1);
    }
    QTRY_VERIFY(!screen_);
}

QTEST_MAIN(DrillScreenTest)
#include "drillscreen_test.moc"
