// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/textcodec.h"
#include "data/wordcsv.h"
#include "support/testfiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

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

TEST(WordCsvTest, ReadsCp932) {
    const QByteArray csv = "group,key,word,meaning\r\n1,1,apple,\"" +
                           *TextCodec::toCp932(QStringLiteral("りんご～①")) + "\"\r\n";
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
    EXPECT_TRUE(problemWith(QByteArray("group,key,word\n1,1,\x82\n"))
                    .contains(QStringLiteral("文字コード")));
}

} // namespace
