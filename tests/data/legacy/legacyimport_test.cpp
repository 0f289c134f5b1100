// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/legacy/legacyimport.h"
#include "data/storeerror.h"
#include "data/wordcsv.h"
#include "data/wordstore.h"
#include "support/testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString fixture(const QString& name) {
    return testfiles::fixture(QStringLiteral("jet/") + name);
}

QByteArray exported(const QString& path, WordStore::Table table) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WordCsv::write(WordStore::open(path), table, buffer);
    return buffer.data();
}

// Every row of both tables equals the fixture's dumps; medium-2000 selects groups 3 and 12
// without a dump of its own, missing-selected has no selected table, empty-words no rows.
class FixtureConversion : public testing::TestWithParam<const char*> {};

TEST_P(FixtureConversion, RowsEqualTheDumpsByteForByte) {
    const QString name = QString::fromLatin1(GetParam());
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.vku"));
    const ConversionCounts counts = LegacyImport::convert(fixture(name + ".vku"), out);
    const QByteArray header =
        "group,key,level,times,word,meaning,text1,text2,text3,text4,text5,text6\n";
    const QByteArray words = testfiles::readAll(fixture(name + ".word.csv"));
    QByteArray selected = testfiles::readAll(fixture(name + ".selected.csv"));
    if (selected.isEmpty()) {
        selected = header;
        for (const QByteArray& line : words.split('\n'))
            selected += name == "medium-2000" && (line.startsWith("3,") || line.startsWith("12,"))
                            ? line + '\n'
                            : "";
    }
    EXPECT_EQ(exported(out, WordStore::Table::Word), words.isEmpty() ? header : words);
    EXPECT_EQ(exported(out, WordStore::Table::Selected), selected);
    EXPECT_EQ(counts.word,
              std::max<qsizetype>(words.count('\n') - 1, 0) - (name == "unicode-2000"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.vku")});
}

INSTANTIATE_TEST_SUITE_P(LegacyImportTest, FixtureConversion,
                         testing::Values("small-2000", "small-2003", "ace-2007", "unicode-2000",
                                         "medium-2000", "missing-selected", "empty-words"));

TEST(LegacyImportTest, LargeFileMatchesItsSummaryAndReportsProgress) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("large.vku"));
    std::vector<qint64> steps;
    const ConversionCounts counts = LegacyImport::convert(fixture(QStringLiteral("large-2000.vku")),
                                                          out, [&steps](qint64 done, qint64 total) {
                                                              steps.push_back(done);
                                                              EXPECT_EQ(total, 50101);
                                                          });
    EXPECT_EQ(counts, (ConversionCounts{50000, 101}));
    EXPECT_GE(steps.size(), 50u);
    EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()) && steps.back() == 50101);
    QByteArray summary("group,never,level0,level1,level2,level3,level4\n");
    for (const GroupSummary& group : WordStore::open(out).groupSummaries()) {
        summary += QByteArray::number(group.group);
        for (int index : {5, 0, 1, 2, 3, 4})
            summary += ',' + QByteArray::number(group.counts[index]);
        summary += '\n';
    }
    EXPECT_EQ(summary, testfiles::readAll(fixture(QStringLiteral("large-2000.summary.csv"))));
}

// Broken legacy files and an output that exists fail, naming the file, and leave no output.
TEST(LegacyImportTest, FailuresNameTheFileAndLeaveNoOutput) {
    QTemporaryDir dir;
    const QString legacy = testfiles::copyFixture(QStringLiteral("jet/small-2000.vku"), dir.path());
    // Row 1/1 (level 0, times 3) gets level 7; row 12/8 (times 999) gets 1000 in both tables;
    // row 1/2 gets key 1, the key of row 1/1.
    QByteArray bytes = testfiles::readAll(legacy);
    for (const auto& [pattern, at, value] : {std::tuple("0c0001000100000003", 6, "\x07"),
                                             std::tuple("0c000c0008000400e703", 8, "\xe8"),
                                             std::tuple("0c0001000200010002", 4, "\x01")}) {
        const QByteArray found = QByteArray::fromHex(pattern);
        for (qsizetype i = bytes.indexOf(found); i >= 0; i = bytes.indexOf(found, i + 1))
            bytes[i + at] = *value;
    }
    testfiles::writeAll(legacy, bytes);
    testfiles::writeAll(dir.filePath(QStringLiteral("empty.vku")), {});
    testfiles::writeAll(dir.filePath(QStringLiteral("taken.vku")), "mine");
    const struct {
        QString path;
        StoreError::Kind kind;
        QString out = QStringLiteral("out.vku");
    } rows[] = {
        {fixture(QStringLiteral("truncated.vku")), StoreError::Kind::Damaged},
        {fixture(QStringLiteral("not-a-database.vku")), StoreError::Kind::NotWordFile},
        {dir.filePath(QStringLiteral("empty.vku")), StoreError::Kind::NotWordFile},
        {dir.filePath(QStringLiteral("missing.vku")), StoreError::Kind::Missing},
        {fixture(QStringLiteral("small-2000.vku")), StoreError::Kind::Failed,
         QStringLiteral("taken.vku")},
        {legacy, StoreError::Kind::Invalid},
    };
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    for (const auto& row : rows) {
        try {
            LegacyImport::convert(row.path, dir.filePath(row.out));
            ADD_FAILURE() << "converted " << row.path.toStdString();
        } catch (const StoreError& error) {
            EXPECT_EQ(error.kind(), row.kind) << row.path.toStdString();
            EXPECT_TRUE(error.message().contains(row.kind == StoreError::Kind::Failed ? row.out
                                                                                      : row.path));
            if (row.path == legacy) {
                for (const char* line :
                     {"word 表 グループ 1、番号 1: level = 7（0～4 の範囲外）",
                      "word 表 グループ 12、番号 8: times = 1000（0～999 の範囲外）",
                      "selected 表 グループ 12、番号 8: times = 1000（0～999 の範囲外）",
                      "word 表 グループ 1、番号 1: グループと番号の組が重複"})
                    EXPECT_TRUE(error.message().contains(QString::fromUtf8(line))) << line;
            }
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    EXPECT_EQ(testfiles::readAll(legacy), bytes);
    EXPECT_EQ(testfiles::readAll(dir.filePath(QStringLiteral("taken.vku"))), "mine");
}

} // namespace
