// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

struct AppValues;
class LegacyConversion;
class UserDialogs;

// Makes another word data file the current one, for the open dialog, the data file
// chooser, the command line and a later copy of the program alike. The file is checked
// first: one that cannot be opened is reported and changes nothing; a legacy file is
// converted when the learner agrees. A settings file that cannot be written is reported
// and the switch goes on in memory.
class DataFileSwitch : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Switched, Converting, Refused };

    // converterPath: the command-line tool that converts legacy word files.
    DataFileSwitch(AppValues& values, UserDialogs& dialogs, QString converterPath,
                   QObject* parent = nullptr);

    Outcome open(const QString& path);
    // The current file turned out to be a legacy one: offers its conversion. Declined or
    // failed, the program goes on without a data file.
    void convertCurrent();
    bool isConverting() const { return conversion_ != nullptr; }

    // "VOKU英単カード", a full-width space and the file name of path; "" for "".
    static QString windowTitleFor(const QString& path);

signals:
    // The values name a usable file now (a new one, or the current one converted).
    void switched();
    void convertingChanged(bool converting);
    void conversionProgress(qint64 done, qint64 total);

private:
    bool startConversion(const QString& path, bool makeCurrent);
    void conversionFinished(const QString& path, bool makeCurrent, bool ok, const QString& message);
    void makeCurrent(const QString& path);
    bool writeSetting(bool written, const QString& path);

    AppValues& values_;
    UserDialogs& dialogs_;
    QString converterPath_;
    LegacyConversion* conversion_ = nullptr;
};
