// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Says an English word aloud. Without a speech engine or an audio device it stays silent,
// never a message or a wait. QtWordSpeaker is the real one, loaded by LazyWordSpeaker.
class WordSpeaker {
public:
    virtual ~WordSpeaker() = default;
    // Starts saying word, cutting short the word still being said; returns at once.
    virtual void speak(const QString& word) = 0;
    // True while a word is being heard.
    virtual bool isSpeaking() const = 0;
};
