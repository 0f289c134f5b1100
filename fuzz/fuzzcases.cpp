// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzcases.h"

#include "app/settingsfiles.h"
#include "data/legacy/legacyimport.h"
#include "data/levelclass.h"
#include "data/storeerror.h"
#include "data/textcodec.h"
#include "data/wordcsv.h"
#include "data/wordstore.h"

#include <QFile>

namespace FuzzCases {

namespace {

QString written(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fuzz input to %s", qPrintable(path));
    return path;
}

// SQLite may leave a journal or, for a file in WAL mode, the -wal and -shm files beside
// it; they would leak into the next input.
void removeWordFile(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

void settingsFiles(const QByteArray& bytes, const QString& folder) {
    SettingsFiles::readFreeFormatField(TextCodec::decodeSettings(bytes));
    const QString path = written(folder + QStringLiteral("/settings.ini"), bytes);
    SettingsFiles::readStartMessages(path);
    SettingsFiles::readDataFileSetting(path);
    SettingsFiles::readDisplaySettings(path);
    SettingsFiles::readGroupSelection(path);
    QFile::remove(path);
}

void csvWordList(const QByteArray& bytes, const QString&) {
    try {
        WordCsv::parse(bytes, QStringLiteral("fuzz.csv"));
    } catch (const StoreError&) {
    }
}

void wordDataFile(const QByteArray& bytes, const QString& folder) {
    const QString path = written(folder + QStringLiteral("/fuzz.vku"), bytes);
    try {
        const WordStore store = WordStore::open(path);
        store.groupSummaries();
        for (int rank = 0; rank < LevelClass::Count; ++rank) {
            RankQueue queue = store.rankQueue(rank);
            // A hostile file may hold many rows; a few are enough to exercise the reading.
            for (int row = 0; row < 64 && queue.next(); ++row) {
            }
        }
    } catch (const StoreError&) {
    }
    removeWordFile(path);
}

void legacyWordFile(const QByteArray& bytes, const QString& folder) {
    const QString path = written(folder + QStringLiteral("/legacy.vku"), bytes);
    const QString converted = folder + QStringLiteral("/converted.vku");
    try {
        LegacyImport::convert(path, converted);
    } catch (const StoreError&) {
    }
    QFile::remove(path);
    removeWordFile(converted);
}

} // namespace FuzzCases
