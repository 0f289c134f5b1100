// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/mainscreen.h"
#include "screens/main/mainscreenlogic.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"
#include "support/widgetlookup.h"

#include <QAction>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

using widgets::child;
using widgets::click;

class MainScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SettingsHome> home_;
    FakeDialogs dialogs_;
    FakeOpener opener_;
    QPointer<MainScreen> screen_;

    void open(const QString& tool = QStringLiteral(VOKU_WORDS_TOOL)) {
        auto rows = testwords::words(3, 4, 2, 5);
        for (auto more : {testwords::words(5, 2, 4, 7), testwords::words(12, 6)})
            rows.insert(rows.end(), more.begin(), more.end());
        home_->select(testwords::makeWordFile(home_->path() + "/english.vku", rows));
        screen_ = new MainScreen(home_->values, dialogs_, opener_, tool);
    }
    QListWidget* list(const char* name) { return child<QListWidget>(screen_, name); }
    QStringList tags(const char* name) {
        QStringList result;
        for (const QString& text : widgets::texts(screen_, name))
            result << text.left(3);
        return result;
    }
    void selectRows(const char* name, std::initializer_list<int> rows) {
        list(name)->clearSelection();
        for (int row : rows)
            list(name)->item(row)->setSelected(true);
    }
    // Enter on a focused button presses it, as in the drill.
    void enter(const char* button) {
        child<QPushButton>(screen_, button)->setFocus();
        QTest::keyClick(child<QPushButton>(screen_, button), Qt::Key_Return);
    }

private slots:
    void init() {
        home_ = std::make_unique<SettingsHome>();
        dialogs_ = FakeDialogs();
    }
    void cleanup() {
        delete screen_;
        home_.reset();
    }

    void choosePrintResetAndPractise() {
        testfiles::writeAll(home_->settingsFile(SettingsFiles::groupSelectionFile), "  5\r\n");
        open();
        QCOMPARE(screen_->objectName(), QStringLiteral("VK0010"));
        QCOMPARE(screen_->windowTitle(), QStringLiteral("VOKU英単カード　english.vku"));
        QCOMPARE(tags("Ls_Db"), QStringList({"  3", "  5", " 12"}));
        QCOMPARE(widgets::texts(screen_, "LS_befor"), QStringList{"  5"});
        home_->values.mainBackColor = QStringLiteral("255");
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(screen_, &activate);
        QCOMPARE(screen_->centralWidget()->palette().color(QPalette::Window), QColor(Qt::red));

        selectRows("Ls_Db", {2});
        click(screen_, "BT_select");
        selectRows("Ls_Db", {0});
        enter("BT_select");
        selectRows("Ls_Db", {1});
        click(screen_, "BT_select");
        QCOMPARE(tags("LS_select"), QStringList({"  3", "  5", " 12"}));
        selectRows("LS_select", {0, 2});
        enter("BT_cansel");
        QCOMPARE(tags("LS_select"), QStringList({"  5"}));
        enter("BT_clr");
        QVERIFY(tags("LS_select").isEmpty());

        selectRows("Ls_Db", {0});
        enter("BT_select");
        dialogs_.answers = {true, true, true};
        enter("BT_init");
        QCOMPARE(widgets::texts(screen_, "Ls_Db").at(0).simplified(),
                 QStringLiteral("3 4 0 0 0 0 0"));
        QCOMPARE(widgets::texts(screen_, "LS_select"),
                 QStringList{widgets::texts(screen_, "Ls_Db").at(0)});

        dialogs_.pdfChoice = home_->path() + QStringLiteral("/cards.pdf");
        click(screen_, "BT_print");
        QCOMPARE(dialogs_.questions.value(1),
                 QStringLiteral("印刷を開始します。A4をセットしてください。"));
        QVERIFY(QFile::exists(dialogs_.pdfChoice));

        QSignalSpy drill(screen_, &MainScreen::drillRequested);
        click(screen_, "BT_OK");
        QCOMPARE(drill.count(), 1);
        QCOMPARE(home_->settingsBytes(SettingsFiles::groupSelectionFile), QByteArray("  3\r\n"));
        QVERIFY(!child<QProgressBar>(screen_, "ProgressBar1")->isVisibleTo(screen_));
        QTRY_VERIFY(screen_.isNull());
    }

    // Opening a legacy file offers its conversion; the real tool converts it beside the old one.
    void openingALegacyFileConvertsItWhenTheLearnerAgrees() {
        open();
        const QString current = home_->values.dataFilePath;
        const QString legacy =
            testfiles::copyFixture(QStringLiteral("jet/small-2000.vku"), home_->path());
        const QByteArray legacyBytes = testfiles::readAll(legacy);
        dialogs_.answers = {false, true};
        for (int attempt = 0; attempt < 2; ++attempt) {
            dialogs_.fileChoices = {legacy};
            child<QAction>(screen_, "ver_open")->trigger();
        }
        QCOMPARE(dialogs_.questions.size(), 2);
        QVERIFY(dialogs_.questions.first().contains(QStringLiteral("small-2000.vku.bak")));
        QVERIFY(screen_->logic().isConverting());
        QVERIFY(!child<QPushButton>(screen_, "BT_OK")->isEnabled());
        QCOMPARE(home_->values.dataFilePath, current);
        QTRY_VERIFY_WITH_TIMEOUT(!screen_->logic().isConverting(), 120000);
        QVERIFY2(dialogs_.messages.size() == 1, qPrintable(dialogs_.messages.join('|')));
        QCOMPARE(testfiles::readAll(legacy + QStringLiteral(".bak")), legacyBytes);
        QCOMPARE(home_->values.dataFilePath, legacy);
        QCOMPARE(SettingsFiles::readDataFileSetting(home_->values.dataFileIniPath), legacy);
        QCOMPARE(screen_->windowTitle(), QStringLiteral("VOKU英単カード　small-2000.vku"));
        QCOMPARE(tags("Ls_Db"), QStringList({"  1", "  2", " 12"}));
        QCOMPARE(widgets::texts(screen_, "Ls_Db").at(0).simplified(),
                 QStringLiteral("1 3 1 3 2 1 2"));
        QVERIFY(child<QPushButton>(screen_, "BT_OK")->isEnabled());
        QVERIFY(!child<QProgressBar>(screen_, "ProgressBar1")->isVisibleTo(screen_));
    }
};

QTEST_MAIN(MainScreenTest)
#include "mainscreen_test.moc"
