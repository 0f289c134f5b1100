// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/legacy/legacyimport.h"
#include "data/storeerror.h"
#include "data/summaryline.h"
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
    const WordStore store = WordStore::open(path);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WordCsv::write(store, table, buffer);
    return buffer.data();
}

const QByteArray
    csvHeader("group,key,level,times,word,meaning,text1,text2,text3,text4,text5,text6\n");

// The per-group counts in the layout of the fixtures' summary files.
QByteArray summaryCsv(const QString& path) {
    QByteArray csv("group,never,level0,level1,level2,level3,level4\n");
    for (const GroupSummary& group : WordStore::open(path).groupSummaries()) {
        csv += QByteArray::number(group.group);
        for (int index : {5, 0, 1, 2, 3, 4})
            csv += ',' + QByteArray::number(group.counts[index]);
        csv += '\n';
    }
    return csv;
}

// The error of a conversion that must fail, with a check that it left nothing behind.
StoreError failedConversion(const QString& legacyPath) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.vku"));
    try {
        LegacyImport::convert(legacyPath, out);
    } catch (const StoreError& error) {
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << legacyPath.toStdString();
        return error;
    }
    ADD_FAILURE() << "converted " << legacyPath.toStdString();
    return StoreError(StoreError::Kind::Failed, legacyPath);
}

// Overwrites bytes of a copied fixture wherever the pattern occurs; the number of places.
int patch(const QString& path, const QByteArray& pattern, qsizetype at, const QByteArray& bytes) {
    QByteArray content = testfiles::readAll(path);
    int places = 0;
    for (qsizetype i = content.indexOf(pattern); i >= 0; i = content.indexOf(pattern, i + 1)) {
        content.replace(i + at, bytes.size(), bytes);
        ++places;
    }
    testfiles::writeAll(path, content);
    return places;
}

// The selected rows a fixture should give: its dump, or for medium-2000 (which has none)
// the word rows of groups 3 and 12; none for missing-selected.
QByteArray selectedDump(const QString& name, const QByteArray& words) {
    const QString dump = fixture(name + ".selected.csv");
    if (QFile::exists(dump))
        return testfiles::readAll(dump);
    QByteArray selected = csvHeader;
    if (name == "medium-2000") {
        for (const QByteArray& line : words.split('\n')) {
            if (line.startsWith("3,") || line.startsWith("12,"))
                selected += line + '\n';
        }
    }
    return selected;
}

class FixtureConversion : public testing::TestWithParam<const char*> {};

TEST_P(FixtureConversion, RowsEqualTheDumpsByteForByte) {
    const QString name = QString::fromLatin1(GetParam());
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.vku"));
    const ConversionCounts counts = LegacyImport::convert(fixture(name + ".vku"), out);

    const QByteArray words = testfiles::readAll(fixture(name + ".word.csv"));
    EXPECT_EQ(exported(out, WordStore::Table::Word), words);
    EXPECT_EQ(counts.word, words.count('\n') - 1 - (name == "unicode-2000" ? 1 : 0));
    EXPECT_EQ(exported(out, WordStore::Table::Selected), selectedDump(name, words));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.vku")});
}

INSTANTIATE_TEST_SUITE_P(LegacyImportTest, FixtureConversion,
                         testing::Values("small-2000", "small-2003", "ace-2007", "unicode-2000",
                                         "medium-2000", "missing-selected"));

TEST(LegacyImportTest, GroupCountsMatchTheSummaries) {
    QTemporaryDir dir;
    for (const char* name : {"medium-2000", "large-2000"}) {
        const QString out = dir.filePath(QString::fromLatin1(name) + ".vku");
        const ConversionCounts counts =
            LegacyImport::convert(fixture(QString::fromLatin1(name) + ".vku"), out);
        EXPECT_EQ(summaryCsv(out),
                  testfiles::readAll(fixture(QString::fromLatin1(name) + ".summary.csv")))
            << name;
        EXPECT_EQ(counts.selected, std::string(name) == "large-2000" ? 101 : 100);
    }
}

