// SPDX-License-Identifier: GPL-3.0-or-later
// Legacy word files: their texts and rows, whole files read in this process, the converted
// file put in place, and the in-place conversion by the real tool that the program runs.
#include "data/legacy/convertedfile.h"
#include "data/legacy/legacyconversion.h"
#include "data/legacy/legacyrowcheck.h"
#include "data/legacy/legacytext.h"
#include "data/storeerror.h"
#include "data/wordcsv.h"
#include "data/wordstore.h"
#include "support/conversion.h"
#include "support/testfiles.h"
#include "support/testwords.h"

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

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Jet 4 texts are UTF-16LE, or "compressed" after FF FE: a zero byte switches between runs
// of one-byte and two-byte characters. Jet 3 texts are CP932. No text: broken bytes.
TEST(LegacyTextTest, TextsDecodeExactlyOrAreBroken) {
    const struct {
        const char* hex;
        bool jet3;
        const char* text;
    } rows[] = {
        {"610062", false, nullptr},     {"fffe616200423000e9", false, "abあé"},
        {"fffe610042", false, nullptr}, {"82a0874041", true, "あ①A"},
        {"82", true, nullptr},
    };
    for (const auto& row : rows) {
        const QByteArray bytes = QByteArray::fromHex(row.hex);
        const auto text = row.jet3 ? LegacyText::fromJet3(bytes) : LegacyText::fromJet4(bytes);
        EXPECT_EQ(text, row.text ? std::optional(QString::fromUtf8(row.text)) : std::nullopt)
            << row.hex;
    }
}

// A row with the numbers given, the word apple (none for nullptr) and, when unreadable is
// not 0, one text that could not be read.
LegacyRow row(std::optional<qint64> group, qint64 key, std::optional<qint64> level = 0,
              qint64 times = 0, int unreadable = 0, const char* word = "apple") {
    LegacyRow row;
    row.numbers = {group, key, level, times};
    row.texts[0] = word ? std::optional(QString::fromUtf8(word)) : std::nullopt;
    row.unreadable[unreadable] = unreadable > 0;
    return row;
}

// Rows at the edges of every range pass; each broken row is named by table, group, key,
// field and value; group and key are unique within each table; the report lists twenty.
TEST(LegacyRowCheckTest, BrokenRowsAreNamedByTableRowFieldAndValue) {
    LegacyRowCheck check;
    check.beginTable(QStringLiteral("word"));
    EXPECT_TRUE(check.take(row(999, -5, 4, 999)));
    EXPECT_TRUE(check.take(row(1, qint64{1} << 30, 0, 0)));
    const std::pair<LegacyRow, const char*> broken[] = {
        {row(0, 1), "グループ 0、番号 1: group = 0（1～999 の範囲外）"},
        {row(1000, 2), "グループ 1000、番号 2: group = 1000（1～999 の範囲外）"},
        {row(3, 3, 5), "グループ 3、番号 3: level = 5（0～4 の範囲外）"},
        {row(3, 4, 0, 1000), "グループ 3、番号 4: times = 1000（0～999 の範囲外）"},
        {row(3, qint64{1} << 31), "グループ 3、番号 2147483648: key = 2147483648"},
        {row(3, 5, 0, 0, 0, nullptr), "グループ 3、番号 5: word が Null"},
        {row(3, 6, std::nullopt), "グループ 3、番号 6: level = Null（0～4 の範囲外）"},
        {row(3, 7, 0, 0, 3), "グループ 3、番号 7: text2 の文字を読み取れません"},
        {row(999, -5), "グループ 999、番号 -5: グループと番号の組が重複"},
    };
    QStringList lines;
    for (const auto& [source, line] : broken) {
        EXPECT_FALSE(check.take(source)) << line;
        lines << QStringLiteral("word 表 ") + QString::fromUtf8(line);
    }
    EXPECT_EQ(check.report(), lines.join(QLatin1Char('\n')));
    check.beginTable(QStringLiteral("selected"));
    EXPECT_TRUE(check.take(row(999, -5)));
    for (int key = 1; key <= 16; ++key)
        check.take(row(1, key, 9));
    lines = check.report().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), LegacyRowCheck::MaxListed + 1);
    EXPECT_EQ(lines.last(), QStringLiteral("ほか 5 件"));
}

