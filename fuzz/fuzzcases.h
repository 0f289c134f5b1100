// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What each fuzz target does with one input, shared with the regression test that replays
// the inputs the fuzzers once failed on. Each case writes the bytes as a file in folder,
// runs the readers on it and removes what it wrote. The documented failures (StoreError, or
// nothing for the settings readers) are expected; anything else escapes to the caller.
namespace FuzzCases {

// Every settings-file reader on the bytes as each of the four settings files.
void settingsFiles(const QByteArray& bytes, const QString& folder);
// The CSV importer's parser (which needs no file).
void csvWordList(const QByteArray& bytes, const QString& folder = {});
// Opening the bytes as a word data file, then the summary and every rank's queue.
void wordDataFile(const QByteArray& bytes, const QString& folder);
// Converting the bytes as a legacy (Jet/ACE) word file, as voku-words convert does.
void legacyWordFile(const QByteArray& bytes, const QString& folder);

} // namespace FuzzCases
