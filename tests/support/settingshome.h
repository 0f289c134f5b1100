// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appvalues.h"
#include "app/datafileswitch.h"
#include "app/settingsfiles.h"
#include "support/testfiles.h"

// A temporary HOME whose settings folder "VOKU/" exists with an empty VKI030.ini, and values
// pointing into it as start-up leaves them: default display settings and no data file.
class SettingsHome : public testfiles::TempHome {
public:
    SettingsHome() {
        values.documentsFolder = documentsFolder();
        values.settingsFolder = documentsFolder() + QStringLiteral("VOKU/");
        values.dataFileIniPath = settingsFile(SettingsFiles::dataFileFile);
        values.noDataFile = true;
        const auto colours = SettingsFiles::defaultDisplaySettings().colours;
        values.mainBackColor = colours[0];
        values.drillBackColor = colours[1];
        values.ngBackColor = colours[2];
        values.explainBackColor = colours[3];
        values.explainTextBackColor = colours[4];
        testfiles::writeAll(settingsFile(SettingsFiles::groupSelectionFile), {});
    }

    QString settingsFile(const QString& name) const { return values.settingsFolder + name; }
    QByteArray settingsBytes(const QString& name) const {
        return testfiles::readAll(settingsFile(name));
    }

    // Makes path the current data file as start-up would, without writing any setting.
    void select(const QString& path) {
        values.dataFilePath = path;
        values.windowTitle = DataFileSwitch::windowTitleFor(path);
        values.noDataFile = false;
    }

    AppValues values;
};
