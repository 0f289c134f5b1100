// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <sys/types.h>
#include <vector>

// A child process in a process group of its own, started for being killed: it says "ready"
// on standard output once it has started; its standard error goes to a file.
class ChildProcess {
public:
    ChildProcess(const QStringList& command, const QString& errorFile);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // False when the child ends or stays silent for the time given.
    bool waitReady(std::chrono::milliseconds limit);
    // The processes the child has started itself.
    std::vector<pid_t> children() const;
    // SIGKILL to the child and every process of its group.
    void killGroup();
    // Waits for the child's end; its status as waitpid reports it.
    int wait();

private:
    pid_t pid_ = -1;
    int output_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};