TEST(LegacyImportTest, LargeFileKeepsItsSamplesAndReportsProgress) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("large.vku"));
    std::vector<std::pair<qint64, qint64>> steps;
    const ConversionCounts counts = LegacyImport::convert(
        fixture(QStringLiteral("large-2000.vku")), out,
        [&steps](qint64 done, qint64 total) { steps.emplace_back(done, total); });
    EXPECT_EQ(counts, (ConversionCounts{50000, 101}));
    ASSERT_GE(steps.size(), 50u);
    EXPECT_EQ(steps.back(), std::make_pair(qint64{50101}, qint64{50101}));
    for (size_t i = 1; i < steps.size(); ++i)
        EXPECT_GT(steps[i].first, steps[i - 1].first);

    qint64 times = 0;
    qint64 nullMeanings = 0;
    WordRecord last;
    WordStore::open(out).forEachRow(WordStore::Table::Word, [&](const WordRecord& row) {
        times += row.times;
        nullMeanings += row.meaning ? 0 : 1;
        last = row;
    });
    EXPECT_EQ(times, 3162477);
    EXPECT_EQ(nullMeanings, 524);
    EXPECT_EQ(last.word, QStringLiteral("invite"));
}

TEST(LegacyImportTest, EmptyTablesGiveAnEmptyWordFile) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("empty.vku"));
    EXPECT_EQ(LegacyImport::convert(fixture(QStringLiteral("empty-words.vku")), out),
              ConversionCounts{});
    EXPECT_EQ(exported(out, WordStore::Table::Word), csvHeader);
}

TEST(LegacyImportTest, BrokenFilesGiveAMessageAndNoOutput) {
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.vku"));
    testfiles::writeAll(empty, {});
    const struct {
        QString path;
        StoreError::Kind kind;
    } cases[] = {
        {fixture(QStringLiteral("truncated.vku")), StoreError::Kind::Damaged},
        {fixture(QStringLiteral("not-a-database.vku")), StoreError::Kind::NotWordFile},
        {empty, StoreError::Kind::NotWordFile},
        {dir.filePath(QStringLiteral("missing.vku")), StoreError::Kind::Missing},
    };
    for (const auto& broken : cases) {
        const StoreError error = failedConversion(broken.path);
        EXPECT_EQ(error.kind(), broken.kind) << broken.path.toStdString();
        EXPECT_TRUE(error.message().contains(broken.path));
    }
}

TEST(LegacyImportTest, ExistingOutputIsNeverReplaced) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.vku"));
    testfiles::writeAll(out, "mine");
    EXPECT_THROW(LegacyImport::convert(fixture(QStringLiteral("small-2000.vku")), out), StoreError);
    EXPECT_EQ(testfiles::readAll(out), "mine");
}

TEST(LegacyImportTest, RowsOutsideTheRangesStopTheConversionAndAreNamed) {
    QTemporaryDir dir;
    const QString legacy = testfiles::copyFixture(QStringLiteral("jet/small-2000.vku"), dir.path());
    // Row 1/1 (level 0, times 3) gets level 7; row 12/8 (times 999) gets 1000 in both tables;
    // row 1/2 gets key 1, the key of row 1/1.
    ASSERT_EQ(patch(legacy, QByteArray::fromHex("0c0001000100000003"), 6, "\x07"), 1);
    ASSERT_EQ(patch(legacy, QByteArray::fromHex("0c000c0008000400e703"), 8, "\xe8"), 2);
    ASSERT_EQ(patch(legacy, QByteArray::fromHex("0c0001000200010002"), 4, "\x01"), 1);
    const QByteArray patched = testfiles::readAll(legacy);

    const StoreError error = failedConversion(legacy);
    EXPECT_EQ(error.kind(), StoreError::Kind::Invalid);
    const QString message = error.message();
    EXPECT_TRUE(
        message.contains(QStringLiteral("word 表 グループ 1、番号 1: level = 7（0～4 の範囲外）")));
    EXPECT_TRUE(message.contains(
        QStringLiteral("word 表 グループ 12、番号 8: times = 1000（0～999 の範囲外）")));
    EXPECT_TRUE(message.contains(
        QStringLiteral("selected 表 グループ 12、番号 8: times = 1000（0～999 の範囲外）")));
    EXPECT_TRUE(
        message.contains(QStringLiteral("word 表 グループ 1、番号 1: グループと番号の組が重複")));
    EXPECT_TRUE(message.contains(legacy));
    EXPECT_EQ(testfiles::readAll(legacy), patched);
}

} // namespace
