// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appvalues.h"
#include "app/settingsfiles.h"
#include "support/testfiles.h"

#include <QDir>

// A temporary HOME whose settings folder "VOKU/" exists with an empty VKI030.ini, and values
// pointing into it as start-up leaves them: default display settings and no data file.
class SettingsHome : public testfiles::TempHome {
public:
    SettingsHome() {
        values.DocumentsFolder = documentsFolder();
        values.SettingsFolder = documentsFolder() + QStringLiteral("VOKU/");
        values.DataFileIniPath = settingsFile(SettingsFiles::dataFileFile);
        values.NoDataFile = -1;
        const auto display = SettingsFiles::defaultDisplaySettings();
        values.MainBackColor = display.colours[0];
        values.DrillBackColor = display.colours[1];
        values.NgBackColor = display.colours[2];
        values.ExplainBackColor = display.colours[3];
        values.ExplainTextBackColor = display.colours[4];
        QDir().mkpath(values.SettingsFolder);
        testfiles::writeAll(settingsFile(SettingsFiles::groupSelectionFile), {});
    }

    QString settingsFile(const QString& name) const { return values.SettingsFolder + name; }
    QByteArray settingsBytes(const QString& name) const {
        return testfiles::readAll(settingsFile(name));
    }

    // Makes path the current data file as start-up would, without writing any setting.
    void select(const QString& path) {
        values.DataFilePath = path;
        values.WindowTitle =
            QStringLiteral("VOKU英単カード　") + path.section(QLatin1Char('/'), -1);
        values.NoDataFile = 0;
    }

    AppValues values;
};
