// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/csvencoding.h"
#include "data/textcodec.h"
#include "data/wordcsv.h"
#include "support/testfiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string_view>

namespace {

using namespace std::string_view_literals;

QString problemWith(const QByteArray& csv) {
    try {
        WordCsv::parse(csv, QStringLiteral("words.csv"));
    } catch (const StoreError& error) {
        return error.message();
    }
    return {};
}

QByteArray exported(const WordStore& store, WordStore::Table table) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WordCsv::write(store, table, buffer);
    return buffer.data();
}

TEST(WordCsvTest, FixtureDumpsComeBackByteForByte) {
    QTemporaryDir dir;
    for (const char* name :
         {"jet/small-2000.word.csv", "jet/unicode-2000.word.csv", "jet/medium-2000.word.csv"}) {
        const QString path = testfiles::fixture(QString::fromLatin1(name));
        const QByteArray original = testfiles::readAll(path);
        WordStore store = WordStore::create(dir.filePath(QFileInfo(path).fileName() + ".vku"));
        store.insertRows(WordStore::Table::Word, WordCsv::parse(original, path));
        EXPECT_EQ(exported(store, WordStore::Table::Word), original) << name;
    }
}

TEST(WordCsvTest, QuotingNullsAndLineBreaks) {
    const QByteArray csv = "\xEF\xBB\xBFgroup,key,word,meaning,text1,text6\r\n"
                           "3,1,\"a, \"\"b\"\"\",\"line1\r\nline2\",,\"\"\r\n"
                           "\r\n"
                           "3,2,plain,x,y,z";
    const auto rows = WordCsv::parse(csv, QStringLiteral("words.csv"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].word, QStringLiteral("a, \"b\""));
    EXPECT_EQ(rows[0].meaning, QStringLiteral("line1\r\nline2"));
    EXPECT_FALSE(rows[0].text1.has_value());
    ASSERT_TRUE(rows[0].text6.has_value());
    EXPECT_TRUE(rows[0].text6->isEmpty());
    EXPECT_EQ(rows[0].level, 0) << "level and times may be left out";
    EXPECT_EQ(rows[1].text6, QStringLiteral("z"));
}

// Bytes read with the given encoding (empty: recognised): the text expected, or the
// problem whose message holds the fragment.
TEST(WordCsvTest, EncodingsAreReadOrRefusedNeverGuessedWrong) {
    const QByteArray cp932 = *TextCodec::toCp932(QStringLiteral("りんご～①"));
    const struct {
        std::string_view bytes;
        const char* encoding;
        const char* expected; // text, or the fragment of the problem
        const char* used;     // nullptr: a problem
    } rows[] = {
        {"caf\xC3\xA9 na\xC3\xAFve"sv, "", "café naïve", "UTF-8"},
        {"\xEF\xBB\xBFx,\xE3\x82\x8A\xE3\x82\x93"sv, "", "x,りん", "UTF-8"},
        {"don\xE2\x80\x99t \xC3\xBD"sv, "", "don’t ý", "UTF-8"},
        {""sv, "", "", "UTF-8"},
        {"fa\xE7"
         "ade"sv,
         "", "1 行目: CP932 として読むと「fa軋de」", nullptr},
        {"ok\ndon\x92t"sv, "", "2 行目: CP932 として読むと「don稚", nullptr},
        {"caf\xE9,"sv, "", "1 行目: UTF-8 とも CP932 とも読めない", nullptr},
        {"w\n\xC3\xBD,x"sv, "", "2 行目: UTF-8 の「ý,x」とも CP932 の「ﾃｽ,x」とも", nullptr},
        {"\xC2\xBD"sv, "", "--encoding", nullptr},
        {"\xC3\xBD,x"sv, "cp932", "ﾃｽ,x", "CP932"},
        {"fa\xE7"
         "ade"sv,
         "Latin-1", "façade", "Latin-1"},
        {"don\x92t"sv, "windows-1252", "don’t", "CP1252"},
        {"w\ndon\x92t"sv, "latin1", "2 行目: Latin-1 として読むと制御文字 U+0092", nullptr},
        {"a\nb\n\x82\n"sv, "", "3 行目", nullptr},
        {"a\nb\xFF"sv, "UTF-8", "2 行目: UTF-8 として読めない", nullptr},
        {"w\ng\0r\0o\0"sv, "", "2 行目: NUL 文字", nullptr},
        {"x"sv, "EBCDIC", "EBCDIC", nullptr},
    };
    for (const auto& row : rows) {
        const QByteArray bytes(row.bytes.data(), qsizetype(row.bytes.size()));
        const QString expected = QString::fromUtf8(row.expected);
        try {
            const auto decoded = CsvEncoding::decode(bytes, QStringLiteral("words.csv"),
                                                     QString::fromLatin1(row.encoding));
            EXPECT_EQ(decoded.text, expected);
            EXPECT_EQ(decoded.encoding, QString::fromLatin1(row.used ? row.used : "(problem)"))
                << row.expected;
        } catch (const StoreError& error) {
            EXPECT_FALSE(row.used) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(expected)) << error.message().toStdString();
        }
    }
    const QByteArray csv = "group,key,word,meaning\r\n1,1,apple,\"" + cp932 + "\"\r\n";
    EXPECT_EQ(WordCsv::parse(csv, QStringLiteral("words.csv"))[0].meaning,
              QStringLiteral("りんご～①"));
}

TEST(WordCsvTest, ProblemsNameTheirLine) {
    const QByteArray header = "group,key,level,times,word\n";
    EXPECT_TRUE(problemWith(header + "1,1,0,0,a\n0,2,0,0,b\n").contains(QStringLiteral("3 行目")));
    EXPECT_TRUE(problemWith(header + "1,1,5,0,a\n").contains(QStringLiteral("level")));
    EXPECT_TRUE(problemWith(header + "1,1,0,1000,a\n").contains(QStringLiteral("times")));
    EXPECT_TRUE(problemWith(header + "1,1,0,0,\n").contains(QStringLiteral("word")));
    EXPECT_TRUE(problemWith(header + "1,x,0,0,a\n").contains(QStringLiteral("key")));
    EXPECT_TRUE(problemWith(header + "1,1,0,0,a\n1,1,0,0,b\n")
                    .contains(QStringLiteral("2 行目と重なって")));
    EXPECT_TRUE(problemWith(header + "1,1,0,0,\"a\n\n").contains(QStringLiteral("2 行目")));
    EXPECT_TRUE(problemWith(header + "1,1,0,0,a,extra\n").contains(QStringLiteral("値の数")));
    EXPECT_TRUE(problemWith("group,key,wort\n").contains(QStringLiteral("wort")));
    EXPECT_TRUE(problemWith("key,word\n").contains(QStringLiteral("group")));
}

} // namespace
