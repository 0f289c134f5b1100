// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where a command may write its output file: never over its own input or any word data
// file, never onto something that is not a regular file (a device, a folder, a FIFO), and
// over another existing file only when the learner asked for it with --force.
namespace OutputTarget {

// Empty when path is a usable file name: not empty and within the system's limits.
QString nameProblem(const QString& path);
// Empty when path may be written, otherwise why not, naming the path.
QString refusal(const QString& path, const QString& input, bool force);

} // namespace OutputTarget
