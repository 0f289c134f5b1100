// SPDX-License-Identifier: GPL-3.0-or-later
#include "printwordcards.h"
#include "app/product.h"

#include "cardlayoutform.h"
#include "pagerenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr int Resolution = 1440; // device pixels are twips
constexpr int Word1Length = 60;
constexpr int Word2Length = 90;
constexpr int Meaning1Length = 62;
constexpr int Meaning2Length = 70;
// A stand-in for a printer's unprintable edge, so the PDF prints on any printer.
constexpr qreal PdfMarginMm = 5;

const char* const CardLabels[] = {"LB_word1",    "LB_word2",    "LB_group", "LB_lank",
                                  "LB_meaning1", "LB_meaning2", "LB_haton"};

// A cut inside a surrogate pair moves one code unit back, so neither line gets half a
// character.
qsizetype cutBefore(const QString& text, qsizetype position) {
    if (position <= 0 || position >= text.size())
        return std::clamp<qsizetype>(position, 0, text.size());
    const bool inPair =
        text.at(position - 1).isHighSurrogate() && text.at(position).isLowSurrogate();
    return inPair ? position - 1 : position;
}

struct TwoLines {
    QString first, second;
};

TwoLines cutLines(const QString& text, qsizetype firstLength, qsizetype secondLength) {
    const qsizetype firstEnd = cutBefore(text, firstLength);
    const qsizetype secondEnd = cutBefore(text, firstEnd + secondLength);
    return {text.left(firstEnd), text.mid(firstEnd, secondEnd - firstEnd)};
}

// "_" marks a word that goes on over the line, unless the rest is a lone space, "." or "/".
bool continues(const QString& rest) {
    if (rest.size() != 1)
        return !rest.isEmpty();
    const QChar last = rest.at(0);
    return last != u' ' && last != u'.' && last != u'/';
}

} // namespace

PrintWordCards::Outcome PrintWordCards::print(const WordStore& store,
                                              const std::vector<int>& groups, const QString& title,
                                              QPagedPaintDevice& device,
                                              const WordStore::Progress& progress) {
    const qint64 total = countWords(store, groups);
    if (total <= 0)
        return total == 0 ? Outcome::NoWords : Outcome::Failed;
    PrintWordCards job(device, title, total, progress);
    return job.run(store, groups);
}

