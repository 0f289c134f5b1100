// SPDX-License-Identifier: GPL-3.0-or-later
// Files the program must not use, and word files that were changed to mislead it: other
// table definitions, values out of range, triggers, a false summary view.
#include "craftedfile.h"

#include "data/levelclass.h"
#include "data/wordstore.h"
#include "support/testfiles.h"
#include "support/testwords.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace craftedfile;
using testwords::word;

namespace {

// Where a refused file comes from: nothing, a plain SQLite file made by the SQL, a word file
// of ours changed by the SQL with the range checks switched off, or a copy of the fixture
// the SQL names.
enum class Base { None, Plain, Ours, Fixture };

struct Refused {
    const char* name;
    Base base;
    const char* sql;
    StoreError::Kind kind;
};

class RefusedFileTest : public ::testing::TestWithParam<Refused> {
protected:
    QTemporaryDir dir_;
    const QString path_ = dir_.filePath(QStringLiteral("words.vku"));
};

TEST_P(RefusedFileTest, IsRefusedWithAMessageAndLeftAsItWas) {
    const Refused& c = GetParam();
    QString file = path_;
    if (c.base == Base::Fixture)
        file = testfiles::copyFixture(QString::fromLatin1(c.sql), dir_.path());
    if (c.base == Base::Plain)
        exec(file, QString::fromUtf8(c.sql));
    if (c.base == Base::Ours) {
        makeWordFile(file, {word(1, 1), word(1, 2)});
        exec(file, QStringLiteral("PRAGMA ignore_check_constraints = ON;") + c.sql);
    }
    const Snapshot before = snapshot(file);
    try {
        WordStore::open(file);
        ADD_FAILURE() << "opened";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), c.kind);
        EXPECT_FALSE(error.message().isEmpty());
    }
    EXPECT_EQ(snapshot(file), before);
}

using K = StoreError::Kind;
INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    ::testing::Values(
        Refused{"Missing", Base::None, "", K::Missing},
        Refused{"Empty", Base::Plain, "", K::NotWordFile},
        Refused{"AnotherProgramsDatabase", Base::Plain, "CREATE TABLE t (x)", K::NotWordFile},
        Refused{"Access2000", Base::Fixture, "jet/small-2000.vku", K::Legacy},
        Refused{"Access2007", Base::Fixture, "jet/ace-2007.vku", K::Legacy},
        Refused{"NotADatabase", Base::Fixture, "jet/not-a-database.vku", K::NotWordFile},
        Refused{"NewerVersion", Base::Ours, "PRAGMA user_version = 2", K::NotWordFile},
        Refused{"NoPracticeSetTable", Base::Ours, "DROP TABLE selected", K::MissingTable},
        Refused{"MissingColumn", Base::Ours, "ALTER TABLE word DROP text6", K::MissingTable},
        Refused{"WordIsAView", Base::Ours,
                "DROP TABLE word; CREATE VIEW word AS SELECT * FROM selected", K::Damaged},
        Refused{"LooserChecks", Base::Ours,
                "PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = "
                "replace(sql, 'AND 4', 'AND 9') WHERE name = 'word'",
                K::Damaged},
        Refused{"UntypedColumnsWithWrongValues", Base::Ours,
                R"(DROP TABLE word; CREATE TABLE word ("group", key, level, times, word, meaning,
                   text1, text2, text3, text4, text5, text6, PRIMARY KEY ("group", key));
                   INSERT INTO word VALUES ('one', 'x', 'high', 2.5, X'00', 1, 2, 3, 4, 5, 6, 7),
                   (1, 1, 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL))",
                K::Damaged},
        Refused{"LevelAbove4", Base::Ours, "UPDATE word SET level = 9, times = 1 WHERE key = 1",
                K::Invalid},
        Refused{"Group0", Base::Ours, R"(UPDATE word SET "group" = 0 WHERE key = 1)", K::Invalid},
        Refused{"Group1000", Base::Ours, R"(UPDATE word SET "group" = 1000 WHERE key = 2)",
                K::Invalid},
        Refused{"NegativeTimes", Base::Ours, "UPDATE word SET times = -1 WHERE key = 2",
                K::Invalid},
        Refused{"KeyAbove32Bits", Base::Ours, "UPDATE word SET key = 2147483648 WHERE key = 1",
                K::Invalid},
        Refused{"KeyBelow32Bits", Base::Ours, "UPDATE word SET key = -2147483649 WHERE key = 2",
                K::Invalid}),
    [](const auto& info) { return std::string(info.param.name); });

// Another program added triggers that would undo every grade and a summary view that lies.
TEST(HostileFileTest, ItsTriggersDoNotFireItsViewIsNotBelievedAndReadingWritesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.vku"));
    makeWordFile(path, {word(1, 1), word(1, 2, 3, 5), word(2, 1)});
    exec(path, QStringLiteral(R"(
        CREATE TRIGGER spoil AFTER UPDATE ON word BEGIN UPDATE word SET level = 0, times = 0; END;
        CREATE TRIGGER spoil_set AFTER INSERT ON selected BEGIN UPDATE word SET times = 9; END;
        DROP VIEW syukei;
        CREATE VIEW syukei AS SELECT 'garbage' AS "グループ", 42 AS "レベル", 'x' AS "個数";)"));
    const Snapshot before = snapshot(path);
    WordStore store = WordStore::open(path);
    size_t queued = 0;
    for (int rank = 0; rank < LevelClass::Count; ++rank)
        for (RankQueue queue = store.rankQueue(rank); queue.next();)
            ++queued;
    EXPECT_EQ(queued, 3u);
    EXPECT_EQ(store.wordList().size(), 3u);
    store.forEachWordOfGroups({1, 2}, [](const WordRecord&) {});
    EXPECT_EQ(snapshot(path), before) << "reading wrote to the file";

    ASSERT_TRUE(store.writeGrade(1, 1, 0, 1));
    store.buildPracticeSet({1, 2});
    store.resetGroups({2});
    std::vector<std::pair<int, std::array<qint64, 6>>> summary;
    for (const GroupSummary& group : store.groupSummaries())
        summary.emplace_back(group.group, group.counts);
    EXPECT_EQ(summary, (decltype(summary){{1, {1, 0, 0, 1, 0, 0}}, {2, {0, 0, 0, 0, 0, 1}}}));
    std::vector<int> times;
    for (const WordRecord& row : testwords::rowsOf(path))
        times.push_back(row.times);
    EXPECT_EQ(times, (std::vector<int>{1, 5, 0})) << "a trigger fired";
}

} // namespace
