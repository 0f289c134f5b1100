// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A live copy accepts at once; this only bounds a copy that hangs.
constexpr int connectTimeoutMs = 100;
constexpr int writeTimeoutMs = 1000;
// A message is one line: "OPEN <path>" or "SHOW". Anything longer is not ours.
constexpr qint64 maxMessageBytes = 64 * 1024;

const QByteArray openCommand = "OPEN ";
const QByteArray showCommand = "SHOW";

// Whoever listens or connects on the socket's name must be this user: a name outside the
// runtime folder could be taken by someone else first.
bool peerIsThisUser(const QLocalSocket& socket) {
    ucred credentials{};
    socklen_t size = sizeof(credentials);
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials,
                        &size) == 0 &&
           credentials.uid == ::getuid();
}

// A folder in the temporary folder that only this user can enter; "" when the name is
// taken by something else (another user's folder, a link).
QString privateFolder() {
    const QString folder = QDir::tempPath() + QStringLiteral("/voku-%1").arg(::getuid());
    const QByteArray path = QFile::encodeName(folder);
    ::mkdir(path.constData(), 0700);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::getuid())
        return {};
    if ((status.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0)
        return {};
    return folder;
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent)
    , name_(std::move(name)) {
    // No socket options: with them Qt moves its socket over an existing one, so a copy
    // started at the same moment as another could take the name from it. The socket file
    // gets the umask's mode, which lets only its owner connect.
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

QString SingleInstance::nameFor(const QString& documentsFolder) {
    const QByteArray folderHash =
        QCryptographicHash::hash(QDir::cleanPath(documentsFolder).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    const QString base = QStringLiteral("voku-%1-%2").arg(::getuid()).arg(folderHash);
    // The runtime folder belongs to the user alone, so nobody else can take the name.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath(base);
    const QString folder = privateFolder();
    return folder.isEmpty() ? base : QDir(folder).filePath(base);
}

bool SingleInstance::handOver(const QString& file) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(connectTimeoutMs) || !peerIsThisUser(socket))
        return false;
    const QByteArray message = file.isEmpty() ? showCommand : openCommand + file.toUtf8();
    socket.write(message + '\n');
    socket.waitForBytesWritten(writeTimeoutMs);
    // The running copy reads the line even after this end has gone.
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    if (server_.listen(name_))
        return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Nobody answered on the name before, so the socket is left from a crashed copy,
    // unless another copy started at the same moment and listens now.
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(connectTimeoutMs))
        return false;
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (!peerIsThisUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        read(socket);
    }
}

void SingleInstance::read(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > maxMessageBytes)
            socket->abort();
        return;
    }
    QByteArray line = socket->readLine(maxMessageBytes);
    socket->disconnectFromServer();
    if (!line.endsWith('\n'))
        return;
    line.chop(1);
    if (line == showCommand) {
        emit activated({});
        return;
    }
    const QString file = QString::fromUtf8(line.mid(openCommand.size()));
    if (line.startsWith(openCommand) && QDir::isAbsolutePath(file))
        emit activated(file);
}
