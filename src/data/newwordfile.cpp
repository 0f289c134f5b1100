// SPDX-License-Identifier: GPL-3.0-or-later
#include "newwordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace NewWordFile {

namespace {

void removeWithJournal(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

} // namespace

void write(const QString& path, const std::function<void(WordStore&)>& fill) {
    if (QFileInfo::exists(path))
        throw StoreError(StoreError::Kind::Failed, path,
                         QStringLiteral("同じ名前のファイルがすでにあります"));
    QString temporary;
    {
        // Reserve a unique name in the target's folder, then let SQLite create the file there.
        QTemporaryFile reserve(path + QStringLiteral(".XXXXXX.part"));
        if (!reserve.open())
            throw StoreError(StoreError::Kind::Failed, path,
                             QStringLiteral("フォルダーに書き込めません"));
        temporary = reserve.fileName();
    }
    try {
        WordStore store = WordStore::create(temporary);
        fill(store);
    } catch (...) {
        removeWithJournal(temporary);
        throw;
    }
    if (!QFile::rename(temporary, path)) {
        removeWithJournal(temporary);
        throw StoreError(StoreError::Kind::Failed, path,
                         QStringLiteral("ファイル名を変えられません"));
    }
}

} // namespace NewWordFile
