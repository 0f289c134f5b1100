// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/wordstore.h"
#include "support/testfiles.h"
#include "support/testwords.h"
#include "wordfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <tuple>

using testwords::word;

namespace {

class WordStoreTest : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return dir.filePath(name); }

    WordStore makeStore(const std::vector<WordRecord>& rows) {
        WordStore store = WordStore::create(pathOf(QStringLiteral("words.vku")));
        store.insertRows(WordStore::Table::Word, rows);
        return store;
    }

    static std::vector<WordRecord> rowsOf(const WordStore& store, WordStore::Table table) {
        std::vector<WordRecord> rows;
        store.forEachRow(table, [&rows](const WordRecord& row) { rows.push_back(row); });
        return rows;
    }

    static std::vector<std::pair<int, int>> queue(const WordStore& store, int rank) {
        std::vector<std::pair<int, int>> keys;
        RankQueue q = store.rankQueue(rank);
        while (const auto row = q.next())
            keys.emplace_back(row->group, row->key);
        return keys;
    }

    static StoreError::Kind openError(const QString& path) {
        try {
            WordStore::open(path);
        } catch (const StoreError& error) {
            return error.kind();
        }
        ADD_FAILURE() << "opened " << path.toStdString();
        return StoreError::Kind::Failed;
    }

    QTemporaryDir dir;
};

TEST_F(WordStoreTest, KeepsNullsEmptyTextsAndRareCharactersThroughReopening) {
    WordRecord rare = word(30, 2);
    rare.word = QStringLiteral("Yoshinoya (𠮷野家)");
    rare.meaning = QString(QStringLiteral(""));
    rare.text6 = QStringLiteral("よしのや");
    const auto original = wordfiles::smallFixtureWords();
    {
        WordStore store = makeStore(original);
        store.insertRows(WordStore::Table::Word, {rare});
    }
    const WordStore reopened = WordStore::open(pathOf(QStringLiteral("words.vku")));
    const auto rows = rowsOf(reopened, WordStore::Table::Word);
    ASSERT_EQ(rows.size(), original.size() + 1);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), rows.begin()));
    const WordRecord& back = rows[original.size()];
    EXPECT_EQ(back.word, rare.word);
    ASSERT_TRUE(back.meaning.has_value());
    EXPECT_TRUE(back.meaning->isEmpty());
    EXPECT_FALSE(back.text1.has_value());
}

TEST_F(WordStoreTest, SummaryCountsNeverCheckedByTimesWhateverTheLevel) {
    const WordStore store = makeStore(wordfiles::smallFixtureWords());
    const auto groups = store.groupSummaries();
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].group, 1);
    EXPECT_EQ(groups[2].group, 12);
    // never, then levels 0..4, as the fixtures' own table gives them
    const std::array<qint64, 6> group1{1, 3, 2, 1, 2, 3};
    const std::array<qint64, 6> group12{2, 2, 2, 1, 2, 3};
    EXPECT_EQ(groups[0].counts, group1);
    EXPECT_EQ(groups[2].counts, group12);
}

TEST_F(WordStoreTest, PracticeSetReplacesTheOldOneAndCountsItsClasses) {
    WordStore store = makeStore(wordfiles::smallFixtureWords());
    store.buildPracticeSet({1, 2});
    std::vector<std::pair<qint64, qint64>> progress;
    const LevelCounts counts = store.buildPracticeSet(
        {12, 12}, [&progress](qint64 done, qint64 total) { progress.emplace_back(done, total); });
    EXPECT_EQ(counts, (LevelCounts{2, 2, 2, 1, 2, 3}));
    const auto selected = rowsOf(store, WordStore::Table::Selected);
    ASSERT_EQ(selected.size(), 12u);
    for (const WordRecord& row : selected)
        EXPECT_EQ(row.group, 12);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), std::make_pair(qint64(12), qint64(12)));
}

