// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows handing over to each other on the installed sample words, and a
// second copy of the program handing its file to the first.
#include "app/appwindows.h"
#include "app/singleinstance.h"
#include "data/textcodec.h"

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

private slots:
    void init();
    void cleanup();
    void startScreenHandsOverToTheMainScreen_data();
    void startScreenHandsOverToTheMainScreen();
    void drillAndBackShowFreshCounts();
    void chooserTakesTheMainScreensPlaceAndGivesItBack();
    void fileNamedOnTheCommandLineOpensAfterTheStartScreen_data();
    void fileNamedOnTheCommandLineOpensAfterTheStartScreen();
    void secondCopyHandsItsFileToTheFirst_data();
    void secondCopyHandsItsFileToTheFirst();
    void staleSocketOfACrashedCopyIsReplaced();
    void withoutRuntimeFolderTheNameLiesInAFolderOnlyTheUserEnters_data();
    void withoutRuntimeFolderTheNameLiesInAFolderOnlyTheUserEnters();

private:
    void start(const QString& fileToOpen = {});
    void begin() { click(windows_->startScreen(), QStringLiteral("Command1")); }
    QString sampleCopy(const QString& fileName) const;
    QString name() const { return SingleInstance::nameFor(home_->documentsFolder()); }

    std::unique_ptr<testfiles::TempHome> home_;
    QTemporaryDir dir_;
    FakeDialogs dialogs_;
    FakeSound sound_;
    FakeOpener documents_;
    std::unique_ptr<AppWindows> windows_;
};

void AppWindowsTest::init() {
    home_ = std::make_unique<testfiles::TempHome>();
    dialogs_ = FakeDialogs();
}

void AppWindowsTest::cleanup() {
    windows_.reset();
    // Each TempHome restores the HOME it found, so they must end in order.
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
}

QString AppWindowsTest::sampleCopy(const QString& fileName) const {
    const QString file = dir_.filePath(fileName);
    QFile::copy(QStringLiteral(VOKU_APP_DIR "/Ini/基本英単語.vku"), file);
    return file;
}

void AppWindowsTest::startScreenHandsOverToTheMainScreen_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("button") << true;
    QTest::newRow("close box") << false;
}

void AppWindowsTest::startScreenHandsOverToTheMainScreen() {
    QFETCH(bool, byButton);
    start();
    QPointer<QWidget> screen = window(QStringLiteral("VK0000"));
    QVERIFY(screen);
    QVERIFY(!child<QLabel>(screen, QStringLiteral("tx_com"))->text().isEmpty());
    QVERIFY(!child<QLabel>(screen, QStringLiteral("Image1"))->pixmap().isNull());
    QVERIFY(!window(QStringLiteral("VK0010")));
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    if (byButton)
        begin();
    else
        screen->close();
    QTRY_VERIFY(!screen);
    QVERIFY(window(QStringLiteral("VK0010")));
    QCOMPARE(lastClosed.count(), 0);
    QCOMPARE(dialogs_.messages.size(), 2); // the first run's copy
}

void AppWindowsTest::drillAndBackShowFreshCounts() {
    start();
    begin();
    QWidget* main = window(QStringLiteral("VK0010"));
    QCOMPARE(main->windowTitle(), QStringLiteral("VOKU英単カード　基本英単語.vku"));
    child<QListWidget>(main, QStringLiteral("Ls_Db"))->item(0)->setSelected(true);
    click(main, QStringLiteral("BT_select"));
    click(main, QStringLiteral("BT_OK"));

    QTRY_VERIFY(window(QStringLiteral("VK0020")));
    QTRY_VERIFY(!window(QStringLiteral("VK0010")));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QWidget* drill = window(QStringLiteral("VK0020"));
    click(drill, QStringLiteral("BT_level_5"));
    click(drill, QStringLiteral("BT_OK_0"));
    QCOMPARE(sound_.played, QStringList{QStringLiteral("ok.wav")});
    click(drill, QStringLiteral("Command1"));

    QTRY_VERIFY(window(QStringLiteral("VK0010")));
    QTRY_VERIFY(!window(QStringLiteral("VK0020")));
    main = window(QStringLiteral("VK0010"));
    const QString firstLine = widgets::texts(main, QStringLiteral("Ls_Db")).value(0);
    QVERIFY2(firstLine.startsWith(QStringLiteral("  1       25      1")), qPrintable(firstLine));
    QCOMPARE(widgets::texts(main, QStringLiteral("LS_befor")), QStringList{QStringLiteral("  1")});
}