PrintWordCards::Outcome PrintWordCards::toPdf(const WordStore& store,
                                              const std::vector<int>& groups, const QString& title,
                                              const QString& pdfPath,
                                              const WordStore::Progress& progress) {
    const qint64 total = countWords(store, groups);
    if (total <= 0)
        return total == 0 ? Outcome::NoWords : Outcome::Failed;
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome::Failed;
    Outcome outcome = Outcome::Failed;
    {
        QPdfWriter writer(&file);
        writer.setResolution(Resolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(PdfMarginMm, PdfMarginMm, PdfMarginMm, PdfMarginMm),
                        QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(Product::title());
        PrintWordCards job(writer, title, total, progress);
        outcome = job.run(store, groups);
    }
    // A full disk shows only in the flush; commit() alone would keep a cut-off PDF.
    if (outcome != Outcome::Printed || !file.flush() || !file.commit())
        return Outcome::Failed;
    return outcome;
}

QString PrintWordCards::message(Outcome outcome) {
    switch (outcome) {
    case Outcome::Printed:
        return {};
    case Outcome::NoWords:
        return QStringLiteral("印刷する単語がありません。");
    case Outcome::Failed:
        break;
    }
    return QStringLiteral("印刷できませんでした。");
}

void PrintWordCards::clearLayout(LayoutForm& form) {
    form.label(QStringLiteral("LB_page")).caption.clear();
    form.label(QStringLiteral("LB_title")).caption.clear();
    for (int row = 0; row < CardLayoutForm::Rows; ++row) {
        for (const char* name : CardLabels)
            form.label(QString::fromLatin1(name), row).caption.clear();
    }
}

// The page number is right-aligned in four characters; only its last four digits fit.
void PrintWordCards::setPageFooter(LayoutForm& form, int page, const QString& title) {
    form.label(QStringLiteral("LB_page")).caption =
        (QStringLiteral("    ") + QString::number(page)).right(4);
    form.label(QStringLiteral("LB_title")).caption = title;
}

// Lengths are counted in UTF-16 code units, as the word data file stores its texts.
void PrintWordCards::fillCard(LayoutForm& form, int row, const WordRecord& word) {
    const TwoLines words = cutLines(word.word, Word1Length, Word2Length);
    QString& word1 = form.label(QStringLiteral("LB_word1"), row).caption;
    word1 = words.first;
    if (continues(word.word.mid(words.first.size())))
        word1 += u'_';
    form.label(QStringLiteral("LB_word2"), row).caption = words.second;
    if (word.meaning) {
        const TwoLines meanings = cutLines(*word.meaning, Meaning1Length, Meaning2Length);
        form.label(QStringLiteral("LB_meaning1"), row).caption = meanings.first;
        form.label(QStringLiteral("LB_meaning2"), row).caption = meanings.second;
    }
    form.label(QStringLiteral("LB_group"), row).caption = QString::number(word.group);
    form.label(QStringLiteral("LB_lank"), row).caption = printLevelMark(word.level, word.times);
    if (word.text6)
        form.label(QStringLiteral("LB_haton"), row).caption = *word.text6;
}

// The printed marks put "○" first, unlike the marks on the screens.
QString PrintWordCards::printLevelMark(int level, int times) {
    switch (level) {
    case 0:
        return times == 0 ? QStringLiteral("未チェック") : QStringLiteral("○");
    case 1:
        return QStringLiteral("○△");
    case 2:
        return QStringLiteral("○△△");
    case 3:
        return QStringLiteral("○△△△");
    case 4:
        return QStringLiteral("△△△△");
    default:
        return {};
    }
}

PrintWordCards::PrintWordCards(QPagedPaintDevice& device, const QString& title, qint64 total,
                               const WordStore::Progress& progress)
    : device_(device)
    , title_(title)
    , total_(total)
    , progress_(progress)
    , form_(CardLayoutForm::make()) {}

qint64 PrintWordCards::countWords(const WordStore& store, const std::vector<int>& groups) {
    try {
        return store.countWordsOfGroups(groups);
    } catch (const std::exception&) {
        return -1;
    }
}

// An early end, whatever its cause, still ends the document, so the pages already drawn
// are sent and the device is free for the next job.
PrintWordCards::Outcome PrintWordCards::run(const WordStore& store,
                                            const std::vector<int>& groups) {
    if (!painter_.begin(&device_))
        return Outcome::Failed;
    // Whatever the device's resolution, the renderer draws in twips.
    painter_.scale(device_.logicalDpiX() / qreal(Resolution),
                   device_.logicalDpiY() / qreal(Resolution));
    clearLayout(form_);
    try {
        store.forEachWordOfGroups(groups, [this](const WordRecord& word) { addCard(word); });
        if (ok_ && row_ > 0)
            ok_ = outputPage();
    } catch (const std::exception&) {
        ok_ = false;
    }
    ok_ = painter_.end() && ok_;
    return ok_ ? Outcome::Printed : Outcome::Failed;
}

void PrintWordCards::addCard(const WordRecord& word) {
    if (!ok_)
        return;
    ++done_;
    if (row_ >= CardLayoutForm::Rows) {
        if (!outputPage() || !device_.newPage()) {
            ok_ = false;
            return;
        }
        clearLayout(form_);
        ++page_;
        row_ = 0;
    }
    if (row_ == 0)
        setPageFooter(form_, page_, title_);
    fillCard(form_, row_, word);
    ++row_;
    if (progress_)
        progress_(done_, total_);
}

bool PrintWordCards::outputPage() {
    return PageRenderer::printLayoutForm(painter_, form_, QString::fromLatin1(PaperCode), Scale, 1);
}
