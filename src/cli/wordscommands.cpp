// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordscommands.h"

#include "data/legacy/legacyimport.h"
#include "data/newwordfile.h"
#include "data/wordcsv.h"
#include "data/wordstore.h"
#include "print/printwordcards.h"

#include <QFileInfo>

#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

namespace WordsCommands {

namespace {

int failWith(const QString& message) {
    QTextStream(stderr) << "voku-words: "
                        << QString(message).replace(QLatin1Char('\n'), QLatin1Char(' '))
                        << Qt::endl;
    return 1;
}

} // namespace

int importCsv(const QString& csvPath, const QString& outPath) {
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly))
        return failWith(QStringLiteral("CSV ファイルを開けません: %1").arg(csvPath));
    try {
        const auto words = WordCsv::parse(csv.readAll(), csvPath);
        NewWordFile::write(outPath, [&words](WordStore& store) {
            store.insertRows(WordStore::Table::Word, words);
        });
    } catch (const StoreError& error) {
        return failWith(error.message());
    }
    return 0;
}

int exportCsv(const QString& wordFile, const QString& outPath, const QString& table) {
    if (table != QLatin1String("word") && table != QLatin1String("selected"))
        return failWith(QStringLiteral("表の名前は word か selected です: %1").arg(table));
    const auto which =
        table == QLatin1String("word") ? WordStore::Table::Word : WordStore::Table::Selected;
    try {
        const WordStore store = WordStore::open(wordFile);
        if (outPath.isEmpty()) {
            QFile out;
            if (!out.open(stdout, QIODevice::WriteOnly))
                return failWith(QStringLiteral("標準出力に書き込めません"));
            WordCsv::write(store, which, out);
            return 0;
        }
        QSaveFile out(outPath);
        if (!out.open(QIODevice::WriteOnly))
            return failWith(QStringLiteral("書き込めません: %1").arg(outPath));
        WordCsv::write(store, which, out);
        // A full disk shows only in the flush; commit() alone would keep an empty file.
        if (!out.flush() || !out.commit())
            return failWith(QStringLiteral("書き込めません: %1").arg(outPath));
    } catch (const StoreError& error) {
        return failWith(error.message());
    }
    return 0;
}

int summary(const QString& wordFile) {
    try {
        const WordStore store = WordStore::open(wordFile);
        QTextStream out(stdout);
        for (const GroupSummary& group : store.groupSummaries())
            out << SummaryLine::format(group) << '\n';
    } catch (const StoreError& error) {
        return failWith(error.message());
    }
    return 0;
}

int convert(const QString& legacyPath, const QString& outPath) {
    try {
        // The program that runs this as a child process reads the progress and result lines.
        const ConversionCounts counts =
            LegacyImport::convert(legacyPath, outPath, ConversionProtocol::writeProgress);
        ConversionProtocol::writeResult(counts);
    } catch (const StoreError& error) {
        return failWith(error.message());
    }
    return 0;
}

int print(const QString& wordFile, const QString& pdfPath, const QString& groups) {
    if (pdfPath.isEmpty())
        return failWith(QStringLiteral("PDF ファイルを -o で指定してください"));
    try {
        const WordStore store = WordStore::open(wordFile);
        std::vector<int> chosen;
        for (const QString& part : groups.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            chosen.push_back(part.trimmed().toInt(&ok));
            if (!ok)
                return failWith(QStringLiteral("グループは 3,12 のように数字で指定してください: %1")
                                    .arg(groups));
        }
        if (chosen.empty()) {
            for (const GroupSummary& group : store.groupSummaries())
                chosen.push_back(group.group);
        }
        const QString title =
            QStringLiteral("VOKU英単カード") + QChar(0x3000) + QFileInfo(wordFile).fileName();
        const auto outcome = PrintWordCards::toPdf(store, chosen, title, pdfPath);
        if (outcome != PrintWordCards::Outcome::Printed)
            return failWith(PrintWordCards::message(outcome));
    } catch (const StoreError& error) {
        return failWith(error.message());
    }
    return 0;
}

} // namespace WordsCommands
