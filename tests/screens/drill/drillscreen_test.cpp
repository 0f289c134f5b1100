// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillfixture.h"
#include "screens/drill/drillscreen.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace drillfixture;

class DrillScreenTest : public QObject {
    Q_OBJECT

private slots:
    void practisesARankByMouseAndKeys();

private:
    template <typename T = QPushButton> T* get(const QString& name, int index = -1) const {
        const QString full = index < 0 ? name : name + u'_' + QString::number(index);
        return screen_->findChild<T*>(full); // the explanation window's controls too
    }
    QWidget* explainWindow() const { return get<QWidget>(u"VK0030"_qs); }
    void click(const QString& name, int index = -1, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(get<QWidget>(name, index), button);
    }
    // The window's own focus child: the offscreen platform need not make the window active.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = screen_->focusWidget() ? screen_->focusWidget() : screen_.data();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    bool shown(int slot) const { return get<QLabel>(u"LB_word"_qs, slot)->isVisible(); }

    QTemporaryDir dir_;
    AppValues app_;
    FakeDialogs dialogs_;
    FakeSound sound_;
    QPointer<DrillScreen> screen_;
};

void DrillScreenTest::practisesARankByMouseAndKeys() {
    auto rows = words(12);
    rows.push_back(testwords::word(2, 1, 2, 3));
    makeWordFile(dir_.filePath(u"words.vku"_qs), rows, app_);
    screen_ = DrillScreen::open(app_, dialogs_, sound_);
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_.data()));
    // Enter must choose a rank, never leave the drill.
    QCOMPARE(screen_->focusWidget(), get(u"BT_level"_qs, 5));
    click(u"BT_level"_qs, 5);
    QCOMPARE(get<QLabel>(u"LB_hatuon"_qs, 0)->text(), u"ˈwɜːd"_qs);
    click(u"LB_hatuon"_qs, 0); // the pronunciation line turns its card too
    QCOMPARE(get<QLabel>(u"LB_word"_qs, 0)->text(), u"意味1-1"_qs);
    click(u"BT_OK"_qs, 0);
    QVERIFY(!shown(0));
    click(u"BT_ng"_qs, 1);
    QVERIFY(explainWindow() && explainWindow()->isVisible());
    QVERIFY(!get(u"BT_callok"_qs)->isVisible());
    QVERIFY(!get(u"Command1"_qs)->isEnabled());
    click(u"BT_OK"_qs); // 閉じる
    QTRY_VERIFY(!explainWindow());
    click(u"LB_word"_qs, 2, Qt::RightButton);
    QCOMPARE(get<QLabel>(u"LB_meaning"_qs)->text(), u"意味1-3"_qs);
    click(u"BT_callok"_qs);
    QTRY_VERIFY(!explainWindow());
    QVERIFY(!shown(2));
    click(u"LB_word"_qs, 3, Qt::RightButton);
    explainWindow()->close(); // from its frame
    QTRY_VERIFY(!explainWindow());
    QVERIFY(get(u"Command1"_qs)->isEnabled());
    click(u"BT_undo"_qs);
    QVERIFY(shown(2));
    key(Qt::Key_6);
    key(Qt::Key_Return);
    QVERIFY(!shown(5));
    key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(shown(5));
    // Enter and Space press the focused NG, never OK; T and Space then act on the card's OK.
    for (const int k : {Qt::Key_Return, Qt::Key_Space}) {
        get(u"BT_ng"_qs, 6)->setFocus();
        key(k);
        QVERIFY(shown(6) && explainWindow());
        click(u"BT_OK"_qs);
        QTRY_VERIFY(!explainWindow());
    }
    key(Qt::Key_T);
    QCOMPARE(get<QLabel>(u"LB_word"_qs, 6)->text(), u"意味1-7"_qs);
    key(Qt::Key_Space);
    QVERIFY(!shown(6));
    for (int s = 0; s < 10; ++s) {
        if (shown(s))
            click(u"BT_OK"_qs, s);
    }
    click(u"BT_next"_qs);
    QVERIFY(shown(1) && !shown(2));
    click(u"BT_OK"_qs, 0);
    click(u"BT_OK"_qs, 1);
    QCOMPARE(get<QLabel>(u"LB_kosu"_qs, 5)->text(), u"終了!"_qs);
    key(Qt::Key_Return); // on 次へ
    QCOMPARE(dialogs_.messages, QStringList{u"選択されたランクの練習が終了しました。"_qs});
    QCOMPARE(screen_->focusWidget(), get(u"BT_level"_qs, 2));

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