// The converted file takes the legacy file's name only when it holds the rows counted;
// a refused one leaves no backup behind.
TEST(ConvertedFileTest, WrongRowCountsLeaveBothFilesAlone) {
    QTemporaryDir dir;
    const QString legacy = dir.filePath(QStringLiteral("words.vku"));
    const QString converted = dir.filePath(QStringLiteral("new.vku"));
    testfiles::writeAll(legacy, "legacy bytes");
    testwords::makeWordFile(converted, {testwords::word(1, 1), testwords::word(1, 2)});
    EXPECT_THROW(ConvertedFile::install(legacy, converted, {3, 0}), StoreError);
    EXPECT_THROW(ConvertedFile::install(legacy, converted, {2, 1}), StoreError);
    EXPECT_EQ(ConvertedFile::install(legacy, converted, {2, 0}), legacy + ".bak");
}

// The tool replaces the file by one holding the rows of the fixture's dumps (none without
// a dump: missing-selected has no selected table, empty-words no rows), keeping the
// original under the first free backup name; a broken file, a missing tool or one that
// runs too long leaves the file and every backup alone, and the reason is told in the
// program's words.
TEST(LegacyConversionTest, ReplacesTheFileOrLeavesItUntouched) {
    const struct {
        const char* fixture;
        const char* fragment = nullptr; // nullptr: the file is converted
        bool broken = false;            // row 12/8 gets times = 1000 in both tables
        const char* tool = VOKU_WORDS_TOOL;
        int limitMs = 60000;
    } rows[] = {
        {"small-2000"},
        {"small-2003"},
        {"ace-2007"},
        {"unicode-2000"},
        {"missing-selected"},
        {"empty-words"},
        {"truncated", "truncated.vku"},
        {"not-a-database", "not-a-database.vku"},
        {.fixture = "small-2000",
         .fragment = "word 表 グループ 12、番号 8: times = 1000（0～999 の範囲外） selected 表",
         .broken = true},
        {.fixture = "small-2000", .fragment = "起動できません", .tool = "/nx/voku-words"},
        {.fixture = "large-2000", .fragment = "中止", .limitMs = 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fixture);
        const bool ok = !row.fragment;
        QTemporaryDir dir;
        const QString legacy =
            testfiles::copyFixture(QStringLiteral("jet/%1.vku").arg(row.fixture), dir.path());
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
        const LegacyConversion::Outcome outcome = testfiles::convertAndWait(conversion, legacy);
        EXPECT_EQ(outcome.ok, ok);
        EXPECT_TRUE(outcome.message.contains(
                        QString::fromUtf8(ok ? ".vku.bak.1 として残して" : row.fragment)) &&
                    !outcome.message.contains(QStringLiteral("voku-words:")))
            << outcome.message.toStdString();
        EXPECT_EQ(testfiles::readAll(ok ? legacy + ".bak.1" : legacy), original);
        EXPECT_EQ(testfiles::readAll(legacy + ".bak"), "older backup");
        EXPECT_EQ(entries(dir).size(), ok ? 3 : 2);
        if (ok) {
            const auto dump = [&row](const char* table) {
                const QString path =
                    testfiles::fixture(QStringLiteral("jet/%1.%2.csv").arg(row.fixture, table));
                const QByteArray csv = testfiles::readAll(path);
                return csv.isEmpty() ? std::vector<WordRecord>() : WordCsv::parse(csv, path);
            };
            EXPECT_EQ(testwords::rowsOf(legacy), dump("word"));
            EXPECT_EQ(testwords::rowsOf(legacy, true), dump("selected"));
            // Progress comes every 1000 rows and once at the end.
            const qint64 all = qint64(dump("word").size() + dump("selected").size());
            EXPECT_EQ(steps, (std::vector<std::pair<qint64, qint64>>{{all, all}}));
        }
    }
}

} // namespace
