// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeuserdialogs.h"
#include "screens/tools/aboutbox.h"
#include "screens/tools/datafilechooserwindow.h"
#include "screens/tools/displaysettingsdialog.h"
#include "screens/tools/wordlistwindow.h"
#include "support/testfiles.h"
#include "toolstestdata.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

class ToolsWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chooserOpensTheSelectedFile_data();
    void chooserOpensTheSelectedFile();
    void chooserCancelShowsTheMainScreen();
    void displaySettingsOkAndCancel();
    void wordListShowsTheFile();
    void wordListOfAnUnreadableFile();
    void aboutBoxTexts();

private:
    template <typename T> T* child(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }

    std::unique_ptr<testfiles::TempHome> home_;
    QString dataFolder_;
    AppValues values_;
    FakeUserDialogs dialogs_;
};

void ToolsWindowsTest::init() {
    home_ = std::make_unique<testfiles::TempHome>();
    dataFolder_ = home_->path() + QStringLiteral("/words/");
    QDir().mkpath(dataFolder_);
    toolstestdata::makeWordFile(dataFolder_ + QStringLiteral("a.vku"), 120);
    toolstestdata::makeWordFile(dataFolder_ + QStringLiteral("b.vku"), 3);
    values_ = toolstestdata::valuesFor(home_->documentsFolder() + QStringLiteral("VOKU/"),
                                       dataFolder_ + QStringLiteral("a.vku"));
    dialogs_ = FakeUserDialogs();
}

void ToolsWindowsTest::cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        delete window;
    }
    home_.reset();
}

void ToolsWindowsTest::chooserOpensTheSelectedFile_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"開く", "double click", "Enter"})
        QTest::newRow(how) << QString::fromUtf8(how);
}

void ToolsWindowsTest::chooserOpensTheSelectedFile() {
    QFETCH(QString, how);
    QPointer<DataFileChooserWindow> window = new DataFileChooserWindow(values_, dialogs_);
    QSignalSpy shown(window.data(), &DataFileChooserWindow::mainScreenRequested);
    window->show();
    QCOMPARE(window->objectName(), QStringLiteral("VKP040"));
    QCOMPARE(window->windowTitle(), values_.WindowTitle);
    auto* list = child<QListWidget>(window, "Ls_Db");
    QCOMPARE(list->count(), 2);
    QCOMPARE(child<QPushButton>(window, "Bt_Cancel")->text(), QStringLiteral("キャンセル"));

    QTest::mouseClick(child<QPushButton>(window, "Bt_Open"), Qt::LeftButton);
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(window->isVisible());
    QListWidgetItem* b = list->findItems(QStringLiteral("b.vku"), Qt::MatchExactly).first();
    list->setCurrentItem(b);
    const QPoint onB = list->visualItemRect(b).center();
    if (how == QStringLiteral("double click")) {
        // QTest sends the second click's double-click event alone.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onB);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onB);
    } else if (how == QStringLiteral("Enter")) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
    } else {
        QTest::mouseClick(child<QPushButton>(window, "Bt_Open"), Qt::LeftButton);
    }
    QTRY_VERIFY(window.isNull());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(values_.DataFilePath, dataFolder_ + QStringLiteral("b.vku"));
}

void ToolsWindowsTest::chooserCancelShowsTheMainScreen() {
    QPointer<DataFileChooserWindow> window = new DataFileChooserWindow(values_, dialogs_);
    QSignalSpy shown(window.data(), &DataFileChooserWindow::mainScreenRequested);
    window->show();
    QTest::mouseClick(child<QPushButton>(window, "Bt_Cancel"), Qt::LeftButton);
    QTRY_VERIFY(window.isNull());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(values_.DataFilePath, dataFolder_ + QStringLiteral("a.vku"));
}

