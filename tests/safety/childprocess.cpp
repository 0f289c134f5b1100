// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprocess.h"

#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

ChildProcess::ChildProcess(const QStringList& command, const QString& errorFile) {
    std::vector<QByteArray> arguments;
    for (const QString& argument : command)
        arguments.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const QByteArray errorPath = QFile::encodeName(errorFile);
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setpgid(0, 0);
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        const int error = ::open(errorPath.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        ::dup2(error, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    // Set here too, so that a kill right after the fork reaches the whole group.
    ::setpgid(pid_, pid_);
    ::close(pipeEnds[1]);
    output_ = pipeEnds[0];
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !reaped_) {
        killGroup();
        wait();
    }
    if (output_ >= 0)
        ::close(output_);
}

bool ChildProcess::waitReady(std::chrono::milliseconds limit) {
    QByteArray seen;
    pollfd watch{output_, POLLIN, 0};
    while (!seen.contains("ready\n")) {
        if (::poll(&watch, 1, static_cast<int>(limit.count())) <= 0)
            return false;
        char buffer[64];
        const ssize_t got = ::read(output_, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        seen.append(buffer, got);
    }
    return true;
}

std::vector<pid_t> ChildProcess::children() const {
    QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(pid_));
    std::vector<pid_t> found;
    if (!file.open(QIODevice::ReadOnly))
        return found;
    for (const QByteArray& part : file.readAll().split(' ')) {
        bool ok = false;
        const pid_t child = part.trimmed().toInt(&ok);
        if (ok)
            found.push_back(child);
    }
    return found;
}

void ChildProcess::killGroup() {
    if (pid_ > 0)
        ::kill(-pid_, SIGKILL);
}

int ChildProcess::wait() {
    if (!reaped_ && pid_ > 0) {
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }
    return status_;
}
