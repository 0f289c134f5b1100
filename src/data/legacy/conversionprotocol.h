// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// How many rows a conversion wrote to each table.
struct ConversionCounts {
    qint64 word = 0;
    qint64 selected = 0;

    bool operator==(const ConversionCounts&) const = default;
};

// The lines "voku-words convert" prints on standard output for the program that runs it:
// "progress DONE TOTAL" while it reads, and "converted WORDS SELECTED" when the new file
// is complete, so the program can check the file it is handed.
namespace ConversionProtocol {

QByteArray progressLine(qint64 done, qint64 total);
QByteArray resultLine(const ConversionCounts& counts);

// Print the lines on standard output at once (it is a pipe, so not line-buffered).
void writeProgress(qint64 done, qint64 total);
void writeResult(const ConversionCounts& counts);

struct Progress {
    qint64 done = 0;
    qint64 total = 0;
};
std::optional<Progress> parseProgress(QByteArrayView line);
std::optional<ConversionCounts> parseResult(QByteArrayView line);

} // namespace ConversionProtocol
