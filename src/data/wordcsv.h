// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordrecord.h"
#include "wordstore.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <vector>

// Word lists as CSV: a header line naming the columns group, key, level, times, word,
// meaning, text1..text6 (level and times may be missing: 0), RFC 4180 quoting, in an
// encoding CsvEncoding reads. An empty unquoted field is Null, "" an empty text.
namespace WordCsv {

// The rows of a CSV word list, its encoding recognised as CsvEncoding does. Throws
// StoreError (Invalid) naming the line of the first problem; source names the file in that
// message.
std::vector<WordRecord> parse(const QByteArray& bytes, const QString& source);
// The same for a list already decoded.
std::vector<WordRecord> parseText(const QString& text, const QString& source);

// Writes a table as CSV: UTF-8 without a byte-order mark, LF line ends, rows by group and
// key, numbers bare and every non-Null text in double quotes.
void write(const WordStore& store, WordStore::Table table, QIODevice& out);

} // namespace WordCsv
