// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QDateTime>
#include <QStringList>
#include <vector>

struct sqlite3;

// Word files changed with plain SQLite, as another program could, and such a program's
// locks on them.
namespace craftedfile {

// Runs SQL on the file through a connection of its own; throws on failure.
void exec(const QString& path, const QString& sql);

// A proper word file holding the words, all of them in the practice set.
void makeWordFile(const QString& path, const std::vector<WordRecord>& words);

// Everything that tells whether a file was written: its bytes, its time and the files
// SQLite would leave beside it.
struct Snapshot {
    QByteArray bytes;
    QDateTime modified;
    QStringList folder;
    bool operator==(const Snapshot&) const = default;
};
Snapshot snapshot(const QString& path);

// Another program's lock until release(): a writer's (BEGIN EXCLUSIVE) or that of a
// reader in the middle of a transaction.
class ExclusiveLock {
public:
    enum class Kind { Write, Read };
    explicit ExclusiveLock(const QString& path, Kind kind = Kind::Write);
    ~ExclusiveLock() { release(); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;
    void release();

private:
    sqlite3* db_ = nullptr;
};

// While it lives, SQLite's waits for a lock (on connections opened meanwhile) return at
// once and add up the time they asked for, so a test sees how long a wait would be.
class CountedWaits {
public:
    CountedWaits();
    ~CountedWaits();
    CountedWaits(const CountedWaits&) = delete;
    CountedWaits& operator=(const CountedWaits&) = delete;
    static qint64 milliseconds();
};

} // namespace craftedfile
