// SPDX-License-Identifier: GPL-3.0-or-later
#include "convertedfile.h"

#include "data/wordstore.h"
#include "siblingpath.h"

#include <QFile>

namespace ConvertedFile {

namespace {

qint64 countRows(const WordStore& store, WordStore::Table table) {
    qint64 count = 0;
    store.forEachRow(table, [&count](const WordRecord&) { ++count; });
    return count;
}

void check(const QString& newPath, const ConversionCounts& expected) {
    const WordStore store = WordStore::open(newPath);
    const ConversionCounts found{countRows(store, WordStore::Table::Word),
                                 countRows(store, WordStore::Table::Selected)};
    if (found != expected)
        throw StoreError(StoreError::Kind::Failed, newPath,
                         QStringLiteral("変換後の行数が合いません: word %1 行（%2 行のはず）、"
                                        "selected %3 行（%4 行のはず）")
                             .arg(found.word)
                             .arg(expected.word)
                             .arg(found.selected)
                             .arg(expected.selected));
}

} // namespace

QString install(const QString& legacyPath, const QString& newPath,
                const ConversionCounts& expected) {
    check(newPath, expected);
    const QString backup = SiblingPath::free(legacyPath + QStringLiteral(".bak"));
    if (!QFile::rename(legacyPath, backup))
        throw StoreError(StoreError::Kind::Failed, legacyPath,
                         QStringLiteral("元のファイルの名前を %1 に変えられません").arg(backup));
    if (!QFile::rename(newPath, legacyPath)) {
        QFile::rename(backup, legacyPath);
        throw StoreError(StoreError::Kind::Failed, legacyPath,
                         QStringLiteral("変換したファイルをこの名前で置けません"));
    }
    return backup;
}

} // namespace ConvertedFile
