// SPDX-License-Identifier: GPL-3.0-or-later
// Word files that carry the word file's header values but were made to mislead: other
// table definitions, values out of range, triggers, a false summary view, huge texts.
#include "craftedfile.h"

#include "data/levelclass.h"
#include "data/storeerror.h"
#include "data/wordstore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace craftedfile;

namespace {

// Our columns, without STRICT and without the range checks.
const QString looseTable = QStringLiteral(
    R"(("group" INTEGER, key INTEGER, level INTEGER, times INTEGER, word TEXT,
        meaning TEXT, text1 TEXT, text2 TEXT, text3 TEXT, text4 TEXT, text5 TEXT, text6 TEXT,
        PRIMARY KEY ("group", key)))");

QString bothTables(const QString& definition) {
    return QStringLiteral("CREATE TABLE word %1; CREATE TABLE selected %1;").arg(definition);
}

class HostileFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("words.vku")) const {
        return dir_.filePath(name);
    }

    // The kind of error open() gives, and that the file was not changed by trying.
    StoreError::Kind refusal(const QString& file) const {
        const Snapshot before = snapshot(file);
        try {
            WordStore::open(file);
        } catch (const StoreError& error) {
            EXPECT_FALSE(error.message().isEmpty());
            EXPECT_EQ(snapshot(file), before);
            return error.kind();
        }
        ADD_FAILURE() << "opened " << file.toStdString();
        return StoreError::Kind::Failed;
    }

    QTemporaryDir dir_;
};

struct Crafted {
    const char* name;
    QString tables;
    QString rows;
    StoreError::Kind kind;
};

class CraftedDefinitionTest : public HostileFileTest,
                              public ::testing::WithParamInterface<Crafted> {};

TEST_P(CraftedDefinitionTest, IsRefusedWithAMessageAndLeftAsItWas) {
    makeWithTables(path(), GetParam().tables + GetParam().rows);
    EXPECT_EQ(refusal(path()), GetParam().kind);
}

const QString selectedOk = QStringLiteral(
    R"(CREATE TABLE selected ("group" INTEGER NOT NULL CHECK ("group" BETWEEN 1 AND 999),
       key INTEGER NOT NULL, level INTEGER NOT NULL CHECK (level BETWEEN 0 AND 4),
       times INTEGER NOT NULL CHECK (times BETWEEN 0 AND 999), word TEXT NOT NULL,
       meaning TEXT, text1 TEXT, text2 TEXT, text3 TEXT, text4 TEXT, text5 TEXT, text6 TEXT,
       PRIMARY KEY ("group", key)) STRICT;)");

INSTANTIATE_TEST_SUITE_P(
    Files, CraftedDefinitionTest,
    ::testing::Values(
        Crafted{"WrongTypes", bothTables(looseTable),
                QStringLiteral("INSERT INTO word VALUES ('one', 'x', 'high', 2.5, X'00', "
                               "1, 2, 3, 4, 5, 6, 7);"),
                StoreError::Kind::Damaged},
        Crafted{"NullWord", bothTables(looseTable),
                QStringLiteral("INSERT INTO word (\"group\", key, level, times) "
                               "VALUES (1, 1, 0, 0);"),
                StoreError::Kind::Damaged},
        Crafted{"GroupsAndLevelsOutOfRange", bothTables(looseTable),
                QStringLiteral("INSERT INTO word VALUES (0, 1, 9, 1, 'a', 'b', '', '', '', '', "
                               "'', ''), (5000, 1, -1, 5000, 'c', 'd', '', '', '', '', '', '');"),
                StoreError::Kind::Damaged},
        Crafted{"MissingColumn",
                QStringLiteral("CREATE TABLE word (\"group\" INTEGER, key INTEGER, level "
                               "INTEGER, times INTEGER, word TEXT, meaning TEXT);") +
                    selectedOk,
                {},
                StoreError::Kind::MissingTable},
        Crafted{"WordIsAView",
                selectedOk + QStringLiteral("CREATE VIEW word AS SELECT * FROM selected;"),
                {},
                StoreError::Kind::Damaged},
        Crafted{
            "LooserChecks",
            QString(selectedOk)
                    .replace(QStringLiteral("BETWEEN 0 AND 4"), QStringLiteral("BETWEEN 0 AND 9")) +
                QString(selectedOk)
                    .replace(QStringLiteral("TABLE selected"), QStringLiteral("TABLE word")),
            {},
            StoreError::Kind::Damaged}),
    [](const auto& info) { return std::string(info.param.name); });

