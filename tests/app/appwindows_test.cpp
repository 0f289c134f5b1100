// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows handing over to each other, on the installed sample words.
#include "data/textcodec.h"
#include "program/appwindows.h"

#include "fakeuserdialogs.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class AppWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void drillAndBackShowFreshCounts();
    void chooserTakesTheMainScreensPlaceAndGivesItBack();
    void fileNamedOnTheCommandLineOpensAfterTheStartScreen_data();
    void fileNamedOnTheCommandLineOpensAfterTheStartScreen();

private:
    void start(const QString& fileToOpen = {});
    QWidget* window(const QString& name) const;
    template <typename T> T* control(QWidget* window, const QString& name) const;

    std::unique_ptr<testfiles::TempHome> home_;
    FakeUserDialogs dialogs_;
    FakeSoundPlayer sound_;
    FakeDocumentOpener documents_;
    std::unique_ptr<AppWindows> windows_;
};

void AppWindowsTest::init() {
    home_ = std::make_unique<testfiles::TempHome>();
    dialogs_.messages.clear();
}

void AppWindowsTest::cleanup() {
    windows_.reset();
    home_.reset();
}

void AppWindowsTest::start(const QString& fileToOpen) {
    windows_ = std::make_unique<AppWindows>(
        AppWindows::Options{.executableFolder = QStringLiteral(VOKU_APP_DIR),
                            .fileToOpen = fileToOpen,
                            .dialogs = &dialogs_,
                            .sound = &sound_,
                            .documents = &documents_});
    windows_->start();
    QTest::mouseClick(control<QPushButton>(windows_->startScreen(), QStringLiteral("Command1")),
                      Qt::LeftButton);
    QTRY_VERIFY(window(QStringLiteral("VK0010")));
}

QWidget* AppWindowsTest::window(const QString& name) const {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

template <typename T> T* AppWindowsTest::control(QWidget* window, const QString& name) const {
    T* found = window ? window->findChild<T*>(name) : nullptr;
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void AppWindowsTest::drillAndBackShowFreshCounts() {
    start();
    QWidget* main = window(QStringLiteral("VK0010"));
    QCOMPARE(main->windowTitle(), QStringLiteral("VOKU英単カード　基本英単語.vku"));
    auto* groups = control<QListWidget>(main, QStringLiteral("Ls_Db"));
    QVERIFY(groups->count() >= 10);
    groups->item(0)->setSelected(true);
    QTest::mouseClick(control<QPushButton>(main, QStringLiteral("BT_select")), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(main, QStringLiteral("BT_OK")), Qt::LeftButton);

    QTRY_VERIFY(window(QStringLiteral("VK0020")));
    QTRY_VERIFY(!window(QStringLiteral("VK0010")));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QWidget* drill = window(QStringLiteral("VK0020"));
    QTest::mouseClick(control<QPushButton>(drill, QStringLiteral("BT_level_5")), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(drill, QStringLiteral("BT_OK_0")), Qt::LeftButton);
    QCOMPARE(sound_.played, QStringList{QStringLiteral("ok.wav")});
    QTest::mouseClick(control<QPushButton>(drill, QStringLiteral("Command1")), Qt::LeftButton);

    QTRY_VERIFY(window(QStringLiteral("VK0010")));
    QTRY_VERIFY(!window(QStringLiteral("VK0020")));
    main = window(QStringLiteral("VK0010"));
    const QString firstLine = control<QListWidget>(main, QStringLiteral("Ls_Db"))->item(0)->text();
    QVERIFY2(firstLine.startsWith(QStringLiteral("  1       25      1")), qPrintable(firstLine));
    QCOMPARE(control<QListWidget>(main, QStringLiteral("LS_befor"))->item(0)->text(),
             QStringLiteral("  1"));
}

void AppWindowsTest::chooserTakesTheMainScreensPlaceAndGivesItBack() {
    start();
    QWidget* main = window(QStringLiteral("VK0010"));
    for (int choice = 0; choice < 2; ++choice)
        control<QAction>(main, QStringLiteral("var_list"))->trigger();
    QTRY_VERIFY(window(QStringLiteral("VKP010")));
    int wordLists = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        wordLists += w->objectName() == QStringLiteral("VKP010");
    QCOMPARE(wordLists, 1);
    control<QAction>(main, QStringLiteral("var_itiran"))->trigger();
    QTRY_VERIFY(window(QStringLiteral("VKP040")));
    QTRY_VERIFY(!window(QStringLiteral("VK0010")));
    QVERIFY(!window(QStringLiteral("VKP010")));

    window(QStringLiteral("VKP040"))->close();
    QTRY_VERIFY(window(QStringLiteral("VK0010")));

    main = window(QStringLiteral("VK0010"));
    control<QAction>(main, QStringLiteral("ver_dis"))->trigger();
    control<QAction>(main, QStringLiteral("ver_ver"))->trigger();
    QTRY_VERIFY(window(QStringLiteral("VKP020")));
    QTRY_VERIFY(window(QStringLiteral("frmAbout")));
    control<QAction>(main, QStringLiteral("ver_help"))->trigger();
    QCOMPARE(documents_.opened.size(), 1);
    QVERIFY(documents_.opened[0].endsWith(QStringLiteral("VOKU英単カード説明書.pdf")));
}

void AppWindowsTest::fileNamedOnTheCommandLineOpensAfterTheStartScreen_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("a word file") << true;
    // A mistyped name is reported and leaves the settings naming the last file.
    QTest::newRow("a missing file") << false;
}

void AppWindowsTest::fileNamedOnTheCommandLineOpensAfterTheStartScreen() {
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("自分の単語.vku"));
    if (exists)
        QVERIFY(QFile::copy(QStringLiteral(VOKU_APP_DIR "/Ini/基本英単語.vku"), file));
    start(file);
    const QString title = exists ? QStringLiteral("VOKU英単カード　自分の単語.vku")
                                 : QStringLiteral("VOKU英単カード　基本英単語.vku");
    QTRY_COMPARE(window(QStringLiteral("VK0010"))->windowTitle(), title);
    const QString settings = home_->documentsFolder() + QStringLiteral("VOKU英単カード/");
    QCOMPARE(TextCodec::decodeSettings(testfiles::readAll(settings + QStringLiteral("VKI010.ini"))),
             exists ? QLatin1Char('"') + file + QStringLiteral("\"\r\n")
                    : QStringLiteral("\"基本英単語.vku\"\r\n"));
    QCOMPARE(dialogs_.messages.filter(QStringLiteral("見つかりません")).size(), exists ? 0 : 1);
}

QTEST_MAIN(AppWindowsTest)
#include "appwindows_test.moc"
