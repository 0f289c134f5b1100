// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qtwordspeaker.h"
#include "app/wordspeakerplugin.h"

#include <QObject>

// The speech plugin's entry: hands out QtWordSpeaker, so that Qt TextToSpeech is loaded
// only with the first word spoken.
class QtSpeechPlugin : public QObject, public WordSpeakerPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WordSpeakerPlugin_iid)
    Q_INTERFACES(WordSpeakerPlugin)

public:
    std::unique_ptr<WordSpeaker> create() override { return std::make_unique<QtWordSpeaker>(); }
};
