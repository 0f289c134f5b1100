// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/wordstore.h"
#include "fakeuserdialogs.h"
#include "screens/tools/datafilechooserwindow.h"
#include "support/testfiles.h"
#include "toolstestdata.h"

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// Choosing a legacy Access word file in the data file chooser: the conversion runs in the
// real command-line tool, as in the program.
class ChooserConversionTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void agreedConversionReplacesTheFileAndSwitches();
    void declinedConversionChangesNothing();
    void failedConversionKeepsTheChooserOpen();

private:
    QPointer<DataFileChooserWindow> openChooser(const QString& converterPath);
    void chooseLegacyFile(DataFileChooserWindow* window);

    std::unique_ptr<testfiles::TempHome> home_;
    QString dataFolder_;
    QString legacyPath_;
    AppValues values_;
    FakeUserDialogs dialogs_;
};

namespace {
const QString converter = QStringLiteral(VOKU_APP_DIR "/voku-words");
}

void ChooserConversionTest::init() {
    home_ = std::make_unique<testfiles::TempHome>();
    dataFolder_ = home_->path() + QStringLiteral("/words/");
    QDir().mkpath(dataFolder_);
    toolstestdata::makeWordFile(dataFolder_ + QStringLiteral("a.vku"), 3);
    testfiles::copyFixture(QStringLiteral("jet/small-2000.vku"), dataFolder_);
    legacyPath_ = dataFolder_ + QStringLiteral("small-2000.vku");
    values_ = toolstestdata::valuesFor(home_->documentsFolder() + QStringLiteral("VOKU/"),
                                       dataFolder_ + QStringLiteral("a.vku"));
    dialogs_ = FakeUserDialogs();
}

void ChooserConversionTest::cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        delete window;
    }
    home_.reset();
}

QPointer<DataFileChooserWindow> ChooserConversionTest::openChooser(const QString& converterPath) {
    auto* window = new DataFileChooserWindow(values_, dialogs_, converterPath);
    window->show();
    return window;
}

void ChooserConversionTest::chooseLegacyFile(DataFileChooserWindow* window) {
    auto* list = window->findChild<QListWidget*>(QStringLiteral("Ls_Db"));
    const auto items = list->findItems(QStringLiteral("small-2000.vku"), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    list->setCurrentItem(items.first());
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Bt_Open")), Qt::LeftButton);
}

void ChooserConversionTest::agreedConversionReplacesTheFileAndSwitches() {
    dialogs_.answer = true;
    QPointer<DataFileChooserWindow> window = openChooser(converter);
    QSignalSpy shown(window.data(), &DataFileChooserWindow::mainScreenRequested);
    chooseLegacyFile(window);
    QCOMPARE(dialogs_.questions.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 60000);

    QCOMPARE(shown.count(), 1);
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(values_.DataFilePath, legacyPath_);
    QCOMPARE(testfiles::readAll(values_.DataFileIniPath), ("\"" + legacyPath_ + "\"\r\n").toUtf8());
    QVERIFY(QFile::exists(legacyPath_ + QStringLiteral(".bak")));
    QCOMPARE(WordStore::open(legacyPath_).wordList().size(), std::size_t(36));
}

void ChooserConversionTest::declinedConversionChangesNothing() {
    const QByteArray before = testfiles::readAll(legacyPath_);
    QPointer<DataFileChooserWindow> window = openChooser(converter);
    chooseLegacyFile(window);
    QCOMPARE(dialogs_.questions.size(), 1);
    QVERIFY(window->isVisible());
    QCOMPARE(values_.DataFilePath, dataFolder_ + QStringLiteral("a.vku"));
    QCOMPARE(testfiles::readAll(legacyPath_), before);
}

void ChooserConversionTest::failedConversionKeepsTheChooserOpen() {
    dialogs_.answer = true;
    const QByteArray before = testfiles::readAll(legacyPath_);
    QPointer<DataFileChooserWindow> window = openChooser(home_->path() + "/no-such-tool");
    chooseLegacyFile(window);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs_.messages.size(), 1, 60000);
    QVERIFY(window->isVisible());
    QVERIFY(window->findChild<QPushButton*>(QStringLiteral("Bt_Open"))->isEnabled());
    QCOMPARE(values_.DataFilePath, dataFolder_ + QStringLiteral("a.vku"));
    QCOMPARE(testfiles::readAll(legacyPath_), before);
    QVERIFY(!QFile::exists(legacyPath_ + QStringLiteral(".bak")));
}

QTEST_MAIN(ChooserConversionTest)
#include "chooserconversion_test.moc"