// STRICT tables with our very definitions, whose checks were switched off while the
// rows went in.
class OutOfRangeValueTest : public HostileFileTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(OutOfRangeValueTest, IsRefusedAsInvalid) {
    makeWordFile(path(), {word(1, 1), word(1, 2)});
    exec(path(), QStringLiteral("PRAGMA ignore_check_constraints = ON; ") +
                     QString::fromLatin1(GetParam()));
    EXPECT_EQ(refusal(path()), StoreError::Kind::Invalid);
}

INSTANTIATE_TEST_SUITE_P(Values, OutOfRangeValueTest,
                         ::testing::Values("UPDATE word SET level = 9, times = 1 WHERE key = 1",
                                           "UPDATE word SET \"group\" = 0 WHERE key = 1",
                                           "UPDATE word SET \"group\" = 5000 WHERE key = 2",
                                           "UPDATE word SET times = -1 WHERE key = 2",
                                           "UPDATE word SET key = 4294967297 WHERE key = 1",
                                           "UPDATE word SET key = -2147483649 WHERE key = 2"));

// A file of ours with things added by another program: a trigger that would undo every
// grade, an extra table, and a summary view that lies.
void addMischief(const QString& file) {
    exec(file, QStringLiteral(R"(
        CREATE TABLE log (what TEXT);
        CREATE TRIGGER spoil AFTER UPDATE ON word BEGIN
            INSERT INTO log VALUES ('fired'); UPDATE word SET level = 0, times = 0;
        END;
        CREATE TRIGGER spoil_set AFTER INSERT ON selected BEGIN
            INSERT INTO log VALUES ('fired');
        END;
        DROP VIEW syukei;
        CREATE VIEW syukei AS SELECT 'garbage' AS "グループ", 42 AS "レベル", 'x' AS "個数";
    )"));
}

TEST_F(HostileFileTest, TriggersInTheFileDoNotFireAndTheViewIsNotBelieved) {
    makeWordFile(path(), {word(1, 1), word(1, 2, 3, 5), word(2, 1)});
    addMischief(path());
    {
        WordStore store = WordStore::open(path());
        ASSERT_TRUE(store.writeGrade(1, 1, 0, 1));
        store.buildPracticeSet({1, 2});
        store.resetGroups({2});
        const std::vector<GroupSummary> groups = store.groupSummaries();
        ASSERT_EQ(groups.size(), 2u);
        EXPECT_EQ(groups[0].group, 1);
        EXPECT_EQ(groups[0].counts[0], 1);
        EXPECT_EQ(groups[0].counts[3], 1);
        EXPECT_EQ(groups[1].group, 2);
        EXPECT_EQ(groups[1].counts[LevelClass::Never], 1);
    }
    EXPECT_EQ(integer(path(), "SELECT count(*) FROM log"), 0);
    EXPECT_EQ(integer(path(), "SELECT times FROM word WHERE \"group\" = 1 AND key = 1"), 1)
        << "a trigger put the grade back";
}

TEST_F(HostileFileTest, ReadingWritesNothingToTheFile) {
    std::vector<WordRecord> words;
    for (int key = 1; key <= 30; ++key)
        words.push_back(word(1 + key % 3, key, key % 5, key % 4));
    makeWordFile(path(), words);
    addMischief(path());
    const Snapshot before = snapshot(path());

    const WordStore store = WordStore::open(path());
    EXPECT_EQ(store.groupSummaries().size(), 3u);
    EXPECT_EQ(store.wordList().size(), words.size());
    size_t queued = 0;
    for (int rank = 0; rank < LevelClass::Count; ++rank) {
        RankQueue queue = store.rankQueue(rank);
        while (queue.next())
            ++queued;
    }
    EXPECT_EQ(queued, words.size());
    store.forEachWordOfGroups({1, 2, 3}, [](const WordRecord&) {});
    EXPECT_EQ(snapshot(path()), before);
}

TEST_F(HostileFileTest, HugeTextsAreReadWhole) {
    WordRecord big = word(7, 1);
    big.meaning = QString(10 * 1024 * 1024, QLatin1Char('m'));
    big.text6 = QString(1024 * 1024, QChar(0x3042));
    makeWordFile(path(), {big, word(7, 2)});
    const WordStore store = WordStore::open(path());
    RankQueue queue = store.rankQueue(LevelClass::Never);
    const std::optional<WordRecord> first = queue.next();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, big);
    EXPECT_EQ(store.wordList().at(0).meaning->size(), big.meaning->size());
}

} // namespace
