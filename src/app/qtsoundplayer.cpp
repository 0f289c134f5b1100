// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtsoundplayer.h"

#include "appvalues.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(const AppValues& values)
    : values_(values) {}

QtSoundPlayer::~QtSoundPlayer() {
    qDeleteAll(effects_);
}

void QtSoundPlayer::play(const QString& fileName) {
    const QString path = values_.appFolder + fileName;
    if (!QFileInfo(path).isFile() || !hasAudioOutput())
        return;
    effectFor(path)->play();
}

bool QtSoundPlayer::hasAudioOutput() {
    if (!hasAudioOutput_)
        hasAudioOutput_ = !QMediaDevices::audioOutputs().isEmpty();
    return *hasAudioOutput_;
}

QSoundEffect* QtSoundPlayer::effectFor(const QString& path) {
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}
