// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppValues;
class DocumentOpener;
class UserDialogs;

// The PDF manual in the program's folder, opened from the help menus of the main and
// drill screens.
namespace Manual {

// Opens it in the desktop's viewer; when nothing can, tells the learner where it is.
void open(const AppValues& values, DocumentOpener& opener, UserDialogs& dialogs);

} // namespace Manual
