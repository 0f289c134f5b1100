// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>
#include <memory>

class SoundPlayer;
struct AppValues;

// What the sound plugin offers: the real sound player. QPluginLoader checks this
// interface's id and Qt's build key before the program uses it.
class SoundPlayerPlugin {
public:
    virtual ~SoundPlayerPlugin() = default;
    virtual std::unique_ptr<SoundPlayer> create(const AppValues& values) = 0;
};

#define SoundPlayerPlugin_iid "org.voku.SoundPlayerPlugin/1"
Q_DECLARE_INTERFACE(SoundPlayerPlugin, SoundPlayerPlugin_iid)
