// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/levelclass.h"

#include <QString>
#include <QtGlobal>

// The application-wide values: one instance lives for the whole run and is handed to
// every screen through its constructor. Folders end with "/".
struct AppValues {
    QString AppFolder;
    QString DocumentsFolder;
    QString SettingsFolder;
    QString DataFilePath;
    QString DataFileIniPath;
    QString WindowTitle;
    qint16 NoDataFile = 0; // -1: no usable word data file is selected

    // Colours are kept as the decimal text they were read as (see colournumber.h).
    QString MainBackColor;
    QString DrillBackColor;
    QString NgBackColor;
    QString ExplainBackColor;
    QString ExplainTextBackColor;
    qint16 NoSound = 0;       // non-zero: no OK/NG sounds
    qint16 NoExplainOnNg = 0; // non-zero: NG does not open the explanation window

    LevelCounts
        levelCounts{}; // the practice set's counts, handed from the main screen to the drill

    bool hasDataFile() const { return NoDataFile == 0; }
};
