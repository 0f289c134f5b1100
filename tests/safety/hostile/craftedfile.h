// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordrecord.h"

#include <QDateTime>
#include <QStringList>
#include <memory>
#include <sqlite3.h>
#include <vector>

// Word files changed with plain SQLite, as another program could, and such a program's
// locks on them.
namespace craftedfile {

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

// Runs SQL on the file through a connection of its own; throws on failure.
void exec(const QString& path, const QString& sql);

// Another program's lock until the connection closes: a writer's (BEGIN EXCLUSIVE) or
// that of a reader in the middle of a transaction.
Connection lock(const QString& path, bool reader = false);

// How long, in all, SQLite has been asked to wait for locks. Its waits return at once in
// these tests, so a test sees how long a wait would be without waiting.
qint64 waitedMilliseconds();

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

} // namespace craftedfile
