// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

struct AppValues;
class LegacyConversion;
class UserDialogs;

// What the data file chooser shows and does: the word data files beside the current one,
// and switching to one of them (settings files, window title, legacy conversion). Whichever
// way it ends, it asks for the main screen to be shown again.
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
    bool isConverting() const { return conversion_ != nullptr; }

    // The folder part of a path, with its trailing "/" ("" when the path has none).
    static QString folderOf(const QString& path);
    // "VOKU英単カード", a full-width space and the file name of path.
    static QString windowTitleFor(const QString& path);

signals:
    // The chooser is done: it closes and the main screen is shown again.
    void finished();
    void convertingChanged(bool converting);
    void conversionProgress(int percent);

private:
    void listFolder(const QString& folder);
    void offerConversion(const QString& path);
    void conversionFinished(const QString& path, bool ok, const QString& message);
    bool switchTo(const QString& path);
    bool writeSettings(const QString& path);

    AppValues& values_;
    UserDialogs& dialogs_;
    QString converterPath_;
    QString caption_;
    QStringList files_;
    LegacyConversion* conversion_ = nullptr;
};
