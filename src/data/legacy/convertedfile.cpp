// SPDX-License-Identifier: GPL-3.0-or-later
#include "convertedfile.h"

#include "data/wordstore.h"
#include "siblingpath.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

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

// The backup is a second name for the legacy file (a copy where the file system has no hard
// links), so the learner's path names a whole file at every moment of the swap.
void keepBackup(const QString& legacyPath, const QString& backup) {
    if (::link(QFile::encodeName(legacyPath).constData(), QFile::encodeName(backup).constData()) ==
        0)
        return;
    const int error = errno;
    if ((error == EPERM || error == EOPNOTSUPP || error == EMLINK) &&
        QFile::copy(legacyPath, backup))
        return;
    throw StoreError(StoreError::Kind::Failed, legacyPath,
                     QStringLiteral("元のファイルを %1 として残せません（%2）")
                         .arg(backup, QString::fromLocal8Bit(std::strerror(error))));
}

// Makes the renames survive a power cut before the learner is told they are done.
void syncFolder(const QString& path) {
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

} // namespace

QString install(const QString& legacyPath, const QString& newPath,
                const ConversionCounts& expected) {
    check(newPath, expected);
    const QString backup = SiblingPath::free(legacyPath + QStringLiteral(".bak"));
    keepBackup(legacyPath, backup);
    // One rename replaces the legacy file by the new one at once; a crash before it leaves
    // the legacy file in place (and its backup name), a crash after it the converted file.
    if (std::rename(QFile::encodeName(newPath).constData(),
                    QFile::encodeName(legacyPath).constData()) != 0) {
        QFile::remove(backup);
        throw StoreError(StoreError::Kind::Failed, legacyPath,
                         QStringLiteral("変換したファイルをこの名前で置けません"));
    }
    syncFolder(legacyPath);
    return backup;
}

} // namespace ConvertedFile
