// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/tools/aboutbox.h"
#include "screens/tools/datafilechooserwindow.h"
#include "screens/tools/displaysettingsdialog.h"
#include "screens/tools/wordlistwindow.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"
#include "support/widgetlookup.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>

using widgets::child;
using widgets::click;

// Each tool window driven through its main path by the names of its controls.
class ToolsWindowsTest : public QObject {
    Q_OBJECT

    SettingsHome home_;
    FakeDialogs dialogs_;
    const QString folder_ = home_.path() + QStringLiteral("/words/");

private slots:
    void initTestCase() {
        testfiles::writeAll(folder_ + "broken.vku", "not a word file");
        std::vector<WordRecord> words = testwords::words(1, 120);
        words.push_back(testwords::word(2, 1));
        testwords::makeWordFile(folder_ + "a.vku", words);
        testwords::makeWordFile(folder_ + "b.vku", testwords::words(1, 3));
    }
    void init() {
        dialogs_ = FakeDialogs();
        home_.select(folder_ + "a.vku");
    }

    // Double click and Enter on a file act as 開く; a file that cannot be opened keeps the
    // chooser open.
    void chooserOpensTheSelectedFile() {
        for (const QString way : {"Bt_Open b.vku", "double-click b.vku", "Enter b.vku",
                                  "Bt_Cancel b.vku", "Bt_Open broken.vku"}) {
            const QString how = way.section(' ', 0, 0), file = way.section(' ', 1);
            init();
            QPointer<DataFileChooserWindow> window =
                new DataFileChooserWindow(home_.values, dialogs_, {});
            QSignalSpy shown(window.data(), &DataFileChooserWindow::mainScreenRequested);
            window->show();
            auto* list = child<QListWidget>(window, "Ls_Db");
            QListWidgetItem* item = list->findItems(file, Qt::MatchExactly).value(0);
            list->setCurrentItem(item);
            const QPoint onItem = list->visualItemRect(item).center();
            if (how == "double-click") {
                // QTest sends the second click's double-click event alone.
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onItem);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onItem);
            } else if (how == "Enter") {
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                click(window, how);
            }
            const bool closes = file == "b.vku";
            const bool opens = closes && how != "Bt_Cancel";
            QTRY_COMPARE(window.isNull(), closes);
            QCOMPARE(shown.count(), closes ? 1 : 0);
            QCOMPARE(dialogs_.messages.size(), closes ? 0 : 1);
            QCOMPARE(home_.values.dataFilePath, folder_ + (opens ? file : "a.vku"));
            delete window;
        }
    }

    void displaySettingsBoxesActAtOnceColoursOnOk() {
        auto* window = new DisplaySettingsDialog(home_.values, dialogs_);
        window->show();
        dialogs_.colourAnswer = QColor(255, 0, 0);
        for (const char* control : {"Check2", "LB_col_0", "BT_can"})
            click(window, control);
        QVERIFY(!QFile::exists(home_.settingsFile(SettingsFiles::displayFile)));
        QCOMPARE(home_.values.noExplainOnNg, 1);
        window = new DisplaySettingsDialog(home_.values, dialogs_);
        window->show();
        click(window, "BT_def");
        QVERIFY(!child<QCheckBox>(window, "Check2")->isChecked());
        for (const char* control : {"Check1", "LB_col_4", "BT_OK"})
            click(window, control);
        QCOMPARE(testfiles::readAll(home_.settingsFile(SettingsFiles::displayFile)),
                 QByteArray("12648447\r\n12648447\r\n255\r\n-2147483624\r\n255\r\n 1 \r\n 0 \r\n"));
    }

    void wordListShowsTheFileOrSaysWhyNot() {
        for (const char* name : {"a.vku", "broken.vku"}) {
            home_.select(folder_ + name);
            QPointer<QWidget> window = new WordListWindow(home_.values, dialogs_);
            window->show();
            QCOMPARE(child<QTableView>(window, "MSFlexGrid1")->model()->index(119, 2).data(),
                     name == QLatin1String("a.vku") ? QVariant("意味1-120") : QVariant());
            click(window, "Command1");
            QTRY_VERIFY(window.isNull());
        }
        QCOMPARE(dialogs_.messages.size(), 1);
    }

    // Typed and input-method text filter at once, a group narrows further, Esc empties the
    // field before it closes the window, and a heading sorts numbers as numbers.
    void wordListFindsPicksAGroupAndSorts() {
        QPointer<QWidget> window = new WordListWindow(home_.values, dialogs_);
        window->show();
        auto* find = child<QLineEdit>(window, "TX_find");
        auto* group = child<QComboBox>(window, "CB_group");
        auto* grid = child<QTableView>(window, "MSFlexGrid1");
        const auto shown = [&] { return child<QLabel>(window, "LB_count")->text(); };
        QCOMPARE(shown(), "121 語");
        QCOMPARE(group->count(), 3);
        QCOMPARE(group->itemText(2), "  2");
        QTest::keyClicks(find, "W1-12");
        QCOMPARE(shown(), "2 語");
        find->clear();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("意味2"));
        QApplication::sendEvent(find, &commit);
        QCOMPARE(shown(), "1 語");
        group->setCurrentIndex(1);
        QCOMPARE(shown(), "0 語");
        QTest::keyClick(find, Qt::Key_Escape);
        QCOMPARE(shown(), "120 語");
        QHeaderView* headings = grid->horizontalHeader();
        for (int click = 0; click < 2; ++click) // ascending, then descending
            QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                              QPoint(headings->sectionViewportPosition(1) + 4, 4));
        QCOMPARE(grid->model()->index(0, 1).data(), QVariant("w1-120"));
        QTest::keyClick(find, Qt::Key_Escape);
        QTRY_VERIFY(window.isNull());
    }

    void aboutBoxCopiesTheSystemInformation() {
        auto* window = new AboutBox(home_.values);
        window->show();
        click(window, "cmdSysInfo");
        click(widgets::window(QStringLiteral("frmSysInfo")), "BT_copy");
        QVERIFY(QApplication::clipboard()->text().contains(home_.values.dataFilePath));
    }
};

QTEST_MAIN(ToolsWindowsTest)
#include "toolswindows_test.moc"
