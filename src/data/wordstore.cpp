// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordstore.h"

#include "indexprogress.h"
#include "sqlstatement.h"
#include "sqltransaction.h"
#include "wordfilecheck.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <numeric>
#include <set>
#include <sqlite3.h>
#include <utility>

namespace {

int busyTimeoutMs = 3000;

const char* const schemaRest = R"(
CREATE INDEX word_progress ON word ("group", times, level);
CREATE VIEW syukei AS
    SELECT "group" AS "グループ",
           CASE WHEN times = 0 THEN 'チェックしてない'
                WHEN level = 0 THEN '○' WHEN level = 1 THEN '△○' WHEN level = 2 THEN '△△○'
                WHEN level = 3 THEN '△△△○' ELSE '△△△△' END AS "レベル",
           count(*) AS "個数"
    FROM word GROUP BY 1, 2 ORDER BY 1;
)";

// The practice set's queues are read through this index; it is made after the rows are
// in, which costs far less than keeping it up to date row by row.
const QByteArray queueIndex = QByteArray("CREATE INDEX selected_queue ON selected (") +
                              SqlStatement::rankExpression + R"(, times, "group", key))";

const char* const groupFilter = R"("group" IN (SELECT value FROM json_each(?1)))";

// Rows added between two progress reports: often enough for a smooth bar, rarely enough to
// cost nothing beside the inserts.
constexpr qint64 progressStep = 500;

const char* tableName(WordStore::Table table) {
    return table == WordStore::Table::Word ? "word" : "selected";
}

QString groupsJson(const std::vector<int>& groups) {
    QJsonArray array;
    for (int group : groups)
        array.append(group);
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::vector<int> distinct(const std::vector<int>& groups) {
    const std::set<int> unique(groups.begin(), groups.end());
    return {unique.begin(), unique.end()};
}

LevelCounts countsOfGroups(const std::vector<GroupSummary>& summary,
                           const std::vector<int>& groups) {
    LevelCounts counts{};
    for (int group : groups) {
        const auto found = std::lower_bound(
            summary.begin(), summary.end(), group,
            [](const GroupSummary& entry, int wanted) { return entry.group < wanted; });
        if (found == summary.end() || found->group != group)
            continue;
        for (size_t rank = 0; rank < counts.size(); ++rank)
            counts[rank] += static_cast<qint32>(found->counts[rank]);
    }
    return counts;
}

void exec(sqlite3* db, const char* sql, const QString& path) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        SqlStatement::raise(db, rc, path);
}

// Settings that hold for every connection: wait a while for another program's lock,
// write durably, and never run code that a file brings along (triggers, unsafe
// functions in its schema).
void configure(sqlite3* db, const QString& path) {
    sqlite3_busy_timeout(db, busyTimeoutMs);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    exec(db, "PRAGMA synchronous = FULL", path);
    ProgressTally::install(db, path);
}

sqlite3* openConnection(const QString& path, int flags) {
    sqlite3* db = nullptr;
    // One thread uses a connection, so SQLite's own lock around each call is not needed.
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                   flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString detail = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw StoreError(StoreError::Kind::Failed, path, detail);
    }
    return db;
}

// A file left in write-ahead-log mode by another tool goes back to the rollback journal,
// whose locks the busy handling here is made for.
void useRollbackJournal(sqlite3* db, const QString& path) {
    QString current;
    {
        SqlStatement mode(db, "PRAGMA journal_mode", path);
        if (mode.step())
            current = mode.text(0);
    }
    if (current.compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        SqlStatement(db, "PRAGMA journal_mode = DELETE", path).run();
}

bool writable(const QString& path) {
    // SQLite writes its rollback journal beside the file, so the folder must be writable too.
    const QFileInfo info(path);
    return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

} // namespace

WordStore::WordStore(sqlite3* db, QString path, bool readOnly)
    : db_(db)
    , path_(std::move(path))
    , readOnly_(readOnly) {}

WordStore::~WordStore() {
    sqlite3_close(db_);
}

WordStore::WordStore(WordStore&& other) noexcept
    : db_(std::exchange(other.db_, nullptr))
    , path_(std::move(other.path_))
    , readOnly_(other.readOnly_)
    , tally_(std::move(other.tally_)) {}

WordStore& WordStore::operator=(WordStore&& other) noexcept {
    if (this != &other) {
        sqlite3_close(db_);
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
        readOnly_ = other.readOnly_;
        tally_ = std::move(other.tally_);
    }
    return *this;
}

void WordStore::setBusyTimeout(int milliseconds) {
    busyTimeoutMs = milliseconds;
}

WordStore WordStore::open(const QString& path) {
    WordFileCheck::checkHeader(path);
    const bool readOnly = !writable(path);
    WordStore store(openConnection(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE),
                    path, readOnly);
    configure(store.db_, path);
    WordFileCheck::checkSchema(store.db_, path);
    store.tally_.current(store.db_, path);
    if (!readOnly)
        useRollbackJournal(store.db_, path);
    return store;
}

WordStore WordStore::create(const QString& path) {
    if (QFileInfo::exists(path))
        throw StoreError(StoreError::Kind::Failed, path,
                         QStringLiteral("同じ名前のファイルがすでにあります"));
    WordStore store(openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), path, false);
    configure(store.db_, path);
    exec(store.db_, "PRAGMA journal_mode = DELETE", path);
    SqlTransaction transaction(store.db_, path);
    for (const char* table : {"word", "selected"})
        exec(store.db_, QByteArray("CREATE TABLE ") + table + " " + WordFileCheck::tableDefinition,
             path);
    exec(store.db_, schemaRest, path);
    exec(store.db_, queueIndex, path);
    exec(store.db_,
         QByteArray("PRAGMA application_id = ") + QByteArray::number(WordFileCheck::applicationId),
         path);
    exec(store.db_,
         QByteArray("PRAGMA user_version = ") + QByteArray::number(WordFileCheck::schemaVersion),
         path);
    transaction.commit();
    return store;
}

