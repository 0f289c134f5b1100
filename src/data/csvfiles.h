// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "newwordfile.h"
#include "wordstore.h"

#include <QString>

// CSV word lists as files, for the command line and the main screen's menu alike: a new
// word data file made from a list, and a table written out as one.
namespace CsvFiles {

struct Imported {
    qsizetype words = 0;
    QString encoding; // the canonical name of the encoding read
};

// Reads the list at csvPath in encoding (empty: recognised from the bytes) and makes the
// word data file outPath of it, all or nothing (NewWordFile). progress follows the words
// written and may throw to stop. Throws StoreError, CsvEncoding::Doubt when recognition
// cannot choose.
Imported importFile(const QString& csvPath, const QString& outPath, const QString& encoding,
                    NewWordFile::Existing existing, const WordStore::Progress& progress = {});

// Writes a table of store as CSV to path, replacing it in one step. Empty on success,
// otherwise why not, naming path.
QString exportFile(const WordStore& store, WordStore::Table table, const QString& path);

} // namespace CsvFiles
