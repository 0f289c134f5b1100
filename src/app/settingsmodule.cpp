// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsmodule.h"
#include "app/product.h"

#include "datafileswitch.h"
#include "settingsfiles.h"
#include "userdialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString appIniFile = QStringLiteral("Vokuini.ini");
const QString templateFolder = QStringLiteral("Ini/");

QString withSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

bool isFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

} // namespace

SettingsModule::SettingsModule(AppValues& values, UserDialogs& dialogs,
                               const QString& executableFolder)
    : values_(values)
    , dialogs_(dialogs)
    , executableFolder_(withSlash(executableFolder))
    // Relative to the executable, so that an install under any prefix finds its data.
    , installedDataFolder_(
          withSlash(QDir::cleanPath(executableFolder_ + QStringLiteral(VOKU_DATA_FROM_BIN)))) {}

QString SettingsModule::defaultSettingsFolderName() {
    return Product::title();
}

void SettingsModule::findDocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    values_.documentsFolder = withSlash(documents.trimmed());
}

void SettingsModule::findAppFolder() {
    values_.appFolder = QFileInfo::exists(executableFolder_ + appIniFile) ? executableFolder_
                                                                          : installedDataFolder_;
}

void SettingsModule::prepareSettingsFolder() {
    values_.settingsFolder = values_.documentsFolder + settingsFolderName() + QLatin1Char('/');
    if (!settingsFolderComplete()) {
        dialogs_.inform(QStringLiteral("設定ファイルをコピーします。キャンセルしないでください！"
                                       "始めますのでOKボタンをクリックしてください。"));
        dialogs_.inform(copyMissingTemplateFiles());
    }
    warnWhenUnwritable();
}

void SettingsModule::loadDisplaySettings() {
    const auto settings =
        SettingsFiles::readDisplaySettings(values_.settingsFolder + SettingsFiles::displayFile);
    values_.mainBackColor = settings.colours[0];
    values_.drillBackColor = settings.colours[1];
    values_.ngBackColor = settings.colours[2];
    values_.explainBackColor = settings.colours[3];
    values_.explainTextBackColor = settings.colours[4];
    values_.noSound = settings.noSound;
    values_.noExplainOnNg = settings.noExplainOnNg;
}

void SettingsModule::loadDataFileSetting() {
    values_.noDataFile = false;
    values_.windowTitle.clear();
    values_.dataFilePath.clear();
    values_.dataFileIniPath = values_.settingsFolder + SettingsFiles::dataFileFile;
    if (isFile(values_.dataFileIniPath))
        values_.dataFilePath = SettingsFiles::readDataFileSetting(values_.dataFileIniPath);
    if (values_.dataFilePath.isEmpty()) {
        dialogs_.inform(QStringLiteral("単語データを選択してください。"));
        values_.noDataFile = true;
        return;
    }
    // The template names the bundled sample relative to the settings folder.
    if (QDir::isRelativePath(values_.dataFilePath))
        values_.dataFilePath = values_.settingsFolder + values_.dataFilePath;
    values_.windowTitle = DataFileSwitch::windowTitleFor(values_.dataFilePath);
}

QString SettingsModule::settingsFolderName() const {
    QString name = SettingsFiles::readFirstField(values_.appFolder + appIniFile);
    while (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return name.isEmpty() ? defaultSettingsFolderName() : name;
}

bool SettingsModule::settingsFolderComplete() const {
    const QString& folder = values_.settingsFolder;
    return isFile(folder + SettingsFiles::startMessagesFile) &&
           isFile(folder + SettingsFiles::displayFile) &&
           isFile(folder + SettingsFiles::groupSelectionFile) && QFileInfo(folder).isDir();
}

// Makes the settings folder and copies the template files it lacks; a file already there
// is the learner's and is never replaced. Returns the message that reports the outcome.
QString SettingsModule::copyMissingTemplateFiles() const {
    const QDir source(values_.appFolder + templateFolder);
    if (!QDir().mkpath(values_.settingsFolder))
        return QStringLiteral("処理が中断されました。");
    // Without templates the program runs on its defaults and still keeps the learner's
    // settings in the folder.
    if (!source.exists())
        return QStringLiteral("設定ファイルのひな形のフォルダーが見つかりません。"
                              "初期設定で続けます。\n") +
               QDir::toNativeSeparators(source.path());
    bool copied = true;
    for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
        const QString target = values_.settingsFolder + file.fileName();
        if (QFileInfo::exists(target))
            continue;
        // Installed templates are read-only; the learner's copies must be writable.
        copied = QFile::copy(file.filePath(), target) &&
                 QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner |
                                                   QFile::WriteOwner) &&
                 copied;
    }
    return copied ? QStringLiteral("設定ファイルをコピーしました。OKボタンをクリックしてください。")
                  : QStringLiteral("処理が中断されました。");
}

void SettingsModule::warnWhenUnwritable() const {
    const QFileInfo folder(values_.settingsFolder);
    if (folder.isDir() && folder.isWritable())
        return;
    dialogs_.inform(QStringLiteral("設定フォルダーに書き込めません。設定は保存されず、"
                                   "このまま続けます。\n") +
                        SettingsFiles::pathForMessage(values_.settingsFolder),
                    UserDialogs::Icon::Exclamation);
}
