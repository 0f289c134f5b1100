// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/wordstore.h"
#include "print/cardlayoutform.h"
#include "print/printwordcards.h"
#include "support/testwords.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Outcome = PrintWordCards::Outcome;

const QString Title = QStringLiteral("VOKU英単カード\u3000words.vku");

WordRecord card(const QString& word, std::optional<QString> meaning = {}, int level = 0,
                int times = 1) {
    WordRecord record = testwords::word(7, 1, level, times);
    record.word = word;
    record.meaning = std::move(meaning);
    return record;
}

// Lines are cut at fixed lengths in UTF-16 units; "_" marks a word that goes on.
TEST(FillCardTest, FillsTheLabelsOfARowAndNumbersPagesInFourCharacters) {
    const QString a60(60, u'a'), m62(62, u'意'), pair = QStringLiteral("𠮷"), emoji = "😀";
    const std::pair<WordRecord, QStringList> cases[] = {
        // word 1 and 2, meaning 1 and 2, mark
        {card(a60, m62, 0, 5), {a60, "", m62, "", "○"}},
        {card(a60 + u'.', {}, 0, 1), {a60, ".", "", "", "○"}},
        {card(a60 + u'/', {}, 0, 0), {a60, "/", "", "", "未チェック"}},
        {card(a60 + u' ', {}, 1, 9), {a60, " ", "", "", "○△"}},
        {card(a60 + u'e', {}, 2, 0), {a60 + u'_', "e", "", "", "○△△"}},
        {card(a60 + "..", {}, 3, 1), {a60 + u'_', "..", "", "", "○△△△"}},
        {card(a60 + QString(90, u'b') + "cc", m62 + QString(80, u'味'), 4, 1),
         {a60 + u'_', QString(90, u'b'), m62, QString(70, u'味'), "△△△△"}},
        {card("x", {}, 5, 1), {"x", "", "", "", ""}},
        // A cut inside a surrogate pair moves back, on either line.
        {card(QString(59, u'a') + pair), {QString(59, u'a') + u'_', pair, "", "", "○"}},
        {card(a60 + QString(89, u'b') + pair + u'c'), {a60 + u'_', QString(89, u'b'), "", "", "○"}},
        {card("x", QString(61, u'意') + emoji + QString(67, u'味') + emoji),
         {"x", "", QString(61, u'意'), emoji + QString(67, u'味'), "○"}},
    };
    for (const auto& [word, expected] : cases) {
        LayoutForm form = CardLayoutForm::make();
        PrintWordCards::fillCard(form, 19, word);
        QStringList shown;
        for (const char* name : {"LB_word1", "LB_word2", "LB_meaning1", "LB_meaning2", "LB_lank"})
            shown << form.label(name, 19).caption;
        EXPECT_EQ(shown, expected) << word.word.toStdString();
    }
    LayoutForm form = CardLayoutForm::make();
    for (const auto& [page, shown] : {std::pair{1, "   1"}, {123, " 123"}, {10000, "0000"}}) {
        PrintWordCards::setPageFooter(form, page, Title);
        EXPECT_EQ(form.label("LB_page").caption, QString::fromLatin1(shown));
    }
}

