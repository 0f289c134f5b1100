// SPDX-License-Identifier: GPL-3.0-or-later
// A second copy of the program hands its file to the first one instead of running beside it.
#include "program/appwindows.h"
#include "program/singleinstance.h"

#include "fakeuserdialogs.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondCopyHandsItsFileToTheFirst();
    void aFileSentDuringTheStartScreenOpensWithTheMainScreen();
    void staleSocketOfACrashedCopyIsReplaced();
    void aNameIsTheUsersOwnAndPerFolder();
    void withoutRuntimeFolderTheNameLiesInAFolderOnlyTheUserEnters_data();
    void withoutRuntimeFolderTheNameLiesInAFolderOnlyTheUserEnters();

private:
    QString name() const;
    QString sampleCopy(const QString& fileName) const;
    QWidget* visibleWindow(const QString& name) const;

    std::unique_ptr<testfiles::TempHome> home_;
    QTemporaryDir dir_;
    FakeUserDialogs dialogs_;
    FakeSoundPlayer sound_;
    FakeDocumentOpener documents_;
    std::unique_ptr<SingleInstance> first_;
    std::unique_ptr<AppWindows> windows_;
};

void SingleInstanceTest::init() {
    home_ = std::make_unique<testfiles::TempHome>();
    first_ = std::make_unique<SingleInstance>(name());
    windows_ = std::make_unique<AppWindows>(
        AppWindows::Options{.executableFolder = QStringLiteral(VOKU_APP_DIR),
                            .dialogs = &dialogs_,
                            .sound = &sound_,
                            .documents = &documents_});
    connect(first_.get(), &SingleInstance::activated, windows_.get(), &AppWindows::activate);
    windows_->start();
}

void SingleInstanceTest::cleanup() {
    windows_.reset();
    first_.reset();
    home_.reset();
}

QString SingleInstanceTest::name() const {
    return SingleInstance::nameFor(home_->documentsFolder());
}

QString SingleInstanceTest::sampleCopy(const QString& fileName) const {
    const QString file = dir_.filePath(fileName);
    QFile::copy(QStringLiteral(VOKU_APP_DIR "/Ini/基本英単語.vku"), file);
    return file;
}

QWidget* SingleInstanceTest::visibleWindow(const QString& name) const {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

void SingleInstanceTest::secondCopyHandsItsFileToTheFirst() {
    QVERIFY2(!SingleInstance(name()).handOver({}), "nobody listens yet");
    QVERIFY(first_->listen());
    QTest::mouseClick(windows_->startScreen()->findChild<QPushButton*>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    QTRY_VERIFY(visibleWindow(QStringLiteral("VK0010")));

    const QString file = sampleCopy(QStringLiteral("二つ目.vku"));
    SingleInstance second(name());
    QVERIFY(second.handOver(file));
    QVERIFY2(!second.listen(), "the first copy keeps the name");
    QTRY_COMPARE(visibleWindow(QStringLiteral("VK0010"))->windowTitle(),
                 QStringLiteral("VOKU英単カード　二つ目.vku"));

    QVERIFY(SingleInstance(name()).handOver({}));
    QTest::qWait(50);
    QCOMPARE(windows_->values().DataFilePath, file);
}

void SingleInstanceTest::aFileSentDuringTheStartScreenOpensWithTheMainScreen() {
    QVERIFY(first_->listen());
    const QString file = sampleCopy(QStringLiteral("待つ.vku"));
    QVERIFY(SingleInstance(name()).handOver(file));
    QTRY_COMPARE(windows_->fileToOpen(), file);
    QVERIFY(windows_->startScreen()->isVisible());
    QTest::mouseClick(windows_->startScreen()->findChild<QPushButton*>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    QTRY_COMPARE(windows_->values().DataFilePath, file);
}

void SingleInstanceTest::staleSocketOfACrashedCopyIsReplaced() {
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
    QVERIFY(QFile::exists(QFile::decodeName(socketPath)));

    QVERIFY(!SingleInstance(name()).handOver({}));
    QVERIFY(first_->listen());
    QVERIFY(SingleInstance(name()).handOver({}));
}

void SingleInstanceTest::aNameIsTheUsersOwnAndPerFolder() {
    const QString a = SingleInstance::nameFor(QStringLiteral("/home/a/Documents"));
    QCOMPARE(SingleInstance::nameFor(QStringLiteral("/home/a/Documents/")), a);
    QVERIFY(SingleInstance::nameFor(QStringLiteral("/home/b/Documents")) != a);
    QVERIFY(a.contains(QStringLiteral("voku-%1-").arg(::getuid())));
}

void SingleInstanceTest::withoutRuntimeFolderTheNameLiesInAFolderOnlyTheUserEnters_data() {
    QTest::addColumn<QString>("existing"); // what lies at the folder's place beforehand
    QTest::addColumn<bool>("used");
    QTest::newRow("nothing") << "" << true;
    QTest::newRow("our open folder") << "open" << true;
    QTest::newRow("a link") << "link" << false;
    QTest::newRow("another user's folder") << "foreign" << false;
}

void SingleInstanceTest::withoutRuntimeFolderTheNameLiesInAFolderOnlyTheUserEnters() {
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

QTEST_MAIN(SingleInstanceTest)
#include "singleinstance_test.moc"
