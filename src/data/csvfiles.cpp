// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvfiles.h"

#include "csvencoding.h"
#include "ioreason.h"
#include "wordcsv.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>

namespace CsvFiles {

Imported importFile(const QString& csvPath, const QString& outPath, const QString& encoding,
                    NewWordFile::Existing existing, const WordStore::Progress& progress) {
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly)) {
        const int error = errno;
        throw StoreError(StoreError::Kind::Unreadable, csvPath, IoReason::describe(error));
    }
    const auto decoded = CsvEncoding::decode(csv.readAll(), csvPath, encoding);
    const auto words = WordCsv::parseText(decoded.text, csvPath);
    NewWordFile::write(
        outPath,
        [&words, &progress](WordStore& store) {
            store.insertRows(WordStore::Table::Word, words, progress);
        },
        existing);
    return {qsizetype(words.size()), decoded.encoding};
}

QString exportFile(const WordStore& store, WordStore::Table table, const QString& path) {
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly)) {
        WordCsv::write(store, table, out);
        // A full disk shows only in the flush; commit() alone would keep an empty file.
        if (out.flush() && out.commit())
            return {};
    }
    const int error = errno;
    return QStringLiteral("CSV を書き込めません（%1）: %2").arg(IoReason::describe(error), path);
}

} // namespace CsvFiles
