// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafileswitch.h"
#include "app/product.h"

#include "appvalues.h"
#include "settingsfiles.h"
#include "userdialogs.h"

#include "data/legacy/legacyconversion.h"
#include "data/storeerror.h"
#include "data/wordstore.h"

#include <QFileInfo>

namespace {

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

DataFileSwitch::DataFileSwitch(AppValues& values, UserDialogs& dialogs, QString converterPath,
                               QObject* parent)
    : QObject(parent)
    , values_(values)
    , dialogs_(dialogs)
    , converterPath_(std::move(converterPath)) {}

QString DataFileSwitch::windowTitleFor(const QString& path) {
    if (path.isEmpty())
        return {};
    return Product::titleWith(fileNameOf(path));
}

DataFileSwitch::Outcome DataFileSwitch::open(const QString& path) {
    if (isConverting())
        return Outcome::Refused;
    if (path.size() > SettingsFiles::maxPathLength) {
        const StoreError missing(StoreError::Kind::Missing, SettingsFiles::pathForMessage(path));
        dialogs_.inform(missing.message(), UserDialogs::Icon::Critical);
        return Outcome::Refused;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    try {
        WordStore::open(absolute);
    } catch (const StoreError& error) {
        if (error.kind() == StoreError::Kind::Legacy)
            return startConversion(absolute, true) ? Outcome::Converting : Outcome::Refused;
        dialogs_.inform(error.message(), UserDialogs::Icon::Critical);
        return Outcome::Refused;
    }
    makeCurrent(absolute);
    return Outcome::Switched;
}

void DataFileSwitch::convertCurrent() {
    if (!isConverting() && !startConversion(values_.dataFilePath, false))
        values_.noDataFile = true;
}

bool DataFileSwitch::startConversion(const QString& path, bool makeCurrent) {
    const QString question =
        QStringLiteral("%1 は以前の形式（Access）の単語データです。\n"
                       "使うには新しい形式に変換する必要があります。変換しますか？\n"
                       "元のファイルは %1.bak として残します。")
            .arg(fileNameOf(path));
    if (!dialogs_.askYesNo(question, UserDialogs::Icon::Question))
        return false;
    conversion_ = new LegacyConversion(converterPath_, this);
    connect(conversion_, &LegacyConversion::progress, this, &DataFileSwitch::conversionProgress);
    connect(conversion_, &LegacyConversion::finished, this,
            [this, path, makeCurrent](bool ok, const QString& message) {
                conversionFinished(path, makeCurrent, ok, message);
            });
    emit convertingChanged(true);
    conversion_->start(path);
    return true;
}

void DataFileSwitch::conversionFinished(const QString& path, bool makeCurrent, bool ok,
                                        const QString& message) {
    // Called from the conversion's own signal, so it may only go later.
    conversion_->deleteLater();
    conversion_ = nullptr;
    emit convertingChanged(false);
    dialogs_.inform(message, ok ? UserDialogs::Icon::Information : UserDialogs::Icon::Critical);
    if (!ok) {
        if (!makeCurrent)
            values_.noDataFile = true;
        return;
    }
    if (makeCurrent)
        this->makeCurrent(path);
    else
        emit switched();
}

void DataFileSwitch::makeCurrent(const QString& path) {
    values_.dataFilePath = path;
    values_.windowTitle = windowTitleFor(path);
    values_.noDataFile = false;
    // The previous choice belongs to the file that VKI010.ini names, so it is emptied only
    // once that names the new one.
    if (writeSetting(SettingsFiles::writeDataFileSetting(values_.dataFileIniPath, path),
                     values_.dataFileIniPath)) {
        const QString selection = values_.settingsFolder + SettingsFiles::groupSelectionFile;
        writeSetting(SettingsFiles::writeGroupSelection(selection, {}), selection);
    }
    emit switched();
}

bool DataFileSwitch::writeSetting(bool written, const QString& path) {
    if (!written)
        dialogs_.inform(SettingsFiles::unwritableMessage(path), UserDialogs::Icon::Exclamation);
    return written;
}
