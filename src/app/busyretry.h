// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class UserDialogs;

// Runs a word store operation. While the file is held by another program (StoreError
// Busy after the store's wait), the learner is asked whether to try again; the operation
// is one transaction, so giving up leaves the file as it was.
namespace BusyRetry {

// True when the operation succeeded, false when the learner gave up. Any other
// StoreError passes through. beforeAsking runs before each question (to take down a busy
// pointer or a progress bar).
bool run(UserDialogs& dialogs, const std::function<void()>& operation,
         const std::function<void()>& beforeAsking = {});

} // namespace BusyRetry
