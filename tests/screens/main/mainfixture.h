// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakedialogs.h"

#include "app/appvalues.h"
#include "data/wordrecord.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <vector>

// A temporary home with a settings folder, values that point into it, fake dialogs, and
// word files made on request.
struct MainFixture {
    MainFixture();

    // Words given as (group, number of words, level, times).
    struct Groups {
        int group;
        int words;
        int level = 0;
        int times = 0;
    };
    // Makes a word file in the temporary folder.
    QString makeWordFile(const QString& name, const std::vector<Groups>& groups) const;
    // Makes it current, as the start-up would have.
    void select(const QString& path);

    QString settingsFile(const QString& name) const { return values.SettingsFolder + name; }
    QByteArray settingsBytes(const QString& name) const;
    std::vector<WordRecord> rows(const QString& path, bool selected) const;

    testfiles::TempHome home;
    QTemporaryDir dir;
    AppValues values;
    FakeDialogs dialogs;
    FakeOpener opener;
};
