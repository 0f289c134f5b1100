// SPDX-License-Identifier: GPL-3.0-or-later
// Files the program must not use, and word files that were changed to mislead it: other
// table definitions, values out of range, triggers, a false summary view.
#include "craftedfile.h"

#include "data/wordstore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace craftedfile;
using testwords::makeWordFile;
using testwords::word;

namespace {

// Where a refused file comes from: nothing, a plain SQLite file made by the SQL, a word file
// of ours changed by the SQL with the range checks switched off, the fixture it names, or a
// word file of ours with bytes overwritten past its first page.
enum Base { None, Plain, Ours, Fixture, Scrambled };
using K = StoreError::Kind;

using Refused = std::tuple<const char*, Base, const char*, K>; // name, base, SQL, kind

const Refused refused[] = {
    {"Missing", None, "", K::Missing},
    {"Empty", Plain, "", K::NotWordFile},
    {"AnotherProgramsDatabase", Plain, "CREATE TABLE t (x)", K::NotWordFile},
    {"Access2000", Fixture, "jet/small-2000.vku", K::Legacy},
    {"Access2007", Fixture, "jet/ace-2007.vku", K::Legacy},
    {"NotADatabase", Fixture, "jet/not-a-database.vku", K::NotWordFile},
    {"Scrambled", Scrambled, "", K::Damaged},
    {"NewerVersion", Ours, "PRAGMA user_version = 2", K::NotWordFile},
    {"NoPracticeSetTable", Ours, "DROP TABLE selected", K::MissingTable},
    {"MissingColumn", Ours, "ALTER TABLE word DROP text6", K::MissingTable},
    {"WordIsAView", Ours, "DROP TABLE word; CREATE VIEW word AS SELECT * FROM selected",
     K::Damaged},
    {"LooserChecks", Ours,
     "PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = replace(sql, 'AND 4', 'AND 9')",
     K::Damaged},
    {"UntypedColumnsWithWrongValues", Ours,
     "DROP TABLE word; CREATE TABLE word AS SELECT * FROM selected; "
     "INSERT INTO word VALUES ('one', 'x', 'high', 2.5, NULL, 1, 2, 3, 4, 5, 6, 7)",
     K::Damaged},
    {"Level5", Ours, "UPDATE word SET level = 5, times = 1 WHERE key = 1", K::Invalid},
    {"Group0", Ours, R"(UPDATE word SET "group" = 0 WHERE key = 1)", K::Invalid},
    {"Group1000", Ours, R"(UPDATE word SET "group" = 1000 WHERE key = 2)", K::Invalid},
    {"NegativeTimes", Ours, "UPDATE word SET times = -1 WHERE key = 2", K::Invalid},
    {"Times1000", Ours, "UPDATE word SET times = 1000 WHERE key = 2", K::Invalid},
    {"KeyAbove32Bits", Ours, "UPDATE word SET key = 2147483648 WHERE key = 1", K::Invalid},
    {"KeyBelow32Bits", Ours, "UPDATE word SET key = -2147483649 WHERE key = 2", K::Invalid},
};

class RefusedFileTest : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedFileTest, IsRefusedWithAMessageAndLeftAsItWas) {
    const auto& [name, base, sql, kind] = GetParam();
    const QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("words.vku"));
    if (base == Fixture)
        file = testfiles::copyFixture(QString::fromLatin1(sql), dir.path());
    if (base == Ours)
        makeWordFile(file, {word(1, 1), word(1, 2)});
    if (base == Plain || base == Ours)
        exec(file, QStringLiteral("PRAGMA ignore_check_constraints = ON;") + sql);
    if (base == Scrambled) {
        QByteArray bytes = testfiles::readAll(makeWordFile(file, testwords::words(1, 2000)));
        for (qsizetype i = 4096; i < bytes.size(); i += 7)
            bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
        testfiles::writeAll(file, bytes);
    }
    const Snapshot before = snapshot(file);
    try {
        WordStore::open(file);
        ADD_FAILURE() << "opened";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), kind);
        EXPECT_TRUE(error.message().contains(file));
    }
    EXPECT_EQ(snapshot(file), before);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedFileTest, ::testing::ValuesIn(refused),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

// Another program added triggers that would undo every grade and a summary view that lies.
TEST(HostileFileTest, ItsTriggersDoNotFireItsViewIsNotBelievedAndReadingWritesNothing) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.vku"));
    WordStore::open(makeWordFile(path, {word(1, 1), word(1, 2, 3, 5), word(2, 1)}))
        .buildPracticeSet({1, 2});
    exec(path, QStringLiteral(R"(
        CREATE TRIGGER spoil AFTER UPDATE ON word BEGIN UPDATE word SET level = 0, times = 0; END;
        CREATE TRIGGER spoil_set AFTER INSERT ON selected BEGIN UPDATE word SET times = 9; END;
        DROP VIEW syukei;
        CREATE VIEW syukei AS SELECT 'garbage' AS "グループ", 42 AS "レベル", 'x' AS "個数";)"));
    const Snapshot before = snapshot(path);
    WordStore store = WordStore::open(path);
    RankQueue queue = store.rankQueue(LevelClass::Never);
    EXPECT_EQ(queue.next(), word(1, 1));
    store.forEachWordOfGroups({1, 2}, [](const WordRecord&) {});
    EXPECT_EQ(snapshot(path), before) << "reading wrote to the file";

    ASSERT_TRUE(store.writeGrade(1, 1, 0, 1));
    store.buildPracticeSet({1, 2});
    store.resetGroups({2});
    std::vector<std::pair<int, std::array<qint64, 6>>> summary;
    for (const GroupSummary& group : store.groupSummaries())
        summary.emplace_back(group.group, group.counts);
    EXPECT_EQ(summary, (decltype(summary){{1, {1, 0, 0, 1, 0, 0}}, {2, {0, 0, 0, 0, 0, 1}}}));
    EXPECT_EQ(testwords::rowsOf(path),
              (std::vector{word(1, 1, 0, 1), word(1, 2, 3, 5), word(2, 1)}))
        << "a trigger fired";
}

} // namespace
