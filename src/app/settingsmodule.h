// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appvalues.h"

#include <QString>

class UserDialogs;

// The settings module: fills the application-wide values from the folders and settings
// files at start and prepares the settings folder on the first run.
// Bad or missing settings never stop the program; it goes on with the values in memory.
class SettingsModule {
public:
    // executableFolder is where the program runs from; when it holds no "Vokuini.ini"
    // (an installed program) the data are in ../share/voku/ beside it.
    SettingsModule(AppValues& values, UserDialogs& dialogs, const QString& executableFolder);

    // Settings folder name used when "Vokuini.ini" is missing or names nothing.
    static QString defaultSettingsFolderName();

    void findDocumentsFolder();
    void findAppFolder();
    void prepareSettingsFolder();
    void loadDisplaySettings();
    void loadDataFileSetting();

    AppValues& values() { return values_; }

private:
    QString settingsFolderName() const;
    bool settingsFolderComplete() const;
    QString copyMissingTemplateFiles() const;
    void warnWhenUnwritable() const;

    AppValues& values_;
    UserDialogs& dialogs_;
    QString executableFolder_;
    QString installedDataFolder_;
};
