// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversionprotocol.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

class QTemporaryDir;

// Converts a legacy word file in place when the learner opens it. The conversion runs
// in the command-line tool ("TOOL convert OLD NEW") as a child process with a time limit,
// because libmdb is not hardened against damaged files: a crash or hang there must not
// take the program down. The new file is written in a temporary folder beside the old
// one, checked, and then takes the old file's name while the old file becomes NAME.bak.
// On any failure the old file stays where and as it was and the temporary folder goes.
class LegacyConversion : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        bool ok = false;
        QString message;
        QString backupPath; // where the legacy file was kept, when ok
    };

    static constexpr std::chrono::milliseconds defaultTimeLimit{std::chrono::minutes(2)};

    explicit LegacyConversion(QString toolPath, QObject* parent = nullptr);
    ~LegacyConversion() override;

    void setTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }
    // Starts the conversion; progress() follows while the tool reads, finished() at the end.
    // Ignored while a conversion runs.
    void start(const QString& legacyPath);
    bool isRunning() const { return process_ != nullptr; }
    const Outcome& outcome() const { return outcome_; }

signals:
    void progress(qint64 done, qint64 total);
    void finished(bool ok, const QString& message);

private:
    QString newPath() const;
    void readOutput();
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void processFailed(QProcess::ProcessError error);
    void timeUp();
    Outcome childOutcome(int exitCode, QProcess::ExitStatus status);
    Outcome install();
    void fail(const QString& reason);
    void finish(Outcome outcome);

    QString toolPath_;
    std::chrono::milliseconds timeLimit_ = defaultTimeLimit;
    QString legacyPath_;
    std::unique_ptr<QTemporaryDir> workFolder_;
    QProcess* process_ = nullptr;
    QTimer timer_;
    std::optional<ConversionCounts> counts_;
    bool timedOut_ = false;
    Outcome outcome_;
};
