// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appvalues.h"

#include <QString>

// Word files and application values for the tools' tests.
namespace toolstestdata {

// Makes a word data file of count words: group i / 100 + 1, word "word<i>", meaning
// "意味<i>" (Null for every seventh word).
void makeWordFile(const QString& path, int count);

// Makes settingsFolder with VKI010.ini naming dataFile and VKI030.ini holding one group
// tag, and returns the values as the start-up leaves them (default display settings).
AppValues valuesFor(const QString& settingsFolder, const QString& dataFile);

} // namespace toolstestdata
