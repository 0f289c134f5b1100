// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "userdialogs.h"

// The real dialogs: message boxes titled "VOKU英単カード" and Qt's own file and colour
// pickers (never the desktop's native ones, so they behave alike everywhere). Each is
// modal to the window that is active when it opens.
class QtUserDialogs : public UserDialogs {
public:
    static QString title();

    void inform(const QString& text, Icon icon = Icon::None) override;
    bool askYesNo(const QString& text, Icon icon = Icon::Question) override;
    QString chooseDataFile(const QString& startFolder) override;
    QString choosePdfFile(const QString& suggestedPath) override;
    QString chooseCsvFile(const QString& startFolder) override;
    QString chooseSaveFile(const QString& suggestedPath, const QString& filter) override;
    QString chooseOne(const QString& text, const QStringList& choices) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
};
