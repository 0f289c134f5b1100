// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlitefloor.h"

#include "data/wordstore.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <sqlite3.h>
#include <stdexcept>

namespace SqliteFloor {

namespace {

class Connection {
public:
    explicit Connection(const QString& path) {
        if (sqlite3_open(QFile::encodeName(path).constData(), &db_) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        run("PRAGMA journal_mode = DELETE");
        run("PRAGMA synchronous = FULL");
    }
    ~Connection() { sqlite3_close(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void run(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
    }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        return statement;
    }

private:
    sqlite3* db_ = nullptr;
};

void bindText(sqlite3_stmt* statement, int index, const QByteArray& text, bool null) {
    if (null)
        sqlite3_bind_null(statement, index);
    else
        sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_STATIC);
}

struct EncodedRow {
    const WordRecord* row;
    QByteArray texts[8];
};

} // namespace

double bulkInsertMs(const QString& folder, const std::vector<WordRecord>& rows) {
    static int round = 0;
    const QString path = folder + QStringLiteral("/floor%1.vku").arg(round++);
    WordStore::create(path);
    std::vector<EncodedRow> encoded;
    encoded.reserve(rows.size());
    for (const WordRecord& row : rows) {
        const std::optional<QString> texts[8] = {row.word,  row.meaning, row.text1, row.text2,
                                                 row.text3, row.text4,   row.text5, row.text6};
        EncodedRow& out = encoded.emplace_back(EncodedRow{&row, {}});
        for (int t = 0; t < 8; ++t)
            out.texts[t] = texts[t] ? texts[t]->toUtf8() : QByteArray();
    }
    double elapsed = 0;
    {
        Connection db(path);
        QElapsedTimer timer;
        timer.start();
        db.run("BEGIN IMMEDIATE");
        sqlite3_stmt* insert = db.prepare("INSERT INTO selected VALUES "
                                          "(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)");
        for (const EncodedRow& row : encoded) {
            sqlite3_bind_int(insert, 1, row.row->group);
            sqlite3_bind_int(insert, 2, row.row->key);
            sqlite3_bind_int(insert, 3, row.row->level);
            sqlite3_bind_int(insert, 4, row.row->times);
            const std::optional<QString>* texts[8] = {
                nullptr,         &row.row->meaning, &row.row->text1, &row.row->text2,
                &row.row->text3, &row.row->text4,   &row.row->text5, &row.row->text6};
            for (int t = 0; t < 8; ++t)
                bindText(insert, 5 + t, row.texts[t], texts[t] && !texts[t]->has_value());
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        db.run("COMMIT");
        elapsed = timer.nsecsElapsed() / 1e6;
    }
    QFile::remove(path);
    return elapsed;
}

struct DurableCommit::Statement {
    explicit Statement(const QString& path)
        : db(path)
        , update(db.prepare(
              "UPDATE word SET times = times % 999 + 1 WHERE \"group\" = ?1 AND key = 1")) {}
    ~Statement() { sqlite3_finalize(update); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Connection db;
    sqlite3_stmt* update;
};

DurableCommit::DurableCommit(const QString& path)
    : statement_(std::make_unique<Statement>(path)) {}

DurableCommit::~DurableCommit() = default;

double DurableCommit::onceMs() {
    QElapsedTimer timer;
    timer.start();
    sqlite3_bind_int(statement_->update, 1, 1 + round_++ % 999);
    sqlite3_step(statement_->update);
    sqlite3_reset(statement_->update);
    return timer.nsecsElapsed() / 1e6;
}

std::vector<double> durableCommitMs(const QString& path, int count) {
    DurableCommit commit(path);
    std::vector<double> millis;
    for (int i = 0; i < count; ++i)
        millis.push_back(commit.onceMs());
    return millis;
}

double scanMs(const QString& path) {
    Connection db(path);
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt* scan = db.prepare("SELECT * FROM word");
    while (sqlite3_step(scan) == SQLITE_ROW) {
    }
    sqlite3_finalize(scan);
    return timer.nsecsElapsed() / 1e6;
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(double(values.size()) * fraction))];
}

} // namespace SqliteFloor
