// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

struct AppValues;
class QThread;
class UserDialogs;
class WordStore;

// The main screen's CSV commands: a new word data file made from a CSV word list, and the
// current file's words written out as CSV, with the code voku-words uses. The import runs
// on a worker thread so that the window stays responsive; the learner is asked about an
// encoding recognition cannot choose, and whether to open the new file.
class CsvTransfer : public QObject {
    Q_OBJECT
public:
    CsvTransfer(const AppValues& values, UserDialogs& dialogs, QObject* parent = nullptr);
    // Stops an import still running; it leaves nothing behind.
    ~CsvTransfer() override;

    bool isImporting() const { return worker_ != nullptr; }
    // Asks for the CSV and the new file, then starts the import.
    void importCsv();
    void exportCsv(const WordStore& store);

signals:
    void importingChanged(bool importing);
    void progress(qint64 done, qint64 total);
    // The learner wants the new file opened.
    void openRequested(const QString& path);

private:
    struct Job;

    void start(const QString& csvPath, const QString& outPath, const QString& encoding);
    void reportProgress(qint64 done, qint64 total);
    void finish();

    const AppValues& values_;
    UserDialogs& dialogs_;
    std::shared_ptr<Job> job_;
    QThread* worker_ = nullptr;
};
