// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class SettingsModule;

// What the start screen does, without the screen: it fills the settings, has the main
// screen loaded hidden, picks the picture and this start's message and advances the
// message index; its button (or close box) hands over to the main screen once.
class StartupSequence {
public:
    struct Steps {
        std::function<void()> loadMainHidden;
        std::function<void()> showMain;
    };

    StartupSequence(SettingsModule& settings, Steps steps);

    void run();
    // The learner goes on; shows the main screen the first time only.
    void begin();

    static QString versionText();
    QString picturePath() const { return picturePath_; } // "" when there is no picture
    QString startMessage() const { return startMessage_; }

    // The message at the file's index; the index advances (wrapping after 15) and the file
    // is rewritten without empty messages. "" and no rewrite when the file is missing.
    static QString takeStartMessage(const QString& path);

private:
    SettingsModule& settings_;
    Steps steps_;
    QString picturePath_;
    QString startMessage_;
    bool begun_ = false;
};
