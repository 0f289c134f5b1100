// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazywordspeaker.h"

#include "pluginmodule.h"
#include "wordspeakerplugin.h"

LazyWordSpeaker::LazyWordSpeaker(QStringList modulePaths)
    : modulePaths_(std::move(modulePaths)) {}

LazyWordSpeaker::~LazyWordSpeaker() = default;

void LazyWordSpeaker::speak(const QString& word) {
    if (!tried_) {
        tried_ = true;
        if (auto* plugin = PluginModule::load<WordSpeakerPlugin>(modulePaths_))
            speaker_ = plugin->create();
    }
    if (speaker_)
        speaker_->speak(word);
}

QStringList LazyWordSpeaker::defaultModulePaths() {
    return PluginModule::defaultPaths(QStringLiteral("libvoku_speech.so"));
}