// Points on the PDF page of a position on the form: 5 mm margin, scale 1.7, 20 twips a point.
double pagePoints(int form) {
    return (form * 1.7 + 5 / 25.4 * 1440) / 20;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfWord {
    int page;                // from 1
    double left, top, right; // points from the page's top left corner
    QString text;
};

// The words of a PDF with their places (poppler's pdftotext -bbox); pages, set to 0 by the
// caller, counts its pages.
std::vector<PdfWord> wordsOf(const QString& pdf, int& pages) {
    static const QRegularExpression item(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    std::vector<PdfWord> found;
    for (const auto& match : item.globalMatch(run("pdftotext", {"-bbox", pdf, "-"}))) {
        if (match.captured(1).isEmpty())
            ++pages;
        else
            found.push_back({pages, match.captured(1).toDouble(), match.captured(2).toDouble(),
                             match.captured(3).toDouble(), match.captured(4)});
    }
    return found;
}

class PrintWordCardsTest : public testing::Test {
protected:
    Outcome print(const std::vector<WordRecord>& rows, const std::vector<int>& groups) {
        const QString file = dir.filePath(QStringLiteral("words%1.vku").arg(++files));
        WordStore::create(file).insertRows(WordStore::Table::Word, rows);
        progress.clear();
        return PrintWordCards::toPdf(
            WordStore::open(file), groups, Title, pdf,
            [this](qint64 done, qint64 total) { progress.emplace_back(done, total); });
    }
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    std::vector<std::pair<qint64, qint64>> progress;
    int files = 0;
};

// Each page holds its own cards only, numbered at its foot; no empty page follows the last.
TEST_F(PrintWordCardsTest, PrintsTwentyCardsToAPage) {
    for (const auto& [count, cards] : {std::pair{20, std::vector{20}}, {41, {20, 20, 1}}}) {
        std::vector<WordRecord> rows;
        for (int key = 1; key <= count; ++key)
            rows.push_back(testwords::word(7, key));
        ASSERT_EQ(print(rows, {7}), Outcome::Printed);
        EXPECT_EQ(progress.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(progress.back(), std::make_pair(qint64(count), qint64(count)));
        int pages = 0;
        const auto words = wordsOf(pdf, pages);
        ASSERT_EQ(pages, static_cast<int>(cards.size()));
        std::vector<int> found(cards.size());
        std::vector<QStringList> footers(cards.size());
        for (const auto& word : words) {
            found[word.page - 1] += word.text.startsWith(QStringLiteral("w7-"));
            if (word.top > pagePoints(8400))
                footers[word.page - 1] << word.text;
            // The page number is right-aligned in four fixed-pitch characters of 5.1 points.
            if (word.text == QString::number(word.page)) {
                EXPECT_NEAR(word.left, pagePoints(5940) + 3 * 5.1, 0.3);
            }
        }
        EXPECT_EQ(found, cards);
        for (std::size_t page = 0; page < cards.size(); ++page)
            EXPECT_EQ(footers[page].join(u' '),
                      QStringLiteral("VOKU英単カード words.vku %1").arg(page + 1));
    }
}

// Where each label lands on paper; a line wider than its label is condensed into it, so
// nothing runs over the middle rule or off the paper; rows without a card keep their tick
// box and rules.
TEST_F(PrintWordCardsTest, LaysOutCardsInTheirColumnsAndEmbedsTheFonts) {
    std::vector<WordRecord> rows;
    for (int key = 1; key <= 12; ++key)
        rows.push_back(testwords::word(1, key, 0, 3));
    rows[0].word = QStringLiteral("apple");
    rows[0].meaning = QStringLiteral("りんご");
    rows[0].text6 = QStringLiteral("アップル");
    rows[1].word = QString(60, u'a') + QStringLiteral("tail");
    rows[2].meaning = QString(61, u'意') + QStringLiteral("端終わり");
    rows.push_back(testwords::word(12, 1));
    rows.back().word = QStringLiteral("𠮷野家😀");
    ASSERT_EQ(print(rows, {1, 12}), Outcome::Printed);
    int pages = 0;
    const auto words = wordsOf(pdf, pages);
    const auto textAt = [&words](int formX, int formY) {
        for (const auto& word : words) {
            if (qAbs(word.left - pagePoints(formX)) < 0.5 &&
                qAbs(word.top - pagePoints(formY)) < 1.5)
                return word.text;
        }
        return QString();
    };
    const std::tuple<int, int, QString> placed[] = {
        {300, 180, "apple"},    {3480, 180, "りんご"}, {180, 300, "1"},        {180, 420, "○"},
        {540, 420, "アップル"}, {300, 720, "tail"},    {3480, 1140, "終わり"}, {150, 5340, "12"},
    };
    for (const auto& [x, y, text] : placed)
        EXPECT_EQ(textAt(x, y), text) << x << ", " << y;
    for (const auto& word : words) {
        const int right = word.left < pagePoints(3420) ? 300 + 2655 : 3480 + 2655;
        if (word.top < pagePoints(8400)) {
            EXPECT_LT(word.right, pagePoints(right) + 1) << word.text.toStdString();
        }
    }
    QTemporaryDir images;
    run("pdftoppm", {"-png", "-gray", "-singlefile", "-r", "144", pdf, images.filePath("page")});
    const QImage page(images.filePath("page.png"));
    const auto dark = [&page](int formX, int formY) {
        const int x = qRound(pagePoints(formX) * 2), y = qRound(pagePoints(formY) * 2);
        for (int i = 0; i < 9; ++i) {
            if (qGray(page.pixel(x - 1 + i % 3, y - 1 + i / 3)) < 128)
                return true;
        }
        return false;
    };
    const int lastRow = 420 * 19;
    EXPECT_TRUE(dark(180, 225 + lastRow) && dark(270, 225 + lastRow)) << "tick box";
    EXPECT_TRUE(dark(1500, 540 + lastRow) && dark(3420, 300 + lastRow)) << "rules";
    const QStringList fonts = run("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_TRUE(fonts.value(0).startsWith(QStringLiteral("IPAMincho")))
        << fonts.join(u'\n').toStdString();
    // 𠮷 from a CJK face, the emoji from an outline font (a colour one draws nothing).
    EXPECT_TRUE(fonts.join(u'\n').contains(QStringLiteral("CJK")));
    EXPECT_TRUE(fonts.join(u'\n').contains(QStringLiteral("Symbola")));
    for (const QString& font : fonts)
        EXPECT_TRUE(font.contains(QStringLiteral(" yes ")) && !font.contains("Color"))
            << font.toStdString();
}

} // namespace