TEST_F(WordStoreTest, QueuesFollowTheDrillOrderAndStayASnapshot) {
    WordStore store = makeStore({word(2, 1, 1, 4), word(1, 9, 1, 1), word(1, 3, 1, 4),
                                 word(2, 2, 3, 0), word(1, 5, 0, 0), word(1, 1, 1, 2)});
    store.buildPracticeSet({1, 2});
    EXPECT_EQ(queue(store, 1), (std::vector<std::pair<int, int>>{{1, 9}, {1, 1}, {1, 3}, {2, 1}}));
    EXPECT_EQ(queue(store, LevelClass::Never), (std::vector<std::pair<int, int>>{{1, 5}, {2, 2}}));
    EXPECT_TRUE(queue(store, 4).empty());

    RankQueue open = store.rankQueue(1);
    ASSERT_TRUE(open.next().has_value());
    EXPECT_TRUE(store.writeGrade(1, 1, 2, 3));
    EXPECT_EQ(open.next()->key, 1) << "a grade written meanwhile must not move the word";
}

TEST_F(WordStoreTest, LongQueuesKeepTheirOrderFromReadToRead) {
    std::vector<WordRecord> words;
    for (int i = 0; i < 300; ++i)
        words.push_back(word(1 + i % 7, 1000 - i, i % 5, i % 4));
    WordStore store = makeStore(words);
    store.buildPracticeSet({1, 2, 3, 4, 5, 6, 7});
    std::sort(words.begin(), words.end(), [](const WordRecord& a, const WordRecord& b) {
        return std::tie(a.times, a.group, a.key) < std::tie(b.times, b.group, b.key);
    });
    for (int rank = 0; rank < LevelClass::Count; ++rank) {
        std::vector<std::pair<int, int>> expected;
        for (const WordRecord& w : words)
            if ((w.times == 0 ? LevelClass::Never : w.level) == rank)
                expected.emplace_back(w.group, w.key);
        EXPECT_EQ(queue(store, rank), expected) << "rank " << rank;
    }
}

TEST_F(WordStoreTest, GradeFindsExactlyOneWordOrWritesNothing) {
    WordStore store = makeStore({word(3, 17, 2, 5), word(31, 7, 2, 5), word(3, 1, 2, 5)});
    EXPECT_TRUE(store.writeGrade(3, 17, 3, 6));
    EXPECT_FALSE(store.writeGrade(3, 99, 4, 1));
    const auto rows = rowsOf(store, WordStore::Table::Word);
    EXPECT_EQ(rows[0].level, 2);
    EXPECT_EQ(rows[1].level, 3);
    EXPECT_EQ(rows[1].times, 6);
    EXPECT_EQ(rows[2].level, 2);
    EXPECT_THROW(store.writeGrade(3, 17, 9, 1), StoreError) << "levels stop at 4";
}

TEST_F(WordStoreTest, ResetTouchesOnlyTheChosenGroupsAndNotThePracticeSet) {
    WordStore store = makeStore({word(3, 1, 4, 7), word(3, 2, 1, 2), word(5, 1, 2, 3)});
    store.buildPracticeSet({3, 5});
    store.resetGroups({3});
    const auto rows = rowsOf(store, WordStore::Table::Word);
    EXPECT_EQ(std::make_pair(rows[0].level, rows[0].times), std::make_pair(0, 0));
    EXPECT_EQ(std::make_pair(rows[1].level, rows[1].times), std::make_pair(0, 0));
    EXPECT_EQ(std::make_pair(rows[2].level, rows[2].times), std::make_pair(2, 3));
    EXPECT_EQ(rowsOf(store, WordStore::Table::Selected)[0].times, 7);
}

TEST_F(WordStoreTest, FailedInsertLeavesTheTableAsItWas) {
    WordStore store = makeStore({word(1, 1)});
    try {
        store.insertRows(WordStore::Table::Word, {word(2, 1), word(1, 1)});
        FAIL() << "a duplicate key was accepted";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), StoreError::Kind::Invalid);
        EXPECT_TRUE(error.message().contains(QStringLiteral("グループ 1、番号 1")));
    }
    EXPECT_EQ(rowsOf(store, WordStore::Table::Word).size(), 1u);
    EXPECT_THROW(store.insertRows(WordStore::Table::Word, {word(0, 1)}), StoreError);
    EXPECT_THROW(store.insertRows(WordStore::Table::Word, {word(1000, 1)}), StoreError);
}

