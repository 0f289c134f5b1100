// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainscreenlogic.h"

#include "busycursor.h"
#include "csvtransfer.h"

#include "app/appvalues.h"
#include "app/busyretry.h"
#include "app/colournumber.h"
#include "app/datafileswitch.h"
#include "app/documentopener.h"
#include "app/manual.h"
#include "app/settingsfiles.h"
#include "app/userdialogs.h"

#include <QFileInfo>
#include <algorithm>

MainScreenLogic::MainScreenLogic(AppValues& values, UserDialogs& dialogs, DocumentOpener& opener,
                                 QString converterPath, QObject* parent)
    : QObject(parent)
    , values_(values)
    , dialogs_(dialogs)
    , opener_(opener)
    , switch_(new DataFileSwitch(values, dialogs, std::move(converterPath), this))
    , csv_(new CsvTransfer(values, dialogs, this)) {
    connect(switch_, &DataFileSwitch::switched, this, &MainScreenLogic::load);
    connect(switch_, &DataFileSwitch::convertingChanged, this, &MainScreenLogic::renderWorking);
    connect(switch_, &DataFileSwitch::conversionProgress, this, &MainScreenLogic::advanceProgress);
    connect(csv_, &CsvTransfer::importingChanged, this, &MainScreenLogic::renderWorking);
    connect(csv_, &CsvTransfer::progress, this, &MainScreenLogic::advanceProgress);
    connect(csv_, &CsvTransfer::openRequested, this,
            qOverload<const QString&>(&MainScreenLogic::openDataFile));
}

MainScreenLogic::~MainScreenLogic() = default;

bool MainScreenLogic::isWorking() const {
    return switch_->isConverting() || csv_->isImporting();
}

QString MainScreenLogic::caption() const {
    return values_.windowTitle;
}

QColor MainScreenLogic::backgroundColour() const {
    return ColourNumber::toColour(values_.mainBackColor);
}

bool MainScreenLogic::canUseFile() const {
    return values_.hasDataFile() && store_.has_value() && !isWorking();
}

QString MainScreenLogic::groupSelectionPath() const {
    return values_.settingsFolder + SettingsFiles::groupSelectionFile;
}

void MainScreenLogic::load() {
    store_.reset();
    clearLists();
    emit captionChanged();
    if (values_.dataFilePath.isEmpty() || !values_.hasDataFile())
        return;
    try {
        store_.emplace(WordStore::open(values_.dataFilePath));
    } catch (const StoreError& error) {
        if (error.kind() == StoreError::Kind::Legacy) {
            switch_->convertCurrent();
            return;
        }
        values_.noDataFile = true;
        dialogs_.inform(error.message(), UserDialogs::Icon::Critical);
        return;
    }
    try {
        fillSummary();
    } catch (const StoreError& error) {
        // The file opened but cannot be read: nothing stays bound to it.
        store_.reset();
        dialogs_.inform(error.message(), UserDialogs::Icon::Critical);
        return;
    }
    lists_.setPrevious(readPreviousSelection());
    emit previousChanged();
}

void MainScreenLogic::clearLists() {
    lists_.clear();
    emit summaryChanged();
    emit chosenChanged();
    emit previousChanged();
}

void MainScreenLogic::fillSummary() {
    QStringList lines;
    for (const GroupSummary& summary : store_->groupSummaries())
        lines.append(SummaryLine::format(summary));
    lists_.setSummary(lines);
    emit summaryChanged();
}

QStringList MainScreenLogic::readPreviousSelection() const {
    // An unreadable previous choice only leaves the list empty; the file itself is usable.
    return SettingsFiles::readGroupSelection(groupSelectionPath()).value_or(QStringList());
}

void MainScreenLogic::chooseGroups(const QList<int>& summaryRows) {
    if (lists_.choose(summaryRows))
        emit chosenChanged();
}

void MainScreenLogic::removeChosen(const QList<int>& chosenRows) {
    if (lists_.remove(chosenRows))
        emit chosenChanged();
}

void MainScreenLogic::clearChosen() {
    if (lists_.clearChosen())
        emit chosenChanged();
}

void MainScreenLogic::buildPracticeSet() {
    if (!canUseFile())
        return;
    if (lists_.summary().isEmpty()) {
        dialogs_.inform(QStringLiteral("練習する単語がありません。"),
                        UserDialogs::Icon::Information);
        return;
    }
    std::unique_ptr<BusyCursor> busy;
    const auto build = [this, &busy] {
        busy = std::make_unique<BusyCursor>();
        showProgress(0);
        values_.levelCounts = store_->buildPracticeSet(lists_.practiceGroups(), progressReporter());
    };
    const auto stop = [this, &busy] {
        hideProgress();
        busy.reset();
    };
    try {
        if (!BusyRetry::run(dialogs_, build, stop))
            return;
    } catch (const StoreError& error) {
        stop();
        failOnStoreError(error);
        return;
    }
    hideProgress();
    if (!SettingsFiles::writeGroupSelection(groupSelectionPath(), lists_.chosenTags()))
        dialogs_.inform(SettingsFiles::unwritableMessage(groupSelectionPath()),
                        UserDialogs::Icon::Exclamation);
    // The drill restores the pointer once it has loaded.
    busy->keep();
    emit drillRequested();
}