void ToolsWindowsTest::displaySettingsOkAndCancel() {
    const QString file = values_.SettingsFolder + QStringLiteral("VKI020.ini");
    values_.NoSound = -1;
    auto* window = new DisplaySettingsDialog(values_, dialogs_);
    window->show();
    QCOMPARE(window->objectName(), QStringLiteral("VKP020"));
    QCOMPARE(window->windowTitle(), QStringLiteral("VOKU英単カード"));
    QCOMPARE(child<QLabel>(window, "Label1_2")->text(), QStringLiteral("NGの背景(次回NGより適用)"));
    QVERIFY(!child<QCheckBox>(window, "Check1")->isChecked());

    QTest::mouseClick(child<QCheckBox>(window, "Check2"), Qt::LeftButton);
    QCOMPARE(values_.NoExplainOnNg, 1);
    dialogs_.colourAnswer = QColor(255, 0, 0);
    QTest::mouseClick(child<QWidget>(window, "LB_col_0"), Qt::LeftButton);
    QCOMPARE(dialogs_.colourRequests.size(), 1);
    QTest::mouseClick(child<QPushButton>(window, "BT_can"), Qt::LeftButton);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(values_.MainBackColor, QStringLiteral("12648447"));

    window = new DisplaySettingsDialog(values_, dialogs_);
    window->show();
    QVERIFY(child<QCheckBox>(window, "Check2")->isChecked());
    QTest::mouseClick(child<QWidget>(window, "LB_col_0"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(window, "BT_def"), Qt::LeftButton);
    QVERIFY(!child<QCheckBox>(window, "Check2")->isChecked());
    QTest::mouseClick(child<QWidget>(window, "LB_col_4"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(window, "BT_OK"), Qt::LeftButton);
    QCOMPARE(testfiles::readAll(file),
             QByteArray("12648447\r\n12648447\r\n255\r\n-2147483624\r\n255\r\n 0 \r\n 0 \r\n"));
}

void ToolsWindowsTest::wordListShowsTheFile() {
    auto* window = new WordListWindow(values_, dialogs_);
    window->show();
    QCOMPARE(window->objectName(), QStringLiteral("VKP010"));
    QCOMPARE(window->windowTitle(), values_.WindowTitle);
    auto* grid = child<QTableView>(window, "MSFlexGrid1");
    QCOMPARE(grid->model()->rowCount(), 120);
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("単語"));
    QVERIFY(grid->columnWidth(0) < grid->columnWidth(1));
    QVERIFY(grid->columnWidth(1) < grid->columnWidth(2));
    QCOMPARE(child<QPushButton>(window, "Command1")->text(), QStringLiteral("閉じる"));
    QVERIFY(dialogs_.messages.isEmpty());

    QPointer<QWidget> guard = window;
    WordListWindow::closeAll();
    QTRY_VERIFY(guard.isNull());
}

void ToolsWindowsTest::wordListOfAnUnreadableFile() {
    testfiles::writeAll(dataFolder_ + QStringLiteral("broken.vku"), "not a word file");
    values_.DataFilePath = dataFolder_ + QStringLiteral("broken.vku");
    auto* window = new WordListWindow(values_, dialogs_);
    window->show();
    QCOMPARE(child<QTableView>(window, "MSFlexGrid1")->model()->rowCount(), 0);
    QCOMPARE(dialogs_.messages.size(), 1);
}

void ToolsWindowsTest::aboutBoxTexts() {
    auto* window = new AboutBox(values_);
    window->show();
    QCOMPARE(window->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(window->windowTitle(), QStringLiteral("VOKU英単カードのﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(child<QLabel>(window, "lblTitle")->text(), QStringLiteral("VOKU英単カード"));
    QCOMPARE(child<QLabel>(window, "lblVersion")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.3.0"));
    QVERIFY(child<QLabel>(window, "lblDescription")->text().startsWith("Copyright © 2026"));
    QVERIFY(!child<QLabel>(window, "lblDisclaimer")->text().isEmpty());
    QCOMPARE(child<QPushButton>(window, "cmdSysInfo")->text(), QStringLiteral("ｼｽﾃﾑ情報(&S)..."));

    QTest::mouseClick(child<QPushButton>(window, "cmdSysInfo"), Qt::LeftButton);
    QWidget* info = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("frmSysInfo")) {
            info = top;
        }
    }
    QVERIFY(info);
    QTest::mouseClick(child<QPushButton>(info, "BT_copy"), Qt::LeftButton);
    QVERIFY(QApplication::clipboard()->text().contains(values_.DataFilePath));
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral(QT_VERSION_STR)));

    QTest::mouseClick(child<QPushButton>(window, "cmdOK"), Qt::LeftButton);
    QVERIFY(window->isHidden());
}

QTEST_MAIN(ToolsWindowsTest)
#include "toolswindows_test.moc"
