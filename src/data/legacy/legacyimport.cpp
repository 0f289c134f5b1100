// SPDX-License-Identifier: GPL-3.0-or-later
#include "legacyimport.h"

#include "data/newwordfile.h"
#include "legacydatabase.h"
#include "legacyrowcheck.h"
#include "legacytable.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr qint64 progressStep = 1000;
// The row count comes from the file; a damaged one may claim billions of rows, so no more
// than this is reserved ahead (more than any word file holds).
constexpr qint64 maxReservedRows = 100000;

// Counts the rows read over both tables for the progress callback.
class ProgressCounter {
public:
    ProgressCounter(const LegacyImport::Progress& progress, qint64 total)
        : progress_(progress)
        , total_(total) {}

    void step() {
        ++done_;
        total_ = std::max(total_, done_);
        if (progress_ && done_ % progressStep == 0)
            progress_(done_, total_);
    }
    void finish() {
        if (progress_)
            progress_(done_, done_);
    }

private:
    const LegacyImport::Progress& progress_;
    qint64 total_;
    qint64 done_ = 0;
};

std::vector<WordRecord> readTable(LegacyTable* table, const QString& name, LegacyRowCheck& check,
                                  ProgressCounter& counter) {
    std::vector<WordRecord> records;
    if (!table)
        return records;
    records.reserve(static_cast<size_t>(std::clamp<qint64>(table->rowCount(), 0, maxReservedRows)));
    check.beginTable(name);
    table->forEachRow([&](const LegacyRow& row) {
        if (auto record = check.take(row))
            records.push_back(std::move(*record));
        counter.step();
    });
    return records;
}

// libmdb reports damaged pages on standard error in its own words; the StoreError thrown
// here says what went wrong for the learner, and the program that runs the command-line
// tool shows its standard error as the message, so libmdb's lines are kept out of it.
class QuietStandardError {
public:
    QuietStandardError() {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            ::dup2(null, STDERR_FILENO);
            ::close(null);
        }
    }
    ~QuietStandardError() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

} // namespace

ConversionCounts LegacyImport::convert(const QString& legacyPath, const QString& outPath,
                                       const Progress& progress) {
    if (QFileInfo::exists(outPath))
        throw StoreError(StoreError::Kind::Failed, outPath,
                         QStringLiteral("同じ名前のファイルがすでにあります"));
    const QuietStandardError quiet;
    LegacyDatabase database(legacyPath);
    MdbCatalogEntry* wordEntry = database.table("word");
    if (!wordEntry)
        throw StoreError(StoreError::Kind::MissingTable, legacyPath, QStringLiteral("word 表"));
    LegacyTable wordTable(database, wordEntry);
    std::unique_ptr<LegacyTable> selectedTable;
    if (MdbCatalogEntry* selectedEntry = database.table("selected"))
        selectedTable = std::make_unique<LegacyTable>(database, selectedEntry);

    ProgressCounter counter(progress,
                            wordTable.rowCount() + (selectedTable ? selectedTable->rowCount() : 0));
    LegacyRowCheck check;
    const std::vector<WordRecord> words =
        readTable(&wordTable, QStringLiteral("word"), check, counter);
    const std::vector<WordRecord> selected =
        readTable(selectedTable.get(), QStringLiteral("selected"), check, counter);
    if (check.problemCount() > 0)
        throw StoreError(
            StoreError::Kind::Invalid, legacyPath,
            QStringLiteral("変換を中止しました（元のファイルは変更していません）。\n") +
                check.report());
    NewWordFile::write(outPath, [&](WordStore& store) {
        store.insertRows(WordStore::Table::Word, words);
        store.insertRows(WordStore::Table::Selected, selected);
    });
    counter.finish();
    return ConversionCounts{static_cast<qint64>(words.size()),
                            static_cast<qint64>(selected.size())};
}
