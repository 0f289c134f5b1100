// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows handing over to each other on the installed sample words, and a
// second copy of the program handing its file to the first.
#include "app/settingsfiles.h"
#include "program/appwindows.h"
#include "program/singleinstance.h"

#include "support/fakeseams.h"
#include "support/testfiles.h"
#include "support/widgetlookup.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using widgets::child;
using widgets::click;
using widgets::window;

class AppWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testfiles::TempHome> home_;
    FakeDialogs dialogs_;
    FakeSound sound_;
    FakeOpener documents_;
    std::unique_ptr<AppWindows> windows_;

    void start(const QString& fileToOpen = {}) {
        windows_ = std::make_unique<AppWindows>(
            AppWindows::Options{VOKU_APP_DIR, fileToOpen, &dialogs_, &sound_, &documents_});
        windows_->start();
    }
    void begin() {
        click(windows_->startScreen(), "Command1");
        QTRY_VERIFY(window("VK0010"));
    }

private slots:
    void init() {
        home_ = std::make_unique<testfiles::TempHome>();
        dialogs_ = FakeDialogs();
    }
    void cleanup() {
        windows_.reset();
        home_.reset(); // restores the HOME it found, so after the windows
    }

    void startMainDrillAndToolWindows() {
        start();
        QPointer<QWidget> screen = windows_->startScreen();
        QVERIFY(!child<QLabel>(screen, "tx_com")->text().isEmpty());
        QVERIFY(!child<QLabel>(screen, "Image1")->pixmap().isNull());
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        begin();
        QTRY_VERIFY(!screen);
        QCOMPARE(lastClosed.count(), 0);
        QWidget* main = window("VK0010");
        QCOMPARE(main->windowTitle(), "VOKU英単カード　基本英単語.vku");
        child<QListWidget>(main, "Ls_Db")->item(0)->setSelected(true);
        click(main, "BT_select");
        click(main, "BT_OK");
        QTRY_VERIFY(window("VK0020") && !window("VK0010"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        click(window("VK0020"), "BT_level_5");
        click(window("VK0020"), "BT_OK_0");
        QCOMPARE(sound_.played, QStringList{"ok.wav"});
        click(window("VK0020"), "Command1");
        QTRY_VERIFY((main = window("VK0010")) && !window("VK0020"));
        QVERIFY(widgets::texts(main, "Ls_Db").value(0).startsWith("  1       25      1"));
        // The chooser takes the main screen's place; the other tools open beside it, once each.
        const auto trigger = [&](const char* name) { child<QAction>(main, name)->trigger(); };
        trigger("var_list");
        trigger("var_list");
        QTRY_COMPARE(widgets::windowCount("VKP010"), 1);
        trigger("var_itiran");
        QTRY_VERIFY(window("VKP040") && !window("VK0010") && !window("VKP010"));
        window("VKP040")->close();
        QTRY_VERIFY(main = window("VK0010"));
        trigger("ver_dis");
        trigger("ver_ver");
        trigger("ver_help");
        QTRY_VERIFY(window("VKP020") && window("frmAbout"));
        QVERIFY(documents_.opened.value(0).endsWith("VOKU英単カード説明書.pdf"));
    }

    // A mistyped name is reported and leaves the settings naming the last file. The first copy
    // takes the name over from a crashed one and keeps it.
    void fileHandedOverOpensOnTheMainScreen_data() {
        QTest::addColumn<int>("from"); // the command line, a second copy early or later
        QTest::addColumn<bool>("exists");
        QTest::newRow("command line") << 0 << true;
        QTest::newRow("mistyped") << 0 << false;
        QTest::newRow("second copy early") << 1 << true;
        QTest::newRow("second copy later") << 2 << true;
    }
    void fileHandedOverOpensOnTheMainScreen() {
        QFETCH(int, from);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString file = dir.filePath(QTest::currentDataTag() + QString(".vku"));
        QVERIFY(!exists || QFile::copy(VOKU_APP_DIR "/Ini/基本英単語.vku", file));
        start(from == 0 ? file : QString());
        const QString name = SingleInstance::nameFor(home_->documentsFolder());
        QVERIFY(name != SingleInstance::nameFor("/home/b/Documents"));
        sockaddr_un crashed{AF_UNIX, {}};
        qstrncpy(crashed.sun_path, QFile::encodeName(name), sizeof(crashed.sun_path));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&crashed), sizeof(crashed)), 0);
        ::close(fd);
        QVERIFY(!SingleInstance(name).handOver({}));
        SingleInstance first(name);
        connect(&first, &SingleInstance::activated, windows_.get(), &AppWindows::activate);
        QVERIFY(first.listen() && !SingleInstance(name).listen());
        if (from == 2)
            begin();
        QVERIFY(from == 0 || SingleInstance(name).handOver(file));
        QTRY_COMPARE(windows_->fileToOpen(), from == 2 ? QString() : file);
        if (from < 2)
            begin();
        const QString shown = exists ? file : "基本英単語.vku";
        QTRY_COMPARE(window("VK0010")->windowTitle(), "VOKU英単カード　" + shown.section('/', -1));
        const QString settings = home_->documentsFolder() + "VOKU英単カード/VKI010.ini";
        QCOMPARE(SettingsFiles::readDataFileSetting(settings), shown);
        QCOMPARE(dialogs_.messages.filter("見つかりません").size(), exists ? 0 : 1);
    }

    // Without XDG_RUNTIME_DIR the name lies in a folder only the user can enter.
    void withoutRuntimeFolderTheNameIsTheUsersOwn() {
        for (const QString kind : {"nothing", "open", "link", "foreign"}) {
            QTemporaryDir tmp;
            const QByteArray oldTmp = qgetenv("TMPDIR"), oldRuntime = qgetenv("XDG_RUNTIME_DIR");
            qputenv("TMPDIR", QFile::encodeName(tmp.path()));
            qunsetenv("XDG_RUNTIME_DIR");
            const QString folder = tmp.filePath(QString("voku-%1").arg(::getuid()));
            const QByteArray path = QFile::encodeName(folder);
            if (kind == "open")
                QVERIFY(::mkdir(path, 0777) == 0 && ::chmod(path, 0777) == 0);
            if (kind == "link")
                QVERIFY(QFile::link(tmp.path(), folder));
            if (kind == "foreign" && (::mkdir(path, 0700) != 0 || ::chown(path, 65534, 65534) != 0))
                continue; // only root can give a folder away
            const QString name = SingleInstance::nameFor("/home/a/Documents");
            qputenv("TMPDIR", oldTmp);
            qputenv("XDG_RUNTIME_DIR", oldRuntime);
            const bool used = kind == "nothing" || kind == "open";
            struct stat status {};
            QVERIFY2(name.startsWith(folder + '/') == used, qPrintable(kind));
            QVERIFY(!used || (::lstat(path, &status) == 0 && (status.st_mode & 0777) == 0700));
        }
    }
};

QTEST_MAIN(AppWindowsTest)
#include "appwindows_test.moc"
