// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>
#include <memory>

class WordSpeaker;

// What the speech plugin offers: the real word speaker. QPluginLoader checks this
// interface's id and Qt's build key before the program uses it.
class WordSpeakerPlugin {
public:
    virtual ~WordSpeakerPlugin() = default;
    virtual std::unique_ptr<WordSpeaker> create() = 0;
};

#define WordSpeakerPlugin_iid "org.voku.WordSpeakerPlugin/1"
Q_DECLARE_INTERFACE(WordSpeakerPlugin, WordSpeakerPlugin_iid)
