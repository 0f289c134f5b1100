// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows handing over to each other on the installed sample words, a second
// copy of the program handing its file to the first, and the real seams to the desktop.
#include "app/lazysoundplayer.h"
#include "app/lazywordspeaker.h"
#include "app/qtdocumentopener.h"
#include "app/qtuserdialogs.h"
#include "app/settingsfiles.h"
#include "program/applicationsetup.h"
#include "program/appwindows.h"
#include "program/singleinstance.h"

#include "support/fakeseams.h"
#include "support/testfiles.h"
#include "support/widgetlookup.h"

#include <QtTest>
#include <QtWidgets>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace widgets;

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
    // Runs action on the modal dialog of type T that the next call brings up.
    template <typename T> static void whenModal(std::function<void(T*)> action) {
        QTimer::singleShot(
            0, [action] { action(qobject_cast<T*>(QApplication::activeModalWidget())); });
    }

private slots:
    // As the program starts: Japanese texts in Qt's own dialogs, and the program's icon.
    void initTestCase() {
        ApplicationSetup::apply(*qApp);
        QTRY_VERIFY(!QApplication::windowIcon().pixmap(32).isNull());
    }
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
        QVERIFY(!child<QLabel>(screen, "tx_com")->text().isEmpty() &&
                !child<QLabel>(screen, "Image1")->pixmap().isNull());
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        begin();
        QTRY_VERIFY(!screen);
        QCOMPARE(lastClosed.count(), 0);
        QWidget* main = window("VK0010");
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
        for (const char* name : {"var_list", "var_list"})
            child<QAction>(main, name)->trigger();
        QTRY_COMPARE(widgets::windowCount("VKP010"), 1);
        child<QAction>(main, "var_itiran")->trigger();
        QTRY_VERIFY(window("VKP040") && !window("VK0010") && !window("VKP010"));
        window("VKP040")->close();
        QTRY_VERIFY(main = window("VK0010"));
        for (const char* name : {"ver_dis", "ver_ver", "ver_help"})
            child<QAction>(main, name)->trigger();
        QTRY_VERIFY(window("VKP020") && window("frmAbout"));
        QVERIFY(documents_.opened.value(0).endsWith("VOKU英単カード説明書.pdf"));
    }

    // From the command line, or from a second copy during the start screen or later. A mistyped
    // name is reported and leaves the settings naming the last file. The first copy takes the
    // name over from a crashed one and keeps it.
    void fileHandedOverOpensOnTheMainScreen() {
        for (const auto& [from, exists] : {std::pair(0, true), {0, false}, {1, true}, {2, true}}) {
            cleanup();
            init();
            const QString file = home_->path() + QString("/%1%2.vku").arg(from).arg(exists);
            QVERIFY(!exists || QFile::copy(VOKU_APP_DIR "/Ini/基本英単語.vku", file));
            start(from == 0 ? file : QString());
            const QString name = SingleInstance::nameFor(home_->documentsFolder());
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
            QTRY_COMPARE(window("VK0010")->windowTitle(),
                         "VOKU英単カード　" + shown.section('/', -1));
            QCOMPARE(SettingsFiles::readDataFileSetting(windows_->values().dataFileIniPath), shown);
            QCOMPARE(dialogs_.messages.filter("見つかりません").size(), exists ? 0 : 1);
        }
    }

    // Without XDG_RUNTIME_DIR the name lies in a folder only the user can enter.
    void withoutRuntimeFolderTheNameIsTheUsersOwn() {
        const QByteArray oldTmp = qgetenv("TMPDIR"), oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        for (const QString kind : {"nothing", "open", "link", "foreign"}) {
            QTemporaryDir tmp;
            qputenv("TMPDIR", QFile::encodeName(tmp.path()));
            const QString folder = tmp.filePath(QString("voku-%1").arg(::getuid()));
            const QByteArray path = QFile::encodeName(folder);
            QVERIFY(kind != "open" || (::mkdir(path, 0777) == 0 && ::chmod(path, 0777) == 0));
            QVERIFY(kind != "link" || QFile::link(tmp.path(), folder));
            if (kind == "foreign" && (::mkdir(path, 0700) != 0 || ::chown(path, 65534, 65534) != 0))
                continue; // only root can give a folder away
            const bool used = kind == "nothing" || kind == "open";
            struct stat status {};
            QVERIFY2(SingleInstance::nameFor("/a").startsWith(folder + '/') == used,
                     qPrintable(kind));
            QVERIFY(!used || (::lstat(path, &status) == 0 && (status.st_mode & 0777) == 0700));
        }
        qputenv("TMPDIR", oldTmp);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
    }

    // Qt's own dialogs, in Japanese, with the program's title; cancel gives nothing.
    void desktopSeams() {
        QtUserDialogs dialogs;
        const std::tuple<QMessageBox::StandardButton, QMessageBox::Icon, QString> rows[] = {
            {QMessageBox::Ok, QMessageBox::Warning, "OK"},
            {QMessageBox::Yes, QMessageBox::Question, "はい(&Y)"},
            {QMessageBox::No, QMessageBox::Question, "いいえ(&N)"}};
        for (const auto& [press, icon, caption] : rows) {
            QStringList shown;
            whenModal<QMessageBox>([&, press = press](QMessageBox* box) {
                shown << box->windowTitle() << box->text() << box->button(press)->text()
                      << QString::number(box->icon());
                box->button(press)->click();
            });
            if (press == QMessageBox::Ok)
                dialogs.inform("文", UserDialogs::Icon::Exclamation);
            QVERIFY(press == QMessageBox::Ok ||
                    dialogs.askYesNo("文") == (press == QMessageBox::Yes));
            QCOMPARE(shown, QStringList({"VOKU英単カード", "文", caption, QString::number(icon)}));
        }
        QStringList shown;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            shown << dialog->nameFilters() << dialog->directory().path()
                  << QString::number(dialog->testOption(QFileDialog::DontUseNativeDialog));
            dialog->reject();
        });
        QCOMPARE(dialogs.chooseDataFile(home_->path()), QString());
        QCOMPARE(shown, QStringList({"単語データ (*.vku)", home_->path(), "1"}));
        const QColor colour(0xFF, 0xFF, 0xC0); // accepted as it started, or cancelled
        for (const bool accept : {false, true}) {
            whenModal<QColorDialog>([&](QDialog* d) { accept ? d->accept() : d->reject(); });
            QCOMPARE(dialogs.chooseColour(colour), accept ? std::optional(colour) : std::nullopt);
        }
        // No sound module, a file that is no sound, no audio device, no document: silence.
        AppValues values;
        values.appFolder = home_->path() + '/';
        testfiles::writeAll(home_->path() + "/ok.wav", "not a sound");
        LazySoundPlayer player(values, {"/no/such.so", VOKU_SOUND_MODULE}),
            none(values, {"/no/such.so"});
        player.play("ok.wav");
        none.play("ok.wav");
        QVERIFY2(player.hasModule() && !none.hasModule(),
                 "the module is loaded on the first sound");
        // The same for speech: with or without an audio device, the call returns at once.
        LazyWordSpeaker speaker({"/no/such.so", VOKU_SPEECH_MODULE}), mute({"/no/such.so"});
        for (const QString& word : QStringList{"", "apple", "banana"}) {
            speaker.speak(word);
            mute.speak(word);
        }
        QVERIFY(speaker.hasModule() && !mute.hasModule() && !mute.isSpeaking());
        QVERIFY(!QtDocumentOpener().open("/no/such/manual.pdf"));
    }
};

QTEST_MAIN(AppWindowsTest)
#include "appwindows_test.moc"