TEST_F(WordStoreTest, WordsOfGroupsAndWordList) {
    const WordStore store = makeStore({word(2, 2), word(1, 1), word(2, 1), word(7, 1)});
    EXPECT_EQ(store.countWordsOfGroups({2, 7}), 3);
    std::vector<int> keys;
    store.forEachWordOfGroups(
        {7, 2}, [&keys](const WordRecord& row) { keys.push_back(row.group * 10 + row.key); });
    EXPECT_EQ(keys, (std::vector<int>{21, 22, 71}));
    EXPECT_EQ(store.wordList().size(), 4u);
}

TEST_F(WordStoreTest, OpeningTellsWhyAFileCannotBeUsed) {
    EXPECT_EQ(openError(pathOf(QStringLiteral("none.vku"))), StoreError::Kind::Missing);
    EXPECT_EQ(openError(testfiles::fixture(QStringLiteral("jet/small-2000.vku"))),
              StoreError::Kind::Legacy);
    EXPECT_EQ(openError(testfiles::fixture(QStringLiteral("jet/ace-2007.vku"))),
              StoreError::Kind::Legacy);
    EXPECT_EQ(openError(testfiles::fixture(QStringLiteral("jet/not-a-database.vku"))),
              StoreError::Kind::NotWordFile);

    testfiles::writeAll(pathOf(QStringLiteral("empty.vku")), {});
    EXPECT_EQ(openError(pathOf(QStringLiteral("empty.vku"))), StoreError::Kind::NotWordFile);

    const QString other = pathOf(QStringLiteral("other.vku"));
    sqlite3* db = nullptr;
    sqlite3_open(other.toUtf8().constData(), &db);
    sqlite3_exec(db, "CREATE TABLE t (x)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(openError(other), StoreError::Kind::NotWordFile)
        << "an SQLite file of another program";

    const QString words = pathOf(QStringLiteral("words.vku"));
    WordStore::create(words);
    sqlite3_open(words.toUtf8().constData(), &db);
    sqlite3_exec(db, "DROP TABLE selected", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(openError(words), StoreError::Kind::MissingTable);
}

TEST_F(WordStoreTest, DamagedFileIsReportedNotCrashedOn) {
    const QString path = pathOf(QStringLiteral("words.vku"));
    {
        std::vector<WordRecord> many;
        for (int key = 1; key <= 2000; ++key) {
            many.push_back(word(1 + key % 50, key, key % 5, key % 3));
            many.back().word = QString(200, QLatin1Char('x'));
        }
        makeStore(many);
    }
    QByteArray bytes = testfiles::readAll(path);
    for (qsizetype i = 4096; i < bytes.size(); i += 7)
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
    testfiles::writeAll(path, bytes);
    try {
        const WordStore store = WordStore::open(path);
        store.groupSummaries();
        FAIL() << "a damaged file read without complaint";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), StoreError::Kind::Damaged);
        EXPECT_TRUE(error.message().contains(path));
    }
}

TEST_F(WordStoreTest, ReadOnlyFileReadsButRefusesWrites) {
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind root";
    makeStore({word(1, 1)});
    const QString path = pathOf(QStringLiteral("words.vku"));
    QFile::setPermissions(path, QFile::ReadOwner);
    WordStore store = WordStore::open(path);
    EXPECT_TRUE(store.isReadOnly());
    EXPECT_EQ(store.groupSummaries().size(), 1u);
    EXPECT_THROW(store.writeGrade(1, 1, 0, 1), StoreError);
    EXPECT_THROW(store.buildPracticeSet({1}), StoreError);
}

} // namespace
