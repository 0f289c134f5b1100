// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The subcommands of voku-words. Each returns the process exit status and writes a
// one-line message to standard error when it fails; nothing half-written is left behind.
namespace WordsCommands {

int importCsv(const QString& csvPath, const QString& outPath);
int exportCsv(const QString& wordFile, const QString& outPath, const QString& table);
int summary(const QString& wordFile);
int convert(const QString& legacyPath, const QString& outPath);
// groups: "3,12"; empty for every group of the file.
int print(const QString& wordFile, const QString& pdfPath, const QString& groups);

} // namespace WordsCommands
