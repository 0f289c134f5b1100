// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupsequence.h"

#include "app/product.h"
#include "app/settingsfiles.h"
#include "app/settingsmodule.h"

#include <QFileInfo>

namespace {

constexpr int lastStartMessage = 15;

} // namespace

StartupSequence::StartupSequence(SettingsModule& settings, Steps steps)
    : settings_(settings)
    , steps_(std::move(steps)) {}

void StartupSequence::run() {
    startMessage_.clear();
    settings_.findDocumentsFolder();
    settings_.findAppFolder();
    settings_.prepareSettingsFolder();
    settings_.loadDisplaySettings();
    settings_.loadDataFileSetting();
    if (steps_.loadMainHidden)
        steps_.loadMainHidden();
    const AppValues& values = settings_.values();
    const QString picture = values.appFolder + QStringLiteral("VOKU.gif");
    picturePath_ = QFileInfo(picture).isFile() ? picture : QString();
    startMessage_ = takeStartMessage(values.settingsFolder + SettingsFiles::startMessagesFile);
}

void StartupSequence::begin() {
    if (begun_)
        return;
    begun_ = true;
    if (steps_.showMain)
        steps_.showMain();
}

QString StartupSequence::versionText() {
    return Product::versionText();
}

QString StartupSequence::takeStartMessage(const QString& path) {
    auto read = SettingsFiles::readStartMessages(path);
    if (!read)
        return {};
    SettingsFiles::StartMessages& content = *read;
    const QString message =
        content.index < content.messages.size() ? content.messages.at(content.index) : QString();
    content.index = content.index + 1 > lastStartMessage ? 0 : content.index + 1;
    // An unwritable folder was reported at start; the rotation just does not advance.
    SettingsFiles::writeStartMessages(path, content);
    return message;
}