void WordStore::requireWritable() const {
    if (readOnly_)
        throw StoreError(StoreError::Kind::ReadOnly, path_);
}

std::vector<GroupSummary> WordStore::groupSummaries() const {
    return tally_.current(db_, path_);
}

LevelCounts WordStore::buildPracticeSet(const std::vector<int>& groups, const Progress& progress) {
    requireWritable();
    const std::vector<int> chosen = distinct(groups);
    SqlTransaction transaction(db_, path_);
    // The practice set is a copy of these words made in this transaction, so their counts
    // are its counts.
    const LevelCounts counts = countsOfGroups(tally_.current(db_, path_), chosen);
    const qint64 total = std::accumulate(counts.begin(), counts.end(), qint64(0));
    // Copying a word takes about twice as long as indexing it, so it counts twice.
    const auto report = [&](qint64 done) {
        if (progress)
            progress(done, 3 * total);
    };
    SqlStatement(db_, "DROP INDEX IF EXISTS selected_queue", path_).run();
    SqlStatement(db_, "DELETE FROM selected", path_).run();
    const QByteArray copy = QByteArray("INSERT INTO selected SELECT ") + SqlStatement::wordColumns +
                            " FROM word WHERE \"group\" = ?1";
    SqlStatement insert(db_, copy.constData(), path_);
    qint64 done = 0;
    for (int group : chosen) {
        insert.reset();
        insert.bind(1, group).run();
        done += sqlite3_changes(db_);
        report(2 * done);
    }
    {
        const IndexProgress indexing(
            db_, [&](qint64 indexed) { report(2 * total + indexed); }, total);
        SqlStatement(db_, queueIndex.constData(), path_).run();
    }
    report(3 * total);
    transaction.commit();
    return counts;
}

RankQueue WordStore::rankQueue(int rank) const {
    return RankQueue(db_, rank, path_);
}

bool WordStore::writeGrade(int group, int key, int level, int times) {
    requireWritable();
    SqlTransaction transaction(db_, path_);
    SqlStatement update(
        db_, R"(UPDATE word SET level = ?1, times = ?2 WHERE "group" = ?3 AND key = ?4)", path_);
    update.bind(1, level).bind(2, times).bind(3, group).bind(4, key).run();
    const bool found = sqlite3_changes(db_) > 0;
    transaction.commit();
    return found;
}

void WordStore::resetGroups(const std::vector<int>& groups) {
    requireWritable();
    SqlTransaction transaction(db_, path_);
    SqlStatement update(db_, R"(UPDATE word SET level = 0, times = 0 WHERE "group" = ?1)", path_);
    for (int group : distinct(groups)) {
        update.reset();
        update.bind(1, group).run();
    }
    transaction.commit();
}

qint64 WordStore::countWordsOfGroups(const std::vector<int>& groups) const {
    const QByteArray sql = QByteArray("SELECT count(*) FROM word WHERE ") + groupFilter;
    SqlStatement query(db_, sql.constData(), path_);
    query.bind(1, groupsJson(groups));
    return query.step() ? query.integer(0) : 0;
}

void WordStore::forEachWordOfGroups(const std::vector<int>& groups, const RowVisitor& visit) const {
    const QByteArray sql = QByteArray("SELECT ") + SqlStatement::wordColumns + " FROM word WHERE " +
                           groupFilter + " ORDER BY \"group\", key";
    SqlStatement query(db_, sql.constData(), path_);
    query.bind(1, groupsJson(groups));
    while (query.step())
        visit(query.word());
}

void WordStore::forEachWordListRow(const WordListVisitor& visit) const {
    SqlStatement query(db_, R"(SELECT "group", word, meaning FROM word)", path_);
    while (query.step())
        visit(static_cast<int>(query.integer(0)), query.utf8(1), query.utf8(2));
}

void WordStore::forEachRow(Table table, const RowVisitor& visit) const {
    const QByteArray sql = QByteArray("SELECT ") + SqlStatement::wordColumns + " FROM " +
                           tableName(table) + " ORDER BY \"group\", key";
    SqlStatement query(db_, sql.constData(), path_);
    while (query.step())
        visit(query.word());
}

void WordStore::insertRows(Table table, const std::vector<WordRecord>& rows,
                           const Progress& progress) {
    requireWritable();
    SqlTransaction transaction(db_, path_);
    const QByteArray sql = QByteArray("INSERT INTO ") + tableName(table) + " (" +
                           SqlStatement::wordColumns +
                           ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)";
    SqlStatement insert(db_, sql.constData(), path_);
    const qint64 total = qint64(rows.size());
    qint64 done = 0;
    for (const WordRecord& row : rows) {
        insert.reset();
        insert.bind(1, row.group).bind(2, row.key).bind(3, row.level).bind(4, row.times);
        insert.bind(5, row.word).bind(6, row.meaning).bind(7, row.text1).bind(8, row.text2);
        insert.bind(9, row.text3).bind(10, row.text4).bind(11, row.text5).bind(12, row.text6);
        try {
            insert.run();
        } catch (const StoreError& error) {
            if (error.kind() != StoreError::Kind::Invalid)
                throw;
            throw StoreError(StoreError::Kind::Invalid, path_,
                             QStringLiteral("グループ %1、番号 %2: %3")
                                 .arg(row.group)
                                 .arg(row.key)
                                 .arg(error.detail()));
        }
        if (progress && (++done % progressStep == 0 || done == total))
            progress(done, total);
    }
    transaction.commit();
}
