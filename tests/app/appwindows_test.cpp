// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows handing over to each other on the installed sample words, and a
// second copy of the program handing its file to the first.
#include "data/textcodec.h"
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
    QTemporaryDir dir_;
    FakeDialogs dialogs_;
    FakeSound sound_;
    FakeOpener documents_;
    std::unique_ptr<AppWindows> windows_;

    QWidget* start(const QString& fileToOpen = {}) {
        windows_ = std::make_unique<AppWindows>(
            AppWindows::Options{.executableFolder = QStringLiteral(VOKU_APP_DIR),
                                .fileToOpen = fileToOpen,
                                .dialogs = &dialogs_,
                                .sound = &sound_,
                                .documents = &documents_});
        windows_->start();
        return windows_->startScreen();
    }
    void begin() {
        click(windows_->startScreen(), "Command1");
        QTRY_VERIFY(window("VK0010"));
    }
    QString sampleCopy(const QString& fileName) const {
        QFile::copy(QStringLiteral(VOKU_APP_DIR "/Ini/基本英単語.vku"), dir_.filePath(fileName));
        return dir_.filePath(fileName);
    }
    QString name() const { return SingleInstance::nameFor(home_->documentsFolder()); }

private slots:
    void init() {
        home_ = std::make_unique<testfiles::TempHome>();
        dialogs_ = FakeDialogs();
    }
    void cleanup() {
        windows_.reset();
        home_.reset(); // restores the HOME it found, so after the windows
    }

    void startScreenHandsOverToTheMainScreen_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("button") << true;
        QTest::newRow("close box") << false;
    }
    void startScreenHandsOverToTheMainScreen() {
        QFETCH(bool, byButton);
        QPointer<QWidget> screen = start();
        QCOMPARE(screen->objectName(), QStringLiteral("VK0000"));
        QVERIFY(!child<QLabel>(screen, "tx_com")->text().isEmpty());
        QVERIFY(!child<QLabel>(screen, "Image1")->pixmap().isNull());
        QVERIFY(!window("VK0010"));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        if (byButton)
            begin();
        else
            screen->close();
        QTRY_VERIFY(!screen);
        QVERIFY(window("VK0010"));
        QCOMPARE(lastClosed.count(), 0);
        QCOMPARE(dialogs_.messages.size(), 2); // the first run's copy
    }

    void drillAndBackShowFreshCounts() {
        start();
        begin();
        QWidget* main = window("VK0010");
        QCOMPARE(main->windowTitle(), QStringLiteral("VOKU英単カード　基本英単語.vku"));
        child<QListWidget>(main, "Ls_Db")->item(0)->setSelected(true);
        click(main, "BT_select");
        click(main, "BT_OK");
        QTRY_VERIFY(window("VK0020") && !window("VK0010"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        click(window("VK0020"), "BT_level_5");
        click(window("VK0020"), "BT_OK_0");
        QCOMPARE(sound_.played, QStringList{"ok.wav"});
        click(window("VK0020"), "Command1");
        QTRY_VERIFY(window("VK0010") && !window("VK0020"));
        const QString firstLine = widgets::texts(window("VK0010"), "Ls_Db").value(0);
        QVERIFY2(firstLine.startsWith("  1       25      1"), qPrintable(firstLine));
        QCOMPARE(widgets::texts(window("VK0010"), "LS_befor"), QStringList{"  1"});
    }

    // The chooser takes the main screen's place; the other tools open beside it, once each.
    void menusOpenTheToolWindows() {
        start();
        begin();
        QWidget* main = window("VK0010");
        const auto trigger = [&](const char* name) { child<QAction>(main, name)->trigger(); };
        trigger("var_list");
        trigger("var_list");
        QTRY_VERIFY(window("VKP010"));
        QCOMPARE(widgets::windowCount("VKP010"), 1);
        trigger("var_itiran");
        QTRY_VERIFY(window("VKP040") && !window("VK0010") && !window("VKP010"));
        window("VKP040")->close();
        QTRY_VERIFY(window("VK0010"));
        main = window("VK0010");
        trigger("ver_dis");
        trigger("ver_ver");
        QTRY_VERIFY(window("VKP020") && window("frmAbout"));
        trigger("ver_help");
        QCOMPARE(documents_.opened.size(), 1);
        QVERIFY(documents_.opened[0].endsWith(QStringLiteral("VOKU英単カード説明書.pdf")));
    }

    // A mistyped name is reported and leaves the settings naming the last file.
    void fileNamedOnTheCommandLineOpensAfterTheStartScreen() {
        for (const bool exists : {true, false}) {
            cleanup();
            init();
            const QString file = exists ? sampleCopy(QStringLiteral("自分の単語.vku"))
                                        : dir_.filePath(QStringLiteral("無い.vku"));
            start(file);
            const QString shown = exists ? file : QStringLiteral("基本英単語.vku");
            begin();
            QTRY_COMPARE(window("VK0010")->windowTitle(),
                         "VOKU英単カード　" + shown.section('/', -1));
            const QString settings = home_->documentsFolder() + "VOKU英単カード/VKI010.ini";
            QCOMPARE(TextCodec::decodeSettings(testfiles::readAll(settings)),
                     '"' + shown + "\"\r\n");
            QCOMPARE(dialogs_.messages.filter("見つかりません").size(), exists ? 0 : 1);
        }
    }

    void secondCopyHandsItsFileToTheFirst() {
        for (const bool duringStartScreen : {false, true}) {
            cleanup();
            init();
            start();
            SingleInstance first(name());
            connect(&first, &SingleInstance::activated, windows_.get(), &AppWindows::activate);
            QVERIFY2(!SingleInstance(name()).handOver({}), "nobody listens yet");
            QVERIFY(first.listen());
            if (!duringStartScreen)
                begin();
            const QString file = sampleCopy(QStringLiteral("二つ目.vku"));
            SingleInstance second(name());
            QVERIFY(second.handOver(file));
            QVERIFY2(!second.listen(), "the first copy keeps the name");
            if (duringStartScreen) {
                QTRY_COMPARE(windows_->fileToOpen(), file);
                begin();
            }
            QTRY_COMPARE(windows_->values().dataFilePath, file);
            QCOMPARE(window("VK0010")->windowTitle(), QStringLiteral("VOKU英単カード　二つ目.vku"));
        }
    }

    void staleSocketOfACrashedCopyIsReplaced() {
        const QByteArray path = QFile::encodeName(name());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path,
                 path.startsWith('/') ? path : QFile::encodeName(QDir::tempPath()) + '/' + path,
                 sizeof(address.sun_path));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
        QVERIFY(!SingleInstance(name()).handOver({}));
        SingleInstance first(name());
        QVERIFY(first.listen());
        QVERIFY(SingleInstance(name()).handOver({}));
        QVERIFY(SingleInstance::nameFor(QStringLiteral("/home/b/Documents")) != name());
    }

    // Without XDG_RUNTIME_DIR the name lies in a folder only the user can enter.
    void withoutRuntimeFolderTheNameIsTheUsersOwn() {
        const std::pair<const char*, bool> rows[] = {
            {"nothing", true}, {"open", true}, {"link", false}, {"foreign", false}};
        for (const auto& [existing, used] : rows) {
            QTemporaryDir tmp;
            const QByteArray oldTmp = qgetenv("TMPDIR");
            const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
            qputenv("TMPDIR", QFile::encodeName(tmp.path()));
            qunsetenv("XDG_RUNTIME_DIR");
            const QString folder = tmp.filePath(QStringLiteral("voku-%1").arg(::getuid()));
            const QByteArray path = QFile::encodeName(folder);
            const QByteArray kind(existing);
            if (kind == "open")
                QVERIFY(::mkdir(path, 0777) == 0 && ::chmod(path, 0777) == 0);
            if (kind == "link")
                QVERIFY(QFile::link(tmp.path(), folder));
            if (kind == "foreign" && (::mkdir(path, 0700) != 0 || ::chown(path, 65534, 65534) != 0))
                continue; // only root can give a folder away
            const QString name = SingleInstance::nameFor(QStringLiteral("/home/a/Documents"));
            qputenv("TMPDIR", oldTmp);
            qputenv("XDG_RUNTIME_DIR", oldRuntime);
            QVERIFY2(name.startsWith(folder + '/') == used, existing);
            struct stat status {};
            QVERIFY(!used || (::lstat(path, &status) == 0 && (status.st_mode & 0777) == 0700));
        }
    }
};

QTEST_MAIN(AppWindowsTest)
#include "appwindows_test.moc"
