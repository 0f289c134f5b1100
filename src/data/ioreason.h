// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why a file operation failed, in words for the learner, from the system's error number.
namespace IoReason {

QString describe(int error);

} // namespace IoReason
