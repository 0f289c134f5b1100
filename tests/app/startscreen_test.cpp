// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/appwindows.h"

#include "fakeuserdialogs.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The start screen as the program shows it, with the settings of a first run.
class StartScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheDesignedControls();
    void buttonHandsOverToTheMainScreen();
    void closeBoxHandsOverToo();
    void missingPictureLeavesTheImageEmpty();

private:
    QString appFolder() const { return program_->path() + QStringLiteral("/"); }
    void start();

    std::unique_ptr<testfiles::TempHome> home_;
    std::unique_ptr<QTemporaryDir> program_;
    FakeUserDialogs dialogs_;
    FakeSoundPlayer sound_;
    std::unique_ptr<AppWindows> windows_;
};

void StartScreenTest::init() {
    home_ = std::make_unique<testfiles::TempHome>();
    program_ = std::make_unique<QTemporaryDir>();
    dialogs_.messages.clear();
    testfiles::writeAll(appFolder() + "Vokuini.ini", "\"VOKU\"\r\n");
    // "こんにちは" in code page 932.
    testfiles::writeAll(appFolder() + "Ini/VKI000.ini",
                        " 1 \r\nfirst\r\n\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD\r\n");
    testfiles::writeAll(appFolder() + "Ini/VKI020.ini", "");
    testfiles::writeAll(appFolder() + "Ini/VKI030.ini", "");
    testfiles::writeAll(appFolder() + "Ini/VKI010.ini", "\"words.vku\"\r\n");
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.save(appFolder() + "VOKU.gif", "PNG"); // Qt writes no GIF; the reader goes by content
}

void StartScreenTest::cleanup() {
    windows_.reset();
    // Each TempHome restores the HOME it found, so they must end in order.
    home_.reset();
}

void StartScreenTest::start() {
    windows_ = std::make_unique<AppWindows>(AppWindows::Options{
        .executableFolder = appFolder(), .dialogs = &dialogs_, .sound = &sound_});
    windows_->start();
}

void StartScreenTest::showsTheDesignedControls() {
    start();
    QWidget* screen = windows_->startScreen();
    QVERIFY(screen);
    QCOMPARE(screen->objectName(), QStringLiteral("VK0000"));
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->size(), QSize(515, 319));

    auto* version = screen->findChild<QLabel*>(QStringLiteral("Lb_Ver"));
    auto* message = screen->findChild<QLabel*>(QStringLiteral("tx_com"));
    auto* image = screen->findChild<QLabel*>(QStringLiteral("Image1"));
    auto* button = screen->findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(version && message && image && button);
    QCOMPARE(version->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.3.0"));
    QCOMPARE(version->geometry(), QRect(432, 144, 153, 17));
    QCOMPARE(message->text(), QStringLiteral("こんにちは"));
    QCOMPARE(message->geometry(), QRect(8, 200, 401, 113));
    QCOMPARE(message->font().pointSize(), 12);
    QCOMPARE(message->font().families().value(0), QStringLiteral("IPAPGothic"));
    QCOMPARE(button->text(), QStringLiteral("さぁ始めよう"));
    QCOMPARE(button->geometry(), QRect(416, 252, 77, 29));
    QCOMPARE(image->pixmap().size(), QSize(20, 10));

    QWidget* main = windows_->mainScreen();
    QVERIFY(main);
    QVERIFY(!main->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("VOKU英単カード　words.vku"));
    // The first-run copy, then the main screen's word that the named file is missing.
    QCOMPARE(dialogs_.messages.size(), 3);
    QVERIFY(dialogs_.messages.last().contains(QStringLiteral("words.vku")));
}

void StartScreenTest::buttonHandsOverToTheMainScreen() {
    start();
    QPointer<QWidget> screen = windows_->startScreen();
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QTRY_VERIFY(!screen);
    QVERIFY(windows_->mainScreen()->isVisible());
    QCOMPARE(windows_->mainScreen()->objectName(), QStringLiteral("VK0010"));
    QCOMPARE(lastClosed.count(), 0);
}

void StartScreenTest::closeBoxHandsOverToo() {
    start();
    QPointer<QWidget> screen = windows_->startScreen();
    screen->close();
    QTRY_VERIFY(!screen);
    QVERIFY(windows_->mainScreen()->isVisible());
}

void StartScreenTest::missingPictureLeavesTheImageEmpty() {
    QFile::remove(appFolder() + "VOKU.gif");
    start();
    auto* image = windows_->startScreen()->findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(image->pixmap().isNull());
}

QTEST_MAIN(StartScreenTest)
#include "startscreen_test.moc"
