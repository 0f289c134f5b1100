// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordspeaker.h"

#include <QStringList>
#include <memory>

// The program's word speaker. Qt TextToSpeech and its engine would slow every start for a
// feature many learners never use, so the real speaker (QtWordSpeaker) lives in a module of
// its own that is loaded on the first word. Without the module: silence.
class LazyWordSpeaker : public WordSpeaker {
public:
    // modulePaths: where to look for the speech module, in order.
    explicit LazyWordSpeaker(QStringList modulePaths);
    ~LazyWordSpeaker() override;

    void speak(const QString& word) override;
    bool isSpeaking() const override { return speaker_ && speaker_->isSpeaking(); }
    // True once the module was found and loaded (on the first word).
    bool hasModule() const { return speaker_ != nullptr; }

    static QStringList defaultModulePaths();

private:
    QStringList modulePaths_;
    bool tried_ = false;
    std::unique_ptr<WordSpeaker> speaker_;
};
