// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafilechooserlogic.h"

#include "app/appvalues.h"
#include "app/datafileswitch.h"
#include "app/settingsfiles.h"
#include "app/userdialogs.h"

#include <QDirIterator>
#include <QFileInfo>

DataFileChooserLogic::DataFileChooserLogic(AppValues& values, UserDialogs& dialogs,
                                           QString converterPath, QObject* parent)
    : QObject(parent)
    , values_(values)
    , dialogs_(dialogs)
    , switch_(new DataFileSwitch(values, dialogs, std::move(converterPath), this)) {
    connect(switch_, &DataFileSwitch::switched, this, &DataFileChooserLogic::finished);
    connect(switch_, &DataFileSwitch::convertingChanged, this,
            &DataFileChooserLogic::convertingChanged);
    connect(switch_, &DataFileSwitch::conversionProgress, this, [this](qint64 done, qint64 total) {
        emit conversionProgress(total > 0 ? static_cast<int>(done * 100 / total) : 0);
    });
}

bool DataFileChooserLogic::isConverting() const {
    return switch_->isConverting();
}

void DataFileChooserLogic::load() {
    caption_ = values_.windowTitle;
    files_.clear();
    if (values_.dataFilePath.isEmpty()) {
        dialogs_.inform(QStringLiteral("現在のデータフォルダが取得できません"));
        return;
    }
    listFolder(folderOf(values_.dataFilePath));
}

void DataFileChooserLogic::listFolder(const QString& folder) {
    const QString dir = folder.isEmpty() ? QStringLiteral(".") : folder;
    const QFileInfo info(dir);
    if (!info.isDir() || !info.isReadable()) {
        dialogs_.inform(QStringLiteral("データフォルダが見つからないか、読み込めません。\n%1")
                            .arg(SettingsFiles::pathForMessage(dir)),
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
    const QString path = folderOf(values_.dataFilePath) + files_.at(row);
    return switch_->open(path) == DataFileSwitch::Outcome::Switched;
}

void DataFileChooserLogic::cancel() {
    if (!isConverting()) {
        emit finished();
    }
}

QString DataFileChooserLogic::folderOf(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}
