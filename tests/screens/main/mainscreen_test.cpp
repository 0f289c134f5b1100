// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/mainscreen.h"
#include "screens/main/mainscreenlogic.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"
#include "support/widgetlookup.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

using widgets::child;

// The main screen driven by the names of its controls: choosing with buttons and Enter,
// reset, print, opening a file and OK.
class MainScreenTest : public QObject {
    Q_OBJECT

private slots:
    void mainPath() {
        SettingsHome home;
        FakeDialogs dialogs;
        FakeOpener opener;
        auto rows = testwords::words(3, 4, 2, 5);
        for (auto more : {testwords::words(5, 2, 4, 7), testwords::words(12, 6)})
            rows.insert(rows.end(), more.begin(), more.end());
        home.select(testwords::makeWordFile(home.path() + "/english.vku", rows));
        testfiles::writeAll(home.settingsFile(SettingsFiles::groupSelectionFile), "  5\r\n");
        QPointer<MainScreen> screen(new MainScreen(home.values, dialogs, opener, VOKU_WORDS_TOOL));
        const auto texts = [&](const char* name) { return widgets::texts(screen, name); };
        // Enter on a focused button presses it, as in the drill.
        const auto press = [&](const char* button, std::initializer_list<int> rows = {},
                               const char* list = "Ls_Db") {
            child<QListWidget>(screen, list)->clearSelection();
            for (int row : rows)
                child<QListWidget>(screen, list)->item(row)->setSelected(true);
            child<QPushButton>(screen, button)->setFocus();
            QTest::keyClick(child<QPushButton>(screen, button), Qt::Key_Return);
        };
        QCOMPARE(screen->windowTitle(), QStringLiteral("VOKU英単カード　english.vku"));
        QCOMPARE(texts("LS_befor"), QStringList{"  5"});
        home.values.mainBackColor = QStringLiteral("255");
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(screen, &activate);
        QCOMPARE(screen->centralWidget()->palette().color(QPalette::Window), QColor(Qt::red));

        const QStringList summary = texts("Ls_Db");
        for (int row : {2, 0, 1})
            press("BT_select", {row});
        QCOMPARE(texts("LS_select"), summary);
        press("BT_cansel", {0, 2}, "LS_select");
        QCOMPARE(texts("LS_select"), QStringList{summary.at(1)});
        press("BT_clr");
        QVERIFY(texts("LS_select").isEmpty());
        press("BT_select", {0});
        dialogs.answerWhenNone = true;
        press("BT_init");
        QCOMPARE(texts("Ls_Db").at(0).simplified(), QStringLiteral("3 4 0 0 0 0 0"));
        dialogs.pdfChoice = home.path() + QStringLiteral("/cards.pdf");
        QTest::mouseClick(child(screen, "BT_print"), Qt::LeftButton);
        QVERIFY(QFile::exists(dialogs.pdfChoice));

        // The CSV items follow the first three; an import works in the background, and the
        // file it made and opened exports as the list it was made from.
        QStringList items;
        for (const QAction* action : child<QMenu>(screen, "ver_file")->actions())
            items << action->objectName();
        QCOMPARE(items, QStringList({"ver_open", "var_list", "var_itiran", "mnuSeparatorCsv",
                                     "mnuImportCsv", "mnuExportCsv", "mnuSeparator", "ver_end"}));
        const QString csv = testfiles::fixture(QStringLiteral("jet/small-2000.word.csv"));
        dialogs.fileChoices = {csv};
        dialogs.saveChoices = {home.path() + "/made.vku", home.path() + "/out.csv"};
        child<QAction>(screen, "mnuImportCsv")->trigger();
        QVERIFY(child<QProgressBar>(screen, "ProgressBar1")->isVisibleTo(screen));
        QVERIFY(!child<QPushButton>(screen, "BT_OK")->isEnabled());
        QTRY_COMPARE(screen->windowTitle(), QStringLiteral("VOKU英単カード　made.vku"));
        child<QAction>(screen, "mnuExportCsv")->trigger();
        QCOMPARE(testfiles::readAll(home.path() + "/out.csv"), testfiles::readAll(csv));

        // The real tool converts a legacy file; the commands wait for it.
        dialogs.fileChoices = {
            testfiles::copyFixture(QStringLiteral("jet/small-2000.vku"), home.path())};
        child<QAction>(screen, "ver_open")->trigger();
        QCOMPARE(dialogs.startFolders, QStringList(2, home.path()));
        QVERIFY(!child<QPushButton>(screen, "BT_OK")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>(screen, "BT_OK")->isEnabled(), 120000);
        QCOMPARE(screen->windowTitle(), QStringLiteral("VOKU英単カード　small-2000.vku"));
        QCOMPARE(texts("Ls_Db").size(), 3);
        QVERIFY(texts("LS_befor").isEmpty());
        QVERIFY(!child<QProgressBar>(screen, "ProgressBar1")->isVisibleTo(screen));
        QSignalSpy drill(screen.data(), &MainScreen::drillRequested);
        QTest::mouseClick(child(screen, "BT_OK"), Qt::LeftButton);
        QCOMPARE(drill.count(), 1);
        QTRY_VERIFY(screen.isNull());
    }
};

QTEST_MAIN(MainScreenTest)
#include "mainscreen_test.moc"
