// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

// The word file and settings files the crash and small-disk tests write, shared with the
// store worker that the crash test kills.
namespace CrashPlan {

constexpr int wordsPerGroup = 150;

inline QString wordFile(const QString& folder) {
    return folder + QStringLiteral("/words.vku");
}
// The groups of the two practice sets the worker alternates.
std::vector<int> practiceGroups(int set);
// A fresh word file of never-checked words, with practice set 0 built.
void makeWordFile(const QString& path);
// Writes the settings files the worker rewrites, in one of two contents (0 or 1).
bool writeSettings(const QString& folder, int variant);

} // namespace CrashPlan
