// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsmodule.h"
#include "app/product.h"

#include "datafileswitch.h"
#include "settingsfiles.h"
#include "soundplayer.h"
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

SettingsModule::SettingsModule(AppValues& values, UserDialogs& dialogs, SoundPlayer& sound,
                               const QString& executableFolder)
    : values_(values)
    , dialogs_(dialogs)
    , sound_(sound)
    , executableFolder_(withSlash(executableFolder))
    // Relative to the executable, so that an install under any prefix finds its data.
    , installedDataFolder_(
          withSlash(QDir::cleanPath(executableFolder_ + QStringLiteral(VOKU_DATA_FROM_BIN)))) {}

QString SettingsModule::defaultSettingsFolderName() {
    return Product::title();
}

void SettingsModule::FindDocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    values_.DocumentsFolder = withSlash(documents.trimmed());
}

void SettingsModule::FindAppFolder() {
    values_.AppFolder = QFileInfo::exists(executableFolder_ + appIniFile) ? executableFolder_
                                                                          : installedDataFolder_;
}

void SettingsModule::PrepareSettingsFolder() {
    values_.SettingsFolder = values_.DocumentsFolder + settingsFolderName() + QLatin1Char('/');
    if (!settingsFolderComplete()) {
        dialogs_.inform(QStringLiteral("設定ファイルをコピーします。キャンセルしないでください！"
                                       "始めますのでOKボタンをクリックしてください。"));
        dialogs_.inform(copyMissingTemplateFiles());
    }
    warnWhenUnwritable();
}

void SettingsModule::LoadDisplaySettings() {
    const auto settings =
        SettingsFiles::readDisplaySettings(values_.SettingsFolder + SettingsFiles::displayFile);
    values_.MainBackColor = settings.colours[0];
    values_.DrillBackColor = settings.colours[1];
    values_.NgBackColor = settings.colours[2];
    values_.ExplainBackColor = settings.colours[3];
    values_.ExplainTextBackColor = settings.colours[4];
    values_.NoSound = settings.noSound;
    values_.NoExplainOnNg = settings.noExplainOnNg;
}

void SettingsModule::LoadDataFileSetting() {
    values_.NoDataFile = 0;
    values_.WindowTitle.clear();
    values_.DataFilePath.clear();
    values_.DataFileIniPath = values_.SettingsFolder + SettingsFiles::dataFileFile;
    if (isFile(values_.DataFileIniPath))
        values_.DataFilePath = SettingsFiles::readDataFileSetting(values_.DataFileIniPath);
    if (values_.DataFilePath.isEmpty()) {
        dialogs_.inform(QStringLiteral("単語データを選択してください。"));
        values_.NoDataFile = -1;
        return;
    }
    // The template names the bundled sample relative to the settings folder.
    if (QDir::isRelativePath(values_.DataFilePath))
        values_.DataFilePath = values_.SettingsFolder + values_.DataFilePath;
    values_.WindowTitle = DataFileSwitch::windowTitleFor(values_.DataFilePath);
}

void SettingsModule::PlaySoundFile(const QString& fileName) {
    sound_.play(fileName);
}

QString SettingsModule::settingsFolderName() const {
    QString name = SettingsFiles::readFirstField(values_.AppFolder + appIniFile);
    while (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return name.isEmpty() ? defaultSettingsFolderName() : name;
}

bool SettingsModule::settingsFolderComplete() const {
    const QString& folder = values_.SettingsFolder;
    return isFile(folder + SettingsFiles::startMessagesFile) &&
           isFile(folder + SettingsFiles::displayFile) &&
           isFile(folder + SettingsFiles::groupSelectionFile) && QFileInfo(folder).isDir();
}

// Makes the settings folder and copies the template files it lacks; a file already there
// is the learner's and is never replaced. Returns the message that reports the outcome.
QString SettingsModule::copyMissingTemplateFiles() const {
    const QDir source(values_.AppFolder + templateFolder);
    if (!QDir().mkpath(values_.SettingsFolder))
        return QStringLiteral("処理が中断されました。");
    // Without templates the program runs on its defaults and still keeps the learner's
    // settings in the folder.
    if (!source.exists())
        return QStringLiteral("設定ファイルのひな形のフォルダーが見つかりません。"
                              "初期設定で続けます。\n") +
               QDir::toNativeSeparators(source.path());
    bool copied = true;
    for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
        const QString target = values_.SettingsFolder + file.fileName();
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
    const QFileInfo folder(values_.SettingsFolder);
    if (folder.isDir() && folder.isWritable())
        return;
    dialogs_.inform(QStringLiteral("設定フォルダーに書き込めません。設定は保存されず、"
                                   "このまま続けます。\n") +
                        SettingsFiles::pathForMessage(values_.SettingsFolder),
                    UserDialogs::Icon::Exclamation);
}
