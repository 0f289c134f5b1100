// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordspeaker.h"

#include <memory>

class QTextToSpeech;

// Says words with Qt TextToSpeech, preferring the offline flite engine and an English
// voice. The engine is made on the first word, so nothing of the audio system is touched
// before. Without an audio device, or when no engine starts, it stays silent.
class QtWordSpeaker : public WordSpeaker {
public:
    QtWordSpeaker();
    ~QtWordSpeaker() override;

    void speak(const QString& word) override;
    bool isSpeaking() const override;

private:
    QTextToSpeech* engine();
    static std::unique_ptr<QTextToSpeech> startEngine();

    bool started_ = false;
    bool heard_ = false; // the engine reported the last word as heard
    std::unique_ptr<QTextToSpeech> speech_;
};
