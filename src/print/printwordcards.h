// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordstore.h"
#include "layoutform.h"

#include <QPainter>
#include <QString>
#include <vector>

class QPagedPaintDevice;

// A card printing job: walks the words of the chosen groups, fills the card page layout
// row by row and hands each full page to the page renderer. A page goes out only when a
// further word arrives or the words end, so no empty page is ever printed.
class PrintWordCards {
public:
    enum class Outcome {
        Printed, // every page was drawn and the document ended
        NoWords, // the groups hold no words; nothing was sent to the device
        Failed,  // the store or the device failed; the document was ended early
    };

    static constexpr const char* PaperCode = "A4P";
    static constexpr float Scale = 1.7f;

    // Prints on a paged device (a printer, a PDF writer), twenty cards to a page with
    // title at the foot of each page. progress gets words done and the total.
    static Outcome print(const WordStore& store, const std::vector<int>& groups,
                         const QString& title, QPagedPaintDevice& device,
                         const WordStore::Progress& progress = {});
    // Writes the cards as an A4 PDF file; on failure no file is left at pdfPath.
    static Outcome toPdf(const WordStore& store, const std::vector<int>& groups,
                         const QString& title, const QString& pdfPath,
                         const WordStore::Progress& progress = {});
    // How many words the groups hold; -1 when the store cannot tell.
    static qint64 countWords(const WordStore& store, const std::vector<int>& groups);
    // A message for the learner when the job printed nothing.
    static QString message(Outcome outcome);

    // The steps that fill the layout form.
    static void clearLayout(LayoutForm& form);
    static void setPageFooter(LayoutForm& form, int page, const QString& title);
    static void fillCard(LayoutForm& form, int row, const WordRecord& word);
    static QString printLevelMark(int level, int times);

private:
    PrintWordCards(QPagedPaintDevice& device, const QString& title, qint64 total,
                   const WordStore::Progress& progress);

    Outcome run(const WordStore& store, const std::vector<int>& groups);
    void addCard(const WordRecord& word);
    bool outputPage();

    QPagedPaintDevice& device_;
    const QString& title_;
    const qint64 total_;
    const WordStore::Progress& progress_;
    LayoutForm form_;
    QPainter painter_;
    int page_ = 1;
    int row_ = 0;
    qint64 done_ = 0;
    bool ok_ = true;
};
