// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPluginLoader>
#include <QStringList>

// Finding the program's own plugin modules (sound, speech), which it loads on first use so
// that start-up neither links nor loads the libraries behind them.
namespace PluginModule {

// The module beside the program (a build), then the installed one, found from the
// program's folder as the data are.
QStringList defaultPaths(const QString& fileName);

// The first module of paths that offers Interface; null when none does. The module stays
// loaded for the rest of the run: the loader is not unloaded.
template <typename Interface> Interface* load(const QStringList& paths) {
    for (const QString& path : paths) {
        QPluginLoader loader(path);
        if (auto* plugin = qobject_cast<Interface*>(loader.instance()))
            return plugin;
    }
    return nullptr;
}

} // namespace PluginModule
