// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/levelclass.h"

#include <QString>
#include <QtGlobal>

// The application-wide values: one instance lives for the whole run and is handed to
// every screen through its constructor. Folders end with "/".
struct AppValues {
    QString appFolder;
    QString documentsFolder;
    QString settingsFolder;
    QString dataFilePath;
    QString dataFileIniPath;
    QString windowTitle;
    bool noDataFile = false; // no usable word data file is selected

    // Colours are kept as the decimal text they were read as (see colournumber.h).
    QString mainBackColor;
    QString drillBackColor;
    QString ngBackColor;
    QString explainBackColor;
    QString explainTextBackColor;
    qint16 noSound = 0;       // non-zero: no OK/NG sounds
    qint16 noExplainOnNg = 0; // non-zero: NG does not open the explanation window

    LevelCounts
        levelCounts{}; // the practice set's counts, handed from the main screen to the drill

    bool hasDataFile() const { return !noDataFile; }
};