void AppWindowsTest::chooserTakesTheMainScreensPlaceAndGivesItBack() {
    start();
    begin();
    QWidget* main = window(QStringLiteral("VK0010"));
    const auto trigger = [&](const char* action) {
        child<QAction>(main, QString::fromLatin1(action))->trigger();
    };
    trigger("var_list");
    trigger("var_list");
    QTRY_VERIFY(window(QStringLiteral("VKP010")));
    QCOMPARE(widgets::windowCount(QStringLiteral("VKP010")), 1);
    trigger("var_itiran");
    QTRY_VERIFY(window(QStringLiteral("VKP040")));
    QTRY_VERIFY(!window(QStringLiteral("VK0010")));
    QVERIFY(!window(QStringLiteral("VKP010")));

    window(QStringLiteral("VKP040"))->close();
    QTRY_VERIFY(window(QStringLiteral("VK0010")));
    main = window(QStringLiteral("VK0010"));
    trigger("ver_dis");
    trigger("ver_ver");
    QTRY_VERIFY(window(QStringLiteral("VKP020")));
    QTRY_VERIFY(window(QStringLiteral("frmAbout")));
    trigger("ver_help");
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
    const QString file = exists ? sampleCopy(QStringLiteral("自分の単語.vku"))
                                : dir_.filePath(QStringLiteral("無い.vku"));
    start(file);
    begin();
    const QString title = exists ? QStringLiteral("VOKU英単カード　自分の単語.vku")
                                 : QStringLiteral("VOKU英単カード　基本英単語.vku");
    QTRY_COMPARE(window(QStringLiteral("VK0010"))->windowTitle(), title);
    const QString settings = home_->documentsFolder() + QStringLiteral("VOKU英単カード/");
    QCOMPARE(TextCodec::decodeSettings(testfiles::readAll(settings + QStringLiteral("VKI010.ini"))),
             exists ? QLatin1Char('"') + file + QStringLiteral("\"\r\n")
                    : QStringLiteral("\"基本英単語.vku\"\r\n"));
    QCOMPARE(dialogs_.messages.filter(QStringLiteral("見つかりません")).size(), exists ? 0 : 1);
}

void AppWindowsTest::secondCopyHandsItsFileToTheFirst_data() {
    QTest::addColumn<bool>("duringStartScreen");
    QTest::newRow("main screen shown") << false;
    QTest::newRow("start screen shown") << true;
}

void AppWindowsTest::secondCopyHandsItsFileToTheFirst() {
    QFETCH(bool, duringStartScreen);
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
        QVERIFY(window(QStringLiteral("VK0000")));
        begin();
    }
    QTRY_COMPARE(windows_->values().DataFilePath, file);
    QCOMPARE(window(QStringLiteral("VK0010"))->windowTitle(),
             QStringLiteral("VOKU英単カード　二つ目.vku"));
}

void AppWindowsTest::staleSocketOfACrashedCopyIsReplaced() {
    // A socket file that nobody listens on, as a crashed copy leaves it.
    const QByteArray path = QFile::encodeName(name());
    const QByteArray socketPath =
        path.startsWith('/') ? path : QFile::encodeName(QDir::tempPath()) + '/' + path;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, socketPath.constData(), sizeof(address.sun_path));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);

    QVERIFY(!SingleInstance(name()).handOver({}));
    SingleInstance first(name());
    QVERIFY(first.listen());
    QVERIFY(SingleInstance(name()).handOver({}));
    // A name is the user's own and one per documents folder.
    QCOMPARE(SingleInstance::nameFor(home_->documentsFolder() + "/"), name());
    QVERIFY(SingleInstance::nameFor(QStringLiteral("/home/b/Documents")) != name());
    QVERIFY(name().contains(QStringLiteral("voku-%1-").arg(::getuid())));
}

void AppWindowsTest::withoutRuntimeFolderTheNameLiesInAFolderOnlyTheUserEnters_data() {
    QTest::addColumn<QString>("existing"); // what lies at the folder's place beforehand
    QTest::addColumn<bool>("used");
    QTest::newRow("nothing") << "" << true;
    QTest::newRow("our open folder") << "open" << true;
    QTest::newRow("a link") << "link" << false;
    QTest::newRow("another user's folder") << "foreign" << false;
}

void AppWindowsTest::withoutRuntimeFolderTheNameLiesInAFolderOnlyTheUserEnters() {
    QFETCH(QString, existing);
    QFETCH(bool, used);
    QTemporaryDir tmp;
    const QByteArray oldTmp = qgetenv("TMPDIR");
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    qunsetenv("XDG_RUNTIME_DIR");
    const QString folder = tmp.filePath(QStringLiteral("voku-%1").arg(::getuid()));
    const QByteArray path = QFile::encodeName(folder);
    if (existing == "open")
        QVERIFY(::mkdir(path, 0777) == 0 && ::chmod(path, 0777) == 0);
    if (existing == "link")
        QVERIFY(QFile::link(tmp.path(), folder));
    if (existing == "foreign" && (::mkdir(path, 0700) != 0 || ::chown(path, 65534, 65534) != 0))
        QSKIP("only root can give a folder away");

    const QString name = SingleInstance::nameFor(QStringLiteral("/home/a/Documents"));
    qputenv("TMPDIR", oldTmp);
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    QCOMPARE(name.startsWith(folder + QLatin1Char('/')), used);
    struct stat status {};
    if (used)
        QVERIFY(::lstat(path, &status) == 0 && (status.st_mode & 0777) == 0700);
}

QTEST_MAIN(AppWindowsTest)
#include "appwindows_test.moc"
