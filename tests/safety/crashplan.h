// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/settingsfiles.h"

#include <QString>
#include <vector>

// What the store worker does and where, shared by the worker and the test that kills it.
// The worker works on FOLDER/words.vku and the settings files FOLDER/VKI0x0.ini, and logs
// each operation to FOLDER/ops.log as a line "begin OP ARGS..." before it starts and a line
// "done" once it has returned, so that the test knows which operation a kill interrupted.
namespace CrashPlan {

constexpr int groupCount = 20;
constexpr int wordsPerGroup = 150;

QString wordFile(const QString& folder);
QString logFile(const QString& folder);

// The groups of the two practice sets and of the two group resets the worker alternates.
std::vector<int> practiceGroups(int set);
std::vector<int> resetGroups(int set);

QString wordText(int group, int key);
// A fresh word file of groupCount groups of wordsPerGroup never-checked words.
void makeWordFile(const QString& path);

// The settings files the worker rewrites, and the two contents it alternates for each.
const QStringList& settingsFiles();
bool writeSettings(const QString& folder, int variant);

} // namespace CrashPlan
