// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvtransfer.h"

#include "busycursor.h"

#include "app/appvalues.h"
#include "app/userdialogs.h"
#include "data/csvencoding.h"
#include "data/csvfiles.h"
#include "data/outputtarget.h"

#include <QFileInfo>
#include <QThread>
#include <atomic>

namespace {

// Where a file picker starts: beside the current word file, else in the documents folder.
QString startFolder(const AppValues& values) {
    return values.dataFilePath.isEmpty() ? values.documentsFolder
                                         : QFileInfo(values.dataFilePath).absolutePath();
}

// Empty when path may be written. The save dialog has asked before an existing file was
// taken; what voku-words never writes over (its input, a word data file, a device) stays
// refused.
QString refusal(const QString& path, const QString& input) {
    return OutputTarget::refusal(path, input, true);
}

// path with its ending replaced by suffix.
QString withSuffix(const QString& path, const QString& suffix) {
    const QFileInfo file(path);
    return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + suffix;
}

QString doubtQuestion(const CsvEncoding::Doubt& doubt) {
    QString text =
        QStringLiteral("CSV の文字コードを決められません。%1 行目は次のように読めます。\n")
            .arg(doubt.line());
    for (const auto& reading : doubt.readings())
        text += QStringLiteral("\n%1: 「%2」").arg(reading.encoding, reading.line);
    return text + QStringLiteral("\n\nどの文字コードで読みますか？");
}

} // namespace

// What the worker thread is given and hands back; read by the window's thread only once
// the worker has ended.
struct CsvTransfer::Job {
    QString csvPath, outPath, encoding;
    std::atomic<bool> stop{false};
    std::optional<CsvFiles::Imported> imported;
    std::optional<CsvEncoding::Doubt> doubt;
    QString failure;
};

CsvTransfer::CsvTransfer(const AppValues& values, UserDialogs& dialogs, QObject* parent)
    : QObject(parent)
    , values_(values)
    , dialogs_(dialogs) {}

CsvTransfer::~CsvTransfer() {
    if (!worker_)
        return;
    job_->stop = true;
    worker_->wait();
    delete worker_;
}

void CsvTransfer::importCsv() {
    if (isImporting())
        return;
    const QString csvPath = dialogs_.chooseCsvFile(startFolder(values_));
    if (csvPath.isEmpty())
        return;
    const QString outPath = dialogs_.chooseSaveFile(withSuffix(csvPath, QStringLiteral(".vku")),
                                                    QStringLiteral("単語データ (*.vku)"));
    if (outPath.isEmpty())
        return;
    if (const QString refused = refusal(outPath, csvPath); !refused.isEmpty())
        return dialogs_.inform(refused, UserDialogs::Icon::Critical);
    start(csvPath, outPath, {});
}

void CsvTransfer::start(const QString& csvPath, const QString& outPath, const QString& encoding) {
    job_ = std::make_shared<Job>();
    job_->csvPath = csvPath;
    job_->outPath = outPath;
    job_->encoding = encoding;
    worker_ = QThread::create([this, job = job_] {
        const auto progress = [this, &job](qint64 done, qint64 total) {
            if (job->stop)
                throw StoreError(StoreError::Kind::Failed, job->outPath,
                                 QStringLiteral("中止しました"));
            reportProgress(done, total);
        };
        try {
            job->imported = CsvFiles::importFile(job->csvPath, job->outPath, job->encoding,
                                                 NewWordFile::Existing::Replace, progress);
        } catch (const CsvEncoding::Doubt& doubt) {
            job->doubt = doubt;
        } catch (const StoreError& error) {
            job->failure = error.message();
        }
    });
    connect(worker_, &QThread::finished, this, &CsvTransfer::finish);
    emit importingChanged(true);
    emit progress(0, 0);
    worker_->start();
}

void CsvTransfer::reportProgress(qint64 done, qint64 total) {
    // Called on the worker thread: the signal goes out on the window's.
    QMetaObject::invokeMethod(
        this, [this, done, total] { emit progress(done, total); }, Qt::QueuedConnection);
}

void CsvTransfer::finish() {
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;
    const std::shared_ptr<Job> job = std::move(job_);
    emit importingChanged(false);
    if (job->doubt) {
        QStringList encodings;
        for (const auto& reading : job->doubt->readings())
            encodings << reading.encoding;
        const QString chosen = dialogs_.chooseOne(doubtQuestion(*job->doubt), encodings);
        if (!chosen.isEmpty())
            start(job->csvPath, job->outPath, chosen);
        return;
    }
    if (!job->imported)
        return dialogs_.inform(job->failure, UserDialogs::Icon::Critical);
    const QString question = QStringLiteral("%1 語を %2 として読み込み、単語データを作りました。\n"
                                            "%3\n\nこの単語データを開きますか？")
                                 .arg(job->imported->words)
                                 .arg(job->imported->encoding, job->outPath);
    if (dialogs_.askYesNo(question, UserDialogs::Icon::Question))
        emit openRequested(job->outPath);
}

void CsvTransfer::exportCsv(const WordStore& store) {
    const QString path = dialogs_.chooseSaveFile(
        withSuffix(values_.dataFilePath, QStringLiteral(".csv")), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (const QString refused = refusal(path, values_.dataFilePath); !refused.isEmpty())
        return dialogs_.inform(refused, UserDialogs::Icon::Critical);
    QString failure;
    {
        const BusyCursor busy;
        try {
            failure = CsvFiles::exportFile(store, WordStore::Table::Word, path);
        } catch (const StoreError& error) {
            failure = error.message();
        }
    }
    if (!failure.isEmpty())
        return dialogs_.inform(failure, UserDialogs::Icon::Critical);
    dialogs_.inform(QStringLiteral("単語を CSV に書き出しました。\n%1").arg(path),
                    UserDialogs::Icon::Information);
}
