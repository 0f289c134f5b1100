// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

struct AppValues;
class DataFileSwitch;
class UserDialogs;

// What the data file chooser shows and does: the word data files beside the current one,
// and switching to one of them. Whichever way it ends, it asks for the main screen to be
// shown again.
class DataFileChooserLogic : public QObject {
    Q_OBJECT
public:
    // converterPath: the command-line tool that converts legacy Access word files.
    DataFileChooserLogic(AppValues& values, UserDialogs& dialogs, QString converterPath,
                         QObject* parent = nullptr);

    // Reads the caption and lists the files; tells the learner when the folder is unknown.
    void load();

    const QString& caption() const { return caption_; }
    // File names in the file system's own order.
    const QStringList& files() const { return files_; }

    // Switches to the file at row (-1: nothing selected). False while the chooser stays open,
    // also while a legacy file the learner agreed to convert is being converted.
    bool open(int row);
    void cancel();
    // True while a legacy file is converted; the chooser then waits for it.
    bool isConverting() const;

    // The folder part of a path, with its trailing "/" ("" when the path has none).
    static QString folderOf(const QString& path);

signals:
    // The chooser is done: it closes and the main screen is shown again.
    void finished();
    void convertingChanged(bool converting);
    void conversionProgress(int percent);

private:
    void listFolder(const QString& folder);

    AppValues& values_;
    UserDialogs& dialogs_;
    DataFileSwitch* switch_;
    QString caption_;
    QStringList files_;
};