void MainScreenLogic::resetGroups() {
    if (!canUseFile())
        return;
    if (lists_.chosen().isEmpty()) {
        dialogs_.inform(QStringLiteral("初期化するグループを選択してください"),
                        UserDialogs::Icon::Exclamation);
        return;
    }
    if (!dialogs_.askYesNo(QStringLiteral("初期化を実行します。"), UserDialogs::Icon::Information))
        return;
    std::unique_ptr<BusyCursor> busy;
    const auto reset = [this, &busy] {
        busy = std::make_unique<BusyCursor>();
        store_->resetGroups(lists_.chosenGroups());
        fillSummary();
    };
    try {
        if (!BusyRetry::run(dialogs_, reset, [&busy] { busy.reset(); }))
            return;
    } catch (const StoreError& error) {
        busy.reset();
        failOnStoreError(error);
        return;
    }
    lists_.refreshChosen();
    emit chosenChanged();
}

void MainScreenLogic::printCards(const CardPrinting& print) {
    if (!canUseFile())
        return;
    if (lists_.summary().isEmpty()) {
        dialogs_.inform(QStringLiteral("印刷する単語がありません。"),
                        UserDialogs::Icon::Information);
        return;
    }
    const QString question = lists_.chosen().isEmpty()
                                 ? QStringLiteral("全件印刷を開始します。A4をセットしてください。")
                                 : QStringLiteral("印刷を開始します。A4をセットしてください。");
    if (!dialogs_.askYesNo(question, UserDialogs::Icon::Information))
        return;
    auto busy = std::make_unique<BusyCursor>();
    try {
        // The bar appears with the first page drawn, not while the printer asks its questions.
        print(*store_, lists_.practiceGroups(), values_.windowTitle, progressReporter());
    } catch (const StoreError& error) {
        hideProgress();
        busy.reset();
        failOnStoreError(error);
        return;
    }
    hideProgress();
}

void MainScreenLogic::failOnStoreError(const StoreError& error) {
    dialogs_.inform(error.message(), UserDialogs::Icon::Critical);
    // A refused write leaves the file as it was, so the learner can go on.
    if (error.kind() == StoreError::Kind::ReadOnly || error.kind() == StoreError::Kind::Busy)
        return;
    emit exitRequested(1);
}

void MainScreenLogic::showProgress(qint64 maximum) {
    progressVisible_ = true;
    progressValue_ = 0;
    progressMaximum_ = int(maximum);
    emit progressChanged();
}

void MainScreenLogic::advanceProgress(qint64 done, qint64 total) {
    // About a hundred redraws whatever the number of words.
    const qint64 step = std::max<qint64>(1, total / 100);
    if (total != progressMaximum_ || done == total || done < progressValue_ ||
        done - progressValue_ >= step) {
        progressVisible_ = true;
        progressMaximum_ = int(total);
        progressValue_ = int(done);
        emit progressChanged();
    }
}

void MainScreenLogic::hideProgress() {
    progressVisible_ = false;
    emit progressChanged();
}

WordStore::Progress MainScreenLogic::progressReporter() {
    return [this](qint64 done, qint64 total) { advanceProgress(done, total); };
}

void MainScreenLogic::openDataFile() {
    const QString folder = values_.dataFilePath.isEmpty()
                               ? values_.documentsFolder
                               : QFileInfo(values_.dataFilePath).absolutePath();
    const QString path = dialogs_.chooseDataFile(folder);
    if (!path.isEmpty())
        openDataFile(path);
}

void MainScreenLogic::openDataFile(const QString& path) {
    switch_->open(path);
}

void MainScreenLogic::importCsv() {
    if (!isWorking())
        csv_->importCsv();
}

void MainScreenLogic::exportCsv() {
    if (canUseFile())
        csv_->exportCsv(*store_);
}

void MainScreenLogic::showWordList() {
    if (values_.hasDataFile() && !isWorking())
        emit wordListRequested();
}

void MainScreenLogic::showDataFileChooser() {
    if (values_.hasDataFile() && !isWorking())
        emit dataFileChooserRequested();
}

void MainScreenLogic::showDisplaySettings() {
    emit displaySettingsRequested();
}

void MainScreenLogic::openManual() {
    Manual::open(values_, opener_, dialogs_);
}

void MainScreenLogic::showAbout() {
    emit aboutRequested();
}

void MainScreenLogic::exitProgram() {
    emit exitRequested(0);
}

void MainScreenLogic::renderWorking(bool working) {
    if (working) {
        workBusy_ = std::make_unique<BusyCursor>();
        showProgress(0);
    } else {
        hideProgress();
        workBusy_.reset();
    }
    emit workingChanged();
}
