// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafilechooserlogic.h"

#include "app/appvalues.h"
#include "app/settingsfiles.h"
#include "app/userdialogs.h"
#include "data/legacy/legacyconversion.h"
#include "data/wordstore.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {

bool isLegacyFile(const QString& path) {
    try {
        WordStore::open(path);
    } catch (const StoreError& error) {
        return error.kind() == StoreError::Kind::Legacy;
    }
    return false;
}

} // namespace

DataFileChooserLogic::DataFileChooserLogic(AppValues& values, UserDialogs& dialogs,
                                           QString converterPath, QObject* parent)
    : QObject(parent)
    , values_(values)
    , dialogs_(dialogs)
    , converterPath_(std::move(converterPath)) {}

void DataFileChooserLogic::load() {
    caption_ = values_.WindowTitle;
    files_.clear();
    if (values_.DataFilePath.isEmpty()) {
        dialogs_.inform(QStringLiteral("現在のデータフォルダが取得できません"));
        return;
    }
    listFolder(folderOf(values_.DataFilePath));
}

void DataFileChooserLogic::listFolder(const QString& folder) {
    const QString dir = folder.isEmpty() ? QStringLiteral(".") : folder;
    const QFileInfo info(dir);
    if (!info.isDir() || !info.isReadable()) {
        dialogs_.inform(
            QStringLiteral("データフォルダが見つからないか、読み込めません。\n%1").arg(dir),
            UserDialogs::Icon::Exclamation);
        return;
    }
    // QDirIterator hands the names over in the order the file system returns them.
    QDirIterator it(dir, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().endsWith(QStringLiteral("vku"), Qt::CaseSensitive)) {
            files_.append(it.fileName());
        }
    }
}

bool DataFileChooserLogic::open(int row) {
    if (isConverting()) {
        return false;
    }
    if (row < 0 || row >= files_.size()) {
        dialogs_.inform(QStringLiteral("データファイルを選択してください。"));
        return false;
    }
    const QString path = folderOf(values_.DataFilePath) + files_.at(row);
    // Any other unusable file is the main screen's to report once it is current.
    if (isLegacyFile(path)) {
        offerConversion(path);
        return false;
    }
    return switchTo(path);
}

void DataFileChooserLogic::cancel() {
    if (!isConverting()) {
        emit finished();
    }
}

void DataFileChooserLogic::offerConversion(const QString& path) {
    const QString question = QStringLiteral("%1 は旧形式（Access）の単語データファイルです。\n"
                                            "新しい形式に変換してから開きますか？\n"
                                            "元のファイルは名前の末尾に .bak を付けて残します。")
                                 .arg(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    if (!dialogs_.askYesNo(question)) {
        return;
    }
    conversion_ = new LegacyConversion(converterPath_, this);
    connect(conversion_, &LegacyConversion::progress, this, [this](qint64 done, qint64 total) {
        emit conversionProgress(total > 0 ? static_cast<int>(done * 100 / total) : 0);
    });
    connect(
        conversion_, &LegacyConversion::finished, this,
        [this, path](bool ok, const QString& message) { conversionFinished(path, ok, message); });
    emit convertingChanged(true);
    conversion_->start(path);
}

void DataFileChooserLogic::conversionFinished(const QString& path, bool ok,
                                              const QString& message) {
    conversion_->deleteLater();
    conversion_ = nullptr;
    emit convertingChanged(false);
    dialogs_.inform(message, ok ? UserDialogs::Icon::Information : UserDialogs::Icon::Critical);
    if (ok) {
        switchTo(path);
    }
}

bool DataFileChooserLogic::switchTo(const QString& path) {
    if (!writeSettings(path)) {
        return false;
    }
    values_.DataFilePath = path;
    values_.WindowTitle = windowTitleFor(path);
    values_.NoDataFile = 0;
    emit finished();
    return true;
}

bool DataFileChooserLogic::writeSettings(const QString& path) {
    if (!SettingsFiles::writeDataFileSetting(values_.DataFileIniPath, path)) {
        dialogs_.inform(
            QStringLiteral("設定ファイルに書き込めないため、データファイルを切り替えられません。"
                           "\n%1")
                .arg(values_.DataFileIniPath),
            UserDialogs::Icon::Critical);
        return false;
    }
    // The previous selection's group tags belong to the old file. When they cannot be
    // cleared the switch still goes ahead: VKI010.ini already names the new file.
    const QString selection = values_.SettingsFolder + SettingsFiles::groupSelectionFile;
    if (!SettingsFiles::writeGroupSelection(selection, {})) {
        dialogs_.inform(QStringLiteral("前回の選択を消去できませんでした。\n%1").arg(selection),
                        UserDialogs::Icon::Exclamation);
    }
    return true;
}

QString DataFileChooserLogic::folderOf(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString DataFileChooserLogic::windowTitleFor(const QString& path) {
    return QStringLiteral("VOKU英単カード") + QChar(0x3000) +
           path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}
