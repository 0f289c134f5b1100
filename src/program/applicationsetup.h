// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// What the program tells Qt and the desktop about itself before its first window: its
// name (the task bar's caption for a window without a title), icon, desktop entry and
// the Japanese texts of Qt's own dialogs.
class ApplicationSetup {
public:
    static void apply(QApplication& app);

private:
    static void loadQtJapanese(QApplication& app);
};
