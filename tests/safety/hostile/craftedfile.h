// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/userdialogs.h"
#include "data/wordrecord.h"
#include "support/testwords.h"

#include <QDateTime>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

struct sqlite3;

// Word files made or changed with plain SQLite, as another program could, and a way to
// hold one locked while the program works on it.
namespace craftedfile {

// Runs SQL on the file through a connection of its own; throws on failure.
void exec(const QString& path, const QString& sql);

// The first column of the first row of a query, read through a connection of its own.
qint64 integer(const QString& path, const char* sql);

// A file with the word file's header values but tables of the given SQL.
void makeWithTables(const QString& path, const QString& tablesSql);

// A proper word file holding the words, all of them in the practice set.
void makeWordFile(const QString& path, const std::vector<WordRecord>& words);

using testwords::word;

// Everything that tells whether a file was written: its bytes, its time and the side
// files SQLite would leave next to it.
struct Snapshot {
    QByteArray bytes;
    QDateTime modified;
    QStringList folder;
    bool operator==(const Snapshot&) const = default;
};
Snapshot snapshot(const QString& path);

// Another program's lock on the file for the life of the object or until release(): a
// write lock (BEGIN EXCLUSIVE) or the read lock of a reader in the middle of a transaction.
class ExclusiveLock {
public:
    enum class Kind { Write, Read };
    explicit ExclusiveLock(const QString& path, Kind kind = Kind::Write);
    ~ExclusiveLock();
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;
    void release();

private:
    sqlite3* db_ = nullptr;
};

// While it lives, SQLite's waits for a busy lock (on connections opened meanwhile) return
// at once and add up the time they asked for, so a test sees how long a wait would be.
class CountedWaits {
public:
    CountedWaits();
    ~CountedWaits();
    CountedWaits(const CountedWaits&) = delete;
    CountedWaits& operator=(const CountedWaits&) = delete;
    static qint64 milliseconds();
};

// Answers questions in order (No when none is left), running an action before each
// answer, and records every text shown.
class ScriptedDialogs : public UserDialogs {
public:
    struct Answer {
        bool yes;
        std::function<void()> before{};
    };
    std::deque<Answer> answers;
    QStringList questions;
    QStringList messages;

    void inform(const QString& text, Icon) override { messages << text; }
    bool askYesNo(const QString& text, Icon) override;
    QString chooseDataFile(const QString&) override { return {}; }
    QString choosePdfFile(const QString&) override { return {}; }
    std::optional<QColor> chooseColour(const QColor&) override { return std::nullopt; }
};

} // namespace craftedfile
