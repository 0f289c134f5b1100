// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/wordstore.h"
#include "support/testwords.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

using testwords::rowsOf;
using testwords::word;

namespace {

using Keys = std::vector<std::pair<int, int>>;

class WordStoreTest : public ::testing::Test {
protected:
    WordStore makeStore(const std::vector<WordRecord>& rows) {
        return WordStore::open(testwords::makeWordFile(path_, rows));
    }

    QTemporaryDir dir_;
    const QString path_ = dir_.filePath(QStringLiteral("words.vku"));
};

TEST_F(WordStoreTest, KeepsNullsEmptyTextsRareCharactersAndHugeTexts) {
    std::vector<WordRecord> rows{word(1, 1), word(30, 2, 4, 999), word(999, -5)};
    rows[0].meaning.reset();
    rows[1].word = QStringLiteral("Yoshinoya (𠮷野家)");
    rows[1].meaning = QStringLiteral("");
    rows[1].text6 = QStringLiteral("よしのや");
    rows[2].meaning = QString(4 * 1024 * 1024, QChar(0x3042));
    rows[2].text1 = QStringLiteral("1"), rows[2].text2 = QStringLiteral("2");
    rows[2].text3 = QStringLiteral("3"), rows[2].text4 = QStringLiteral("4");
    rows[2].text5 = QStringLiteral("5"), rows[2].text6 = QStringLiteral("6");
    makeStore(rows);
    EXPECT_EQ(rowsOf(path_), rows);
}

// Counts follow the class of each word (never checked by times, whatever its level); a
// new practice set replaces the old one.
TEST_F(WordStoreTest, SummaryPracticeSetAndWordsOfGroups) {
    WordStore store = makeStore({word(2, 1, 1, 4), word(1, 9, 1, 1), word(2, 2, 3, 0),
                                 word(1, 5, 0, 0), word(7, 1, 4, 3), word(1, 3, 0, 2)});
    std::vector<std::pair<int, std::array<qint64, 6>>> summary;
    for (const GroupSummary& group : store.groupSummaries())
        summary.emplace_back(group.group, group.counts);
    EXPECT_EQ(summary,
              (decltype(summary){
                  {1, {1, 1, 0, 0, 0, 1}}, {2, {0, 1, 0, 0, 0, 1}}, {7, {0, 0, 0, 0, 1, 0}}}));
    // Another program's grade, then our own reset, show in the next summary.
    WordStore::open(path_).writeGrade(7, 1, 2, 5);
    EXPECT_EQ(store.groupSummaries().back().counts, (std::array<qint64, 6>{0, 0, 1, 0, 0, 0}));
    store.resetGroups({7});
    EXPECT_EQ(store.groupSummaries().back().counts, (std::array<qint64, 6>{0, 0, 0, 0, 0, 1}));

    store.buildPracticeSet({7});
    Keys steps;
    const auto step = [&](qint64 done, qint64 total) { steps.emplace_back(done, total); };
    EXPECT_EQ(store.buildPracticeSet({2, 1, 2}, step), (LevelCounts{1, 2, 0, 0, 0, 2}));
    EXPECT_EQ(steps, (Keys{{6, 15}, {10, 15}, {15, 15}})) << "copied, then indexed";
    EXPECT_EQ(rowsOf(path_, true).size(), 5u);

    EXPECT_EQ(store.countWordsOfGroups({2, 7}), 3);
    Keys keys;
    store.forEachWordOfGroups({7, 2},
                              [&](const WordRecord& w) { keys.emplace_back(w.group, w.key); });
    EXPECT_EQ(keys, (Keys{{2, 1}, {2, 2}, {7, 1}}));
    int listed = 0;
    store.forEachWordListRow([&](int, QByteArrayView, QByteArrayView) { ++listed; });
    EXPECT_EQ(listed, 6);
}

// Each rank comes by times, group and key, across many reads.
TEST_F(WordStoreTest, QueuesKeepTheDrillOrder) {
    std::vector<WordRecord> words;
    for (int i = 0; i < 300; ++i)
        words.push_back(word(1 + i % 7, 1000 - i, i % 5, i % 4));
    WordStore store = makeStore(words);
    qint64 last = 0;
    bool indexing = false;
    store.buildPracticeSet({1, 2, 3, 4, 5, 6, 7}, [&](qint64 done, qint64 total) {
        EXPECT_GE(done, last);
        indexing = indexing || (done > 2 * 300 && done < total);
        last = done;
    });
    EXPECT_TRUE(indexing) << "the bar moves while the queue index is built";
    const auto rank = [](const WordRecord& w) { return w.times ? w.level : LevelClass::Never; };
    std::sort(words.begin(), words.end(), [&](const WordRecord& a, const WordRecord& b) {
        return std::tuple(rank(a), a.times, a.group, a.key) <
               std::tuple(rank(b), b.times, b.group, b.key);
    });
    std::vector<WordRecord> queued;
    for (int r = 0; r < LevelClass::Count; ++r)
        for (RankQueue queue = store.rankQueue(r); const auto row = queue.next();)
            queued.push_back(*row);
    EXPECT_EQ(queued, words);
}

TEST_F(WordStoreTest, GradeAndResetTouchOnlyTheirWords) {
    WordStore store =
        makeStore({word(3, 1, 2, 5), word(3, 17, 2, 5), word(5, 1, 2, 3), word(31, 7, 2, 5)});
    store.buildPracticeSet({3});
    EXPECT_TRUE(store.writeGrade(3, 17, 3, 6));
    EXPECT_FALSE(store.writeGrade(3, 99, 4, 1));
    EXPECT_THROW(store.writeGrade(3, 17, 9, 1), StoreError) << "levels stop at 4";
    EXPECT_EQ(rowsOf(path_), (std::vector{word(3, 1, 2, 5), word(3, 17, 3, 6), word(5, 1, 2, 3),
                                          word(31, 7, 2, 5)}));
    store.resetGroups({3, 3});
    EXPECT_EQ(rowsOf(path_),
              (std::vector{word(3, 1), word(3, 17), word(5, 1, 2, 3), word(31, 7, 2, 5)}));
    EXPECT_EQ(rowsOf(path_, true), (std::vector{word(3, 1, 2, 5), word(3, 17, 2, 5)}));
}

TEST_F(WordStoreTest, FailedInsertLeavesTheTableAsItWas) {
    WordStore store = makeStore({word(1, 1)});
    for (const int group : {1, 0, 1000}) {
        try {
            store.insertRows(WordStore::Table::Word, {word(2, 1), word(group, 1)});
            ADD_FAILURE() << "inserted group " << group;
        } catch (const StoreError& error) {
            EXPECT_EQ(error.kind(), StoreError::Kind::Invalid);
            EXPECT_TRUE(error.message().contains(QStringLiteral("グループ %1、番号 1").arg(group)));
        }
        EXPECT_EQ(rowsOf(path_).size(), 1u);
    }
}

} // namespace
