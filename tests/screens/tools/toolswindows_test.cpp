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
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

using widgets::child;
using widgets::click;

// Each tool window driven through its main path by the names of its controls.
class ToolsWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SettingsHome> home_;
    FakeDialogs dialogs_;
    QString folder_;

private slots:
    void init() {
        home_ = std::make_unique<SettingsHome>();
        dialogs_ = FakeDialogs();
        folder_ = home_->path() + QStringLiteral("/words/");
        QDir().mkpath(folder_);
        testwords::makeWordFile(folder_ + "a.vku", testwords::words(1, 120));
        testwords::makeWordFile(folder_ + "b.vku", testwords::words(1, 3));
        testfiles::copyFixture(QStringLiteral("jet/small-2000.vku"), folder_);
        home_->select(folder_ + "a.vku");
    }
    void cleanup() {
        qDeleteAll(QApplication::topLevelWidgets());
        home_.reset();
    }

    void chooserOpensTheSelectedFile_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("file");
        for (const char* how : {"開く", "double click", "Enter", "キャンセル"})
            QTest::newRow(how) << QString::fromUtf8(how) << "b.vku";
        // A legacy file whose conversion fails keeps the chooser open.
        QTest::newRow("failed conversion") << "開く"
                                           << "small-2000.vku";
    }
    void chooserOpensTheSelectedFile() {
        QFETCH(QString, how);
        QFETCH(QString, file);
        dialogs_.answerWhenNone = true;
        QPointer<DataFileChooserWindow> window =
            new DataFileChooserWindow(home_->values, dialogs_, home_->path() + "/no-such-tool");
        QSignalSpy shown(window.data(), &DataFileChooserWindow::mainScreenRequested);
        window->show();
        QCOMPARE(window->objectName(), QStringLiteral("VKP040"));
        auto* list = child<QListWidget>(window, "Ls_Db");
        QCOMPARE(list->count(), 3);
        click(window, "Bt_Open");
        QCOMPARE(dialogs_.messages.size(), 1);
        QListWidgetItem* item = list->findItems(file, Qt::MatchExactly).value(0);
        list->setCurrentItem(item);
        const QPoint onItem = list->visualItemRect(item).center();
        if (how == QStringLiteral("double click")) {
            // QTest sends the second click's double-click event alone.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onItem);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onItem);
        } else if (how == QStringLiteral("Enter")) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            click(window, how == QStringLiteral("開く") ? "Bt_Open" : "Bt_Cancel");
        }
        const bool opens = file == QStringLiteral("b.vku") && how != QStringLiteral("キャンセル");
        if (file != QStringLiteral("b.vku")) {
            QTRY_COMPARE_WITH_TIMEOUT(dialogs_.messages.size(), 2, 60000);
            QVERIFY(dialogs_.messages.last().contains(QStringLiteral("no-such-tool")));
            QVERIFY(window->isVisible() && child<QPushButton>(window, "Bt_Open")->isEnabled());
            QVERIFY(!QFile::exists(folder_ + file + ".bak"));
        } else {
            QTRY_VERIFY(window.isNull());
            QCOMPARE(shown.count(), 1);
        }
        QCOMPARE(home_->values.dataFilePath, folder_ + (opens ? file : QStringLiteral("a.vku")));
    }

    void displaySettingsOkAndCancel() {
        const QString file = home_->settingsFile(SettingsFiles::displayFile);
        auto* window = new DisplaySettingsDialog(home_->values, dialogs_);
        window->show();
        QCOMPARE(window->objectName(), QStringLiteral("VKP020"));
        click(window, "Check2");
        QCOMPARE(home_->values.noExplainOnNg, 1);
        dialogs_.colourAnswer = QColor(255, 0, 0);
        click(window, "LB_col_0");
        QCOMPARE(dialogs_.colourRequests.size(), 1);
        click(window, "BT_can");
        QVERIFY(!QFile::exists(file));
        QCOMPARE(home_->values.mainBackColor, QStringLiteral("12648447"));

        window = new DisplaySettingsDialog(home_->values, dialogs_);
        window->show();
        QVERIFY(child<QCheckBox>(window, "Check2")->isChecked());
        click(window, "LB_col_0");
        click(window, "BT_def");
        QVERIFY(!child<QCheckBox>(window, "Check2")->isChecked());
        click(window, "LB_col_4");
        click(window, "Check1");
        click(window, "BT_OK");
        QCOMPARE(testfiles::readAll(file),
                 QByteArray("12648447\r\n12648447\r\n255\r\n-2147483624\r\n255\r\n 1 \r\n 0 \r\n"));
    }

    void wordListShowsTheFileOrSaysWhyNot() {
        testfiles::writeAll(folder_ + "broken.vku", "not a word file");
        for (const char* name : {"a.vku", "broken.vku"}) {
            dialogs_.messages.clear();
            home_->select(folder_ + name);
            QPointer<QWidget> window = new WordListWindow(home_->values, dialogs_);
            window->show();
            QCOMPARE(window->objectName(), QStringLiteral("VKP010"));
            const bool broken = name != QStringLiteral("a.vku");
            QCOMPARE(child<QTableView>(window, "MSFlexGrid1")->model()->rowCount(),
                     broken ? 0 : 120);
            QCOMPARE(dialogs_.messages.size(), broken ? 1 : 0);
            click(window, "Command1");
            QTRY_VERIFY(window.isNull());
        }
    }

    void aboutBoxCopiesTheSystemInformation() {
        auto* window = new AboutBox(home_->values);
        window->show();
        QCOMPARE(window->objectName(), QStringLiteral("frmAbout"));
        click(window, "cmdSysInfo");
        QWidget* info = widgets::window(QStringLiteral("frmSysInfo"));
        QVERIFY(info);
        click(info, "BT_copy");
        QVERIFY(QApplication::clipboard()->text().contains(home_->values.dataFilePath));
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral(QT_VERSION_STR)));
        click(window, "cmdOK");
        QVERIFY(window->isHidden());
    }
};

QTEST_MAIN(ToolsWindowsTest)
#include "toolswindows_test.moc"
