// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

// Keeps the program to one copy per user and settings folder, so that two copies never
// rewrite each other's settings files. The first copy listens on a local socket; a later
// one hands its word data file (or just a wish to be seen) over and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name is the local socket's name or path; see nameFor().
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // A name of the user's own for the documents folder: in the user's runtime folder
    // when there is one, else in a folder of the temporary folder that only the user can
    // enter (when it can be made), carrying the user id.
    static QString nameFor(const QString& documentsFolder);

    // Hands an absolute file path ("" for none) to a running copy; true when one took it.
    // Gives up at once on a socket that a crashed copy left behind or another user holds.
    bool handOver(const QString& file);
    // Becomes the running copy, replacing a stale socket. False when another copy
    // listens after all (try handOver() again) or the socket cannot be made (the program
    // then runs on without hearing from later copies).
    bool listen();

signals:
    // A later copy started: bring the program to the front and open file unless "".
    void activated(const QString& file);

private:
    void accept();
    void read(QLocalSocket* socket);

    QString name_;
    QLocalServer server_;
};
