// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardprinter.h"

#include "app/userdialogs.h"
#include "printwordcards.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

// The PDF is suggested in the documents folder, named after the word data file.
QString suggestedPdfPath(const WordStore& store) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder + u'/' + QFileInfo(store.path()).completeBaseName() + QStringLiteral(".pdf");
}

} // namespace

CardPrinter::CardPrinter(UserDialogs& dialogs)
    : dialogs_(dialogs) {}

bool CardPrinter::print(const WordStore& store, const std::vector<int>& groups,
                        const QString& title, const WordStore::Progress& progress) {
    const qint64 total = PrintWordCards::countWords(store, groups);
    if (total <= 0)
        return report(total == 0 ? PrintWordCards::Outcome::NoWords
                                 : PrintWordCards::Outcome::Failed);
    if (QPrinterInfo::availablePrinters().isEmpty())
        return saveAsPdf(store, groups, title, progress);
    QPrinter printer(QPrinter::HighResolution);
    // Twips as device pixels keep the card layout's font sizes exact.
    printer.setResolution(1440);
    printer.setDocName(title);
    return report(PrintWordCards::print(store, groups, title, printer, progress));
}

bool CardPrinter::saveAsPdf(const WordStore& store, const std::vector<int>& groups,
                            const QString& title, const WordStore::Progress& progress) {
    if (!dialogs_.askYesNo(QStringLiteral("プリンターが見つかりません。"
                                          "カードをPDFファイルに保存しますか？")))
        return false;
    const QString path = dialogs_.choosePdfFile(suggestedPdfPath(store));
    if (path.isEmpty())
        return false;
    const auto outcome = PrintWordCards::toPdf(store, groups, title, path, progress);
    if (outcome == PrintWordCards::Outcome::Failed) {
        dialogs_.inform(QStringLiteral("PDFファイルを保存できませんでした。\n") + path,
                        UserDialogs::Icon::Critical);
        return false;
    }
    if (outcome == PrintWordCards::Outcome::Printed)
        dialogs_.inform(QStringLiteral("カードをPDFファイルに保存しました。\n") + path,
                        UserDialogs::Icon::Information);
    return report(outcome);
}

bool CardPrinter::report(PrintWordCards::Outcome outcome) {
    switch (outcome) {
    case PrintWordCards::Outcome::Printed:
        return true;
    case PrintWordCards::Outcome::NoWords:
        dialogs_.inform(PrintWordCards::message(outcome), UserDialogs::Icon::Information);
        return false;
    case PrintWordCards::Outcome::Failed:
        break;
    }
    dialogs_.inform(PrintWordCards::message(outcome), UserDialogs::Icon::Critical);
    return false;
}
