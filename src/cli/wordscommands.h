// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

// The subcommands of voku-words. Each returns the process exit status and writes a
// one-line message to standard error when it fails; nothing half-written is left behind.
namespace WordsCommands {

// encoding: a name CsvEncoding knows; empty to recognise it from the bytes.
int importCsv(const QString& csvPath, const QString& outPath, const QString& encoding);
// outPath: standard output when not given. force: replace an existing file that is not a
// word data file.
int exportCsv(const QString& wordFile, const std::optional<QString>& outPath, const QString& table,
              bool force);
int summary(const QString& wordFile);
int convert(const QString& legacyPath, const QString& outPath);
// groups: "3,12"; empty for every group of the file.
int print(const QString& wordFile, const std::optional<QString>& pdfPath, const QString& groups,
          bool force);

// Writes message to standard error as one line headed by the tool's name; returns 1.
int failWith(const QString& message);

// Flushes standard output; a write that failed there turns status into a failure.
int finishOutput(int status);

} // namespace WordsCommands
