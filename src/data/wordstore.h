// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelclass.h"
#include "progresstally.h"
#include "rankqueue.h"
#include "storeerror.h"
#include "summaryline.h"
#include "wordrecord.h"

#include <QString>
#include <functional>
#include <vector>

struct sqlite3;

// A word data file: an SQLite database with the tables word (every word and its progress)
// and selected (the practice set). Every operation is one transaction, so the file is as
// it was before it or after it. All failures throw StoreError.
class WordStore {
public:
    enum class Table { Word, Selected };
    using Progress = std::function<void(qint64 done, qint64 total)>;
    using RowVisitor = std::function<void(const WordRecord&)>;
    // Group, word and meaning as UTF-8 (Null is empty), valid only during the call.
    using WordListVisitor =
        std::function<void(int group, QByteArrayView word, QByteArrayView meaning)>;

    // Opens an existing word data file; read-only when the file or its folder cannot be written.
    static WordStore open(const QString& path);
    // How long a connection opened from now on waits for another program's lock before
    // an operation fails with StoreError::Kind::Busy; 3000 ms unless changed.
    static void setBusyTimeout(int milliseconds);
    // Makes a new, empty word data file; fails when the path exists.
    static WordStore create(const QString& path);

    ~WordStore();
    WordStore(WordStore&& other) noexcept;
    WordStore& operator=(WordStore&& other) noexcept;
    WordStore(const WordStore&) = delete;
    WordStore& operator=(const WordStore&) = delete;

    const QString& path() const { return path_; }
    bool isReadOnly() const { return readOnly_; }

    // Per group and level class, the number of words, ordered by group. Counted at open
    // and again only once the words have changed.
    std::vector<GroupSummary> groupSummaries() const;

    // Replaces the practice set with the words of the groups and returns its counts. The
    // progress counts each word three times: twice as it is copied, once as it is indexed.
    LevelCounts buildPracticeSet(const std::vector<int>& groups, const Progress& progress = {});
    // The words of one rank of the practice set (LevelClass index) in the drill's order.
    RankQueue rankQueue(int rank) const;
    // Stores a grade; false, with nothing written, when no word has that group and key.
    bool writeGrade(int group, int key, int level, int times);
    // Puts every word of the groups back to never checked.
    void resetGroups(const std::vector<int>& groups);

    // The words of the groups, by group and key (for printing).
    qint64 countWordsOfGroups(const std::vector<int>& groups) const;
    void forEachWordOfGroups(const std::vector<int>& groups, const RowVisitor& visit) const;
    // Group, word and meaning of every word, in the table's own order. The texts are
    // handed over as stored, so a caller can pack them without a QString per cell.
    void forEachWordListRow(const WordListVisitor& visit) const;

    // Every row of a table by group and key.
    void forEachRow(Table table, const RowVisitor& visit) const;
    // Adds rows to a table in one transaction; nothing is added when one of them fails.
    // progress may throw to stop, which adds nothing.
    void insertRows(Table table, const std::vector<WordRecord>& rows,
                    const Progress& progress = {});

private:
    WordStore(sqlite3* db, QString path, bool readOnly);
    void requireWritable() const;

    sqlite3* db_ = nullptr;
    QString path_;
    bool readOnly_ = false;
    mutable ProgressTally tally_;
};
