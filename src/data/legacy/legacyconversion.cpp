// SPDX-License-Identifier: GPL-3.0-or-later
#include "legacyconversion.h"

#include "convertedfile.h"
#include "data/storeerror.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <sys/prctl.h>

namespace {

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

LegacyConversion::LegacyConversion(QString toolPath, QObject* parent)
    : QObject(parent)
    , toolPath_(std::move(toolPath)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &LegacyConversion::timeUp);
}

LegacyConversion::~LegacyConversion() {
    if (!process_)
        return;
    process_->disconnect(this);
    process_->kill();
    process_->waitForFinished();
}

void LegacyConversion::start(const QString& legacyPath) {
    if (process_)
        return;
    legacyPath_ = legacyPath;
    counts_.reset();
    timedOut_ = false;
    const QFileInfo legacy(legacyPath);
    if (!legacy.isFile())
        return finish({false, StoreError(StoreError::Kind::Missing, legacyPath).message(), {}});
    // A folder of our own beside the file keeps the new file on the same file system (so
    // it can be renamed into place) and takes whatever a killed tool left behind with it.
    workFolder_ =
        std::make_unique<QTemporaryDir>(legacy.absolutePath() + QStringLiteral("/.") +
                                        legacy.fileName() + QStringLiteral(".converting-XXXXXX"));
    if (!workFolder_->isValid())
        return fail(QStringLiteral("フォルダ %1 に書き込めないため、変換できません。")
                        .arg(legacy.absolutePath()));
    process_ = new QProcess(this);
    // The tool must not go on converting when the program that waits for it is gone.
    process_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(process_, &QProcess::readyReadStandardOutput, this, &LegacyConversion::readOutput);
    connect(process_, &QProcess::finished, this, &LegacyConversion::processFinished);
    connect(process_, &QProcess::errorOccurred, this, &LegacyConversion::processFailed);
    timer_.start(timeLimit_);
    process_->start(toolPath_, {QStringLiteral("convert"), legacy.absoluteFilePath(), newPath()});
}

QString LegacyConversion::newPath() const {
    return workFolder_->filePath(fileName(legacyPath_));
}

void LegacyConversion::readOutput() {
    while (process_->canReadLine()) {
        const QByteArray line = process_->readLine();
        if (const auto step = ConversionProtocol::parseProgress(line))
            emit progress(step->done, step->total);
        else if (const auto counts = ConversionProtocol::parseResult(line))
            counts_ = counts;
    }
}

void LegacyConversion::timeUp() {
    timedOut_ = true;
    process_->kill();
}

void LegacyConversion::processFailed(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || !process_)
        return;
    timer_.stop();
    fail(QStringLiteral("変換ツール %1 を起動できませんでした。").arg(toolPath_));
}

void LegacyConversion::processFinished(int exitCode, QProcess::ExitStatus status) {
    timer_.stop();
    readOutput();
    finish(childOutcome(exitCode, status));
}

LegacyConversion::Outcome LegacyConversion::childOutcome(int exitCode,
                                                         QProcess::ExitStatus status) {
    const QString keptNote = QStringLiteral("\n元のファイルは変更していません。");
    if (timedOut_)
        return {false,
                QStringLiteral("変換が %1 秒以内に終わらなかったため、中止しました。\n%2")
                        .arg(timeLimit_.count() / 1000.0)
                        .arg(legacyPath_) +
                    keptNote,
                {}};
    if (status == QProcess::CrashExit)
        return {false,
                QStringLiteral("ファイルを読み込む途中で変換ツールが異常終了しました。"
                               "ファイルが壊れている可能性があります。\n%1")
                        .arg(legacyPath_) +
                    keptNote,
                {}};
    if (exitCode != 0) {
        // The tool's one line, without the tool's name that heads it in a terminal.
        QString reason = QString::fromUtf8(process_->readAllStandardError()).trimmed();
        reason.remove(QRegularExpression(QStringLiteral("^voku-words: ")));
        if (reason.isEmpty())
            reason = QStringLiteral("変換ツールが終了コード %1 で終わりました。\n%2")
                         .arg(exitCode)
                         .arg(legacyPath_);
        return {false, reason + keptNote, {}};
    }
    if (!counts_)
        return {false,
                QStringLiteral("変換ツールが結果を報告しませんでした。\n%1").arg(legacyPath_) +
                    keptNote,
                {}};
    return install();
}

LegacyConversion::Outcome LegacyConversion::install() {
    try {
        const QString backup = ConvertedFile::install(legacyPath_, newPath(), *counts_);
        return {true,
                QStringLiteral("%1 を新しい形式に変換しました。元のファイルは %2 "
                               "として残してあります。")
                    .arg(fileName(legacyPath_), fileName(backup)),
                backup};
    } catch (const StoreError& error) {
        return {false, error.message() + QStringLiteral("\n元のファイルは変更していません。"), {}};
    }
}

void LegacyConversion::fail(const QString& reason) {
    finish({false, reason + QStringLiteral("\n元のファイルは変更していません。"), {}});
}

void LegacyConversion::finish(Outcome outcome) {
    if (process_) {
        process_->disconnect(this);
        process_->deleteLater();
        process_ = nullptr;
    }
    workFolder_.reset();
    outcome_ = std::move(outcome);
    emit finished(outcome_.ok, outcome_.message);
}
