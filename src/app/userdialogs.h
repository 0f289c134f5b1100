// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

// Everything that asks the learner something in a dialog of its own: message boxes and
// the file and colour pickers. The screens' logic talks to this seam only, so tests can
// answer for the learner; QtUserDialogs is the real one.
class UserDialogs {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };

    virtual ~UserDialogs() = default;

    // A message with an OK button only; the title is always "VOKU英単カード".
    virtual void inform(const QString& text, Icon icon = Icon::None) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text, Icon icon = Icon::Question) = 0;
    // The open dialog for word data files; an empty string when cancelled.
    virtual QString chooseDataFile(const QString& startFolder) = 0;
    // A file name to save cards as PDF; an empty string when cancelled.
    virtual QString choosePdfFile(const QString& suggestedPath) = 0;
    // The open dialog for CSV word lists; an empty string when cancelled.
    virtual QString chooseCsvFile(const QString& startFolder) = 0;
    // A file name to save as, offering files of filter ("CSV (*.csv)"); the dialog asks
    // before an existing file is taken. An empty string when cancelled.
    virtual QString chooseSaveFile(const QString& suggestedPath, const QString& filter) = 0;
    // A question answered with one of choices (one button each) or Cancel; the choice taken,
    // or an empty string.
    virtual QString chooseOne(const QString& text, const QStringList& choices) = 0;
    // The colour picker starting from initial; nothing when cancelled.
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
};
