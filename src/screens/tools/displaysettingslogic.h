// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <array>

struct AppValues;
class UserDialogs;

// The display settings dialog's state: a working copy of the five colours (kept as the
// colour number texts they were read as, so a system colour survives untouched) and the
// two option boxes, which change the application's flags at once.
class DisplaySettingsLogic : public QObject {
    Q_OBJECT
public:
    static constexpr int SwatchCount = 5;

    DisplaySettingsLogic(AppValues& values, UserDialogs& dialogs, QObject* parent = nullptr);

    // The colour number text of swatch index, and the colour it shows.
    const QString& colourNumber(int index) const { return colours_.at(index); }
    QColor swatchColour(int index) const;
    bool noSoundTicked() const { return noSoundTicked_; }
    bool noExplainOnNgTicked() const { return noExplainOnNgTicked_; }

    // Opens the colour picker from the swatch's colour; a cancelled picker keeps it.
    void chooseColour(int index);
    void setNoSound(bool ticked);
    void setNoExplainOnNg(bool ticked);
    void restoreDefaults();
    // Applies the colours and writes VKI020.ini; false, after telling the learner, when
    // the file cannot be written (the values stay in use for this run).
    bool accept();

    static QString labelText(int index);

signals:
    void changed();

private:
    AppValues& values_;
    UserDialogs& dialogs_;
    std::array<QString, SwatchCount> colours_;
    bool noSoundTicked_;
    bool noExplainOnNgTicked_;
};
