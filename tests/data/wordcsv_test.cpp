// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/csvencoding.h"
#include "data/summaryline.h"
#include "data/textcodec.h"
#include "data/wordcsv.h"

#include <gtest/gtest.h>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// The parsed rows as "group|key|level|times|word|meaning|text1|text6" joined by " / ",
// Null as "~"; or the problem's message.
QString parsed(const QByteArray& csv) {
    QStringList rows;
    try {
        for (const WordRecord& w : WordCsv::parse(csv, QStringLiteral("words.csv")))
            rows << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                        .arg(w.group)
                        .arg(w.key)
                        .arg(w.level)
                        .arg(w.times)
                        .arg(w.word, w.meaning.value_or("~"), w.text1.value_or("~"),
                             w.text6.value_or("~"));
    } catch (const StoreError& error) {
        return error.message();
    }
    return rows.join(QStringLiteral(" / "));
}

// A CSV body after its header: the rows it gives, or a fragment of the problem.
TEST(WordCsvTest, QuotingNullsAndProblemsNameTheirLine) {
    const QByteArray header = "group,key,level,times,word\n";
    const struct {
        QByteArray csv;
        const char* expected;
    } rows[] = {
        {"\xEF\xBB\xBFgroup,key,word,meaning,text1,text6\r\n3,1,\"a, "
         "\"\"b\"\"\",\"l1\r\nl2\",,\"\"\r\n"
         "\r\n3,2,plain,x,y,z",
         "3|1|0|0|a, \"b\"|l1\r\nl2|~| / 3|2|0|0|plain|x|y|z"},
        {header + "1,1,0,0,a\n0,2,0,0,b\n", "3 行目: group"},
        {header + "1,1,5,0,a\n", "2 行目: level"},
        {header + "1,1,0,1000,a\n", "2 行目: times"},
        {header + "1,1,0,0,\n", "2 行目: word"},
        {header + "1,x,0,0,a\n", "2 行目: key"},
        {header + "1,1,0,0,\"a\nb\"\n1,1,0,0,c\n", "4 行目: group 1、key 1 は 2 行目と重なって"},
        {header + "1,1,0,0,\"a\n\n", "2 行目: 引用符が閉じられていません"},
        {header + "1,1,0,0,\"a\"b\n", "2 行目: 閉じ引用符のあとに"},
        {header + "1,1,0,0,a\"b\n", "2 行目: 引用符で囲まれていない"},
        {header + "1,1,0,0,a,extra\n", "2 行目: 値の数"},
        {"group,key,wort\n", "1 行目: 知らない列名「wort」"},
        {"key,word\n", "列「group」がありません"},
        {"", "見出しの行がありません"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(parsed(row.csv).contains(QString::fromUtf8(row.expected)))
            << parsed(row.csv).toStdString() << "\nwanted " << row.expected;
}

// Bytes read with the given encoding (empty: recognised): the encoding used and the text,
// or the problem whose message holds the fragment.
TEST(WordCsvTest, EncodingsAreReadOrRefusedNeverGuessedWrong) {
    const struct {
        std::string_view bytes;
        const char* encoding;
        const char* expected;
    } rows[] = {
        {"caf\xC3\xA9 na\xC3\xAFve"sv, "", "UTF-8: café naïve"},
        {"\xEF\xBB\xBFx,\xE3\x82\x8A\xE3\x82\x93"sv, "", "UTF-8: x,りん"},
        {"\xEF\xBB\xBFx"sv, "utf8", "UTF-8: x"},
        {"don\xE2\x80\x99t \xC3\xBD"sv, "", "UTF-8: don’t ý"},
        {"\x82\xE8\x82\xF1\x82\xB2\x81\x60\x87\x40"sv, "", "CP932: りんご～①"},
        {"fa\347ade"sv, "", "1 行目: CP932 として読むと「fa軋de」"},
        {"ok\ndon\x92t"sv, "", "2 行目: CP932 として読むと「don稚"},
        {"caf\xE9,"sv, "", "1 行目: UTF-8 とも CP932 とも読めない"},
        {"w\n\xC3\xBD,x"sv, "", "2 行目: UTF-8 の「ý,x」とも CP932 の「ﾃｽ,x」とも"},
        {"\xC2\xBD"sv, "", "--encoding"},
        {"\xC3\xBD,x"sv, "cp932", "CP932: ﾃｽ,x"},
        {"fa\347ade"sv, "Latin-1", "Latin-1: façade"},
        {"don\x92t"sv, "windows-1252", "CP1252: don’t"},
        {"w\ndon\x92t"sv, "latin1", "2 行目: Latin-1 として読むと制御文字 U+0092"},
        {"a\nb\xFF"sv, "UTF-8", "2 行目: UTF-8 として読めない"},
        {"w\ng\0r\0o\0"sv, "", "2 行目: NUL 文字"},
        {"x"sv, "EBCDIC", "EBCDIC"},
    };
    for (const auto& row : rows) {
        const QString expected = QString::fromUtf8(row.expected);
        try {
            const auto decoded =
                CsvEncoding::decode(QByteArray(row.bytes.data(), qsizetype(row.bytes.size())),
                                    QStringLiteral("words.csv"), QString::fromLatin1(row.encoding));
            EXPECT_EQ(decoded.encoding + QStringLiteral(": ") + decoded.text, expected);
        } catch (const StoreError& error) {
            EXPECT_TRUE(error.message().contains(expected)) << error.message().toStdString();
        }
    }
}

// A summary line keeps its columns under the header until a count has four digits; settings
// text keeps what decodes around bytes that do not.
TEST(SummaryLineTest, FourDigitsWidenTheLineAndBadSettingsBytesDropAlone) {
    EXPECT_EQ(SummaryLine::format({999, {1000, 0, 0, 0, 0, 12}}),
              QStringLiteral("999       12    1000     0     0     0      0    "));
    EXPECT_EQ(TextCodec::decodeSettings("ab\202\377cd").remove(QChar(0xFFFD)),
              QStringLiteral("abcd"));
}

} // namespace
