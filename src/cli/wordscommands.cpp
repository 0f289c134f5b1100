// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordscommands.h"
#include "app/product.h"

#include "data/csvencoding.h"
#include "data/csvfiles.h"
#include "data/ioreason.h"
#include "data/legacy/legacyimport.h"
#include "data/outputtarget.h"
#include "data/wordcsv.h"
#include "data/wordstore.h"
#include "print/printwordcards.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTextStream>
#include <cerrno>
#include <cstdio>

namespace WordsCommands {

namespace {

// Why a PDF could not be written at path: the reason a trial open gives, or else a full
// disk, the usual cause of a failure half-way.
QString pdfFailure(const QString& path) {
    QSaveFile trial(path);
    if (!trial.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return QStringLiteral("PDF を書き込めません（%1）: %2")
            .arg(IoReason::describe(error), path);
    }
    trial.cancelWriting();
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < 1024 * 1024)
        return QStringLiteral("PDF を書き込めません（%1）: %2")
            .arg(IoReason::describe(ENOSPC), path);
    return QStringLiteral("印刷できませんでした: %1").arg(path);
}

} // namespace

int failWith(const QString& message) {
    // One line: line breaks, NULs and other control characters from a file become spaces.
    QString line = message;
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    QTextStream(stderr) << "voku-words: " << line << Qt::endl;
    return 1;
}

int importCsv(const QString& csvPath, const QString& outPath, const QString& encoding) {
    if (!encoding.isEmpty() && CsvEncoding::canonicalName(encoding).isEmpty())
        return failWith(QStringLiteral("文字コード「%1」は扱えません。UTF-8、CP932、Latin-1、"
                                       "CP1252 のどれかを指定してください")
                            .arg(encoding));
    if (const QString problem = OutputTarget::nameProblem(outPath); !problem.isEmpty())
        return failWith(problem);
    try {
        const auto imported =
            CsvFiles::importFile(csvPath, outPath, encoding, NewWordFile::Existing::Refuse);
        QTextStream(stdout) << QStringLiteral("%1 語を %2 として読み込みました: %3")
                                   .arg(imported.words)
                                   .arg(imported.encoding, outPath)
                            << '\n';
    } catch (const StoreError& error) {
        return failWith(error.message());
    }
    return 0;
}

int exportCsv(const QString& wordFile, const std::optional<QString>& outPath, const QString& table,
              bool force) {
    if (table != QLatin1String("word") && table != QLatin1String("selected"))
        return failWith(QStringLiteral("表の名前は word か selected です: %1").arg(table));
    const auto which =
        table == QLatin1String("word") ? WordStore::Table::Word : WordStore::Table::Selected;
    try {
        if (outPath) {
            const QString refusal = OutputTarget::refusal(*outPath, wordFile, force);
            if (!refusal.isEmpty())
                return failWith(refusal);
        }
        const WordStore store = WordStore::open(wordFile);
        if (!outPath) {
            QFile out;
            if (!out.open(stdout, QIODevice::WriteOnly))
                return failWith(QStringLiteral("標準出力に書き込めません"));
            WordCsv::write(store, which, out);
            return 0;
        }
        const QString failure = CsvFiles::exportFile(store, which, *outPath);
        return failure.isEmpty() ? 0 : failWith(failure);
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
    if (const QString problem = OutputTarget::nameProblem(outPath); !problem.isEmpty())
        return failWith(problem);
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

int print(const QString& wordFile, const std::optional<QString>& output, const QString& groups,
          bool force) {
    if (!output)
        return failWith(QStringLiteral("PDF ファイルを -o で指定してください"));
    const QString& pdfPath = *output;
    const QString refusal = OutputTarget::refusal(pdfPath, wordFile, force);
    if (!refusal.isEmpty())
        return failWith(refusal);
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
        const QString title = Product::titleWith(QFileInfo(wordFile).fileName());
        const auto outcome = PrintWordCards::toPdf(store, chosen, title, pdfPath);
        if (outcome == PrintWordCards::Outcome::Failed)
            return failWith(pdfFailure(pdfPath));
        if (outcome != PrintWordCards::Outcome::Printed)
            return failWith(PrintWordCards::message(outcome));
    } catch (const StoreError& error) {
        return failWith(error.message());
    }
    return 0;
}

int finishOutput(int status) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    // A command that failed has said so already; one line is enough.
    if (status != 0 || (flushed && !std::ferror(stdout)))
        return status;
    const QString reason =
        flushed ? QString() : QStringLiteral("（%1）").arg(IoReason::describe(error));
    return failWith(QStringLiteral("標準出力に書き込めませんでした%1").arg(reason));
}

} // namespace WordsCommands
