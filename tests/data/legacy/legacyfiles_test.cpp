// SPDX-License-Identifier: GPL-3.0-or-later
// Legacy word files read in this process, the converted file put in place, and the
// in-place conversion by the real command-line tool that the program runs.
#include "data/legacy/convertedfile.h"
#include "data/legacy/legacyconversion.h"
#include "data/legacy/legacyimport.h"
#include "data/storeerror.h"
#include "data/wordcsv.h"
#include "data/wordstore.h"
#include "support/conversion.h"
#include "support/testfiles.h"
#include "support/testwords.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// QProcess and the conversion's event loop need an application object.
int argc = 1;
char name[] = "legacy_test";
char* argv[] = {name, nullptr};
const QCoreApplication application(argc, argv);

QString jet(const QString& name) {
    return testfiles::fixture(QStringLiteral("jet/") + name);
}

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Both tables equal the fixture's dumps byte for byte (no dump: a header only, as
// missing-selected has no selected table and empty-words no rows), and so do the counts.
TEST(LegacyImportTest, RowsEqualTheDumpsByteForByte) {
    for (const char* name : {"small-2000", "small-2003", "ace-2007", "unicode-2000",
                             "missing-selected", "empty-words"}) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.vku"));
        const ConversionCounts counts = LegacyImport::convert(jet(name + QString(".vku")), out);
        for (const auto& [table, suffix, count] :
             {std::tuple(WordStore::Table::Word, ".word.csv", counts.word),
              std::tuple(WordStore::Table::Selected, ".selected.csv", counts.selected)}) {
            QBuffer csv;
            csv.open(QIODevice::WriteOnly);
            WordCsv::write(WordStore::open(out), table, csv);
            const QByteArray dump = testfiles::readAll(jet(name + QString(suffix)));
            EXPECT_EQ(csv.data(),
                      dump.isEmpty() ? csv.data().left(csv.data().indexOf('\n') + 1) : dump);
            EXPECT_EQ(count, qint64(WordCsv::parse(csv.data(), out).size()));
        }
        EXPECT_EQ(entries(dir), QStringList{QStringLiteral("out.vku")});
    }
}

// The converted file takes the legacy file's name only when it holds the rows counted.
TEST(ConvertedFileTest, WrongRowCountsLeaveBothFilesAlone) {
    QTemporaryDir dir;
    const QString legacy = dir.filePath(QStringLiteral("words.vku"));
    const QString converted = dir.filePath(QStringLiteral("new.vku"));
    testfiles::writeAll(legacy, "legacy bytes");
    testwords::makeWordFile(converted, {testwords::word(1, 1), testwords::word(1, 2)});
    EXPECT_THROW(ConvertedFile::install(legacy, converted, {3, 0}), StoreError);
    EXPECT_THROW(ConvertedFile::install(legacy, converted, {2, 1}), StoreError);
    EXPECT_EQ(entries(dir), (QStringList{"new.vku", "words.vku"}));
    EXPECT_EQ(ConvertedFile::install(legacy, converted, {2, 0}), legacy + ".bak");
    EXPECT_EQ(testfiles::readAll(legacy + ".bak"), "legacy bytes");
    EXPECT_EQ(entries(dir), (QStringList{"words.vku", "words.vku.bak"}));
}

// The tool replaces the file, keeping the original under the first free backup name; a
// broken file, a missing tool or one that runs too long leaves the file and every backup
// alone, and the reason is told in the program's words.
TEST(LegacyConversionTest, ReplacesTheFileOrLeavesItUntouched) {
    const struct {
        const char* fixture;
        const char* fragment;
        bool ok = false;
        bool broken = false; // row 12/8 gets times = 1000 in both tables
        const char* tool = VOKU_WORDS_TOOL;
        int limitMs = 60000;
    } rows[] = {
        {"medium-2000.vku", "medium-2000.vku.bak.1 として残して", true},
        {"truncated.vku", "truncated.vku"},
        {"not-a-database.vku", "not-a-database.vku"},
        {.fixture = "small-2000.vku",
         .fragment = "word 表 グループ 12、番号 8: times = 1000（0～999 の範囲外） selected 表",
         .broken = true},
        {.fixture = "small-2000.vku", .fragment = "起動できません", .tool = "/nx/voku-words"},
        {.fixture = "large-2000.vku", .fragment = "中止", .limitMs = 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fragment);
        QTemporaryDir dir;
        const QString legacy =
            testfiles::copyFixture(QStringLiteral("jet/") + row.fixture, dir.path());
        QByteArray original = testfiles::readAll(legacy);
        const QByteArray row128 = QByteArray::fromHex("0c000c0008000400e703");
        for (qsizetype i = original.indexOf(row128); row.broken && i >= 0;
             i = original.indexOf(row128, i + 1))
            original[i + 8] = '\xe8';
        testfiles::writeAll(legacy, original);
        testfiles::writeAll(legacy + ".bak", "older backup");
        LegacyConversion conversion{QString::fromUtf8(row.tool)};
        conversion.setTimeLimit(std::chrono::milliseconds(row.limitMs));
        std::vector<std::pair<qint64, qint64>> steps;
        QObject::connect(&conversion, &LegacyConversion::progress,
                         [&steps](qint64 done, qint64 total) { steps.emplace_back(done, total); });
        bool reported = !row.ok;
        QObject::connect(&conversion, &LegacyConversion::finished,
                         [&reported](bool ok, const QString&) { reported = ok; });
        const LegacyConversion::Outcome outcome = testfiles::convertAndWait(conversion, legacy);
        EXPECT_TRUE(outcome.ok == row.ok && reported == row.ok);
        EXPECT_TRUE(outcome.message.contains(QString::fromUtf8(row.fragment)))
            << outcome.message.toStdString();
        EXPECT_FALSE(outcome.message.contains(QStringLiteral("voku-words:")));
        EXPECT_EQ(outcome.backupPath, row.ok ? legacy + ".bak.1" : QString());
        EXPECT_EQ(testfiles::readAll(row.ok ? legacy + ".bak.1" : legacy), original);
        EXPECT_EQ(testfiles::readAll(legacy + ".bak"), "older backup");
        EXPECT_EQ(entries(dir).size(), row.ok ? 3 : 2);
        if (row.ok) {
            EXPECT_EQ(WordStore::open(legacy).groupSummaries().size(), 40u);
            using Step = std::pair<qint64, qint64>;
            EXPECT_EQ(steps, (std::vector<Step>{{1000, 2100}, {2000, 2100}, {2100, 2100}}));
        }
    }
}

} // namespace
