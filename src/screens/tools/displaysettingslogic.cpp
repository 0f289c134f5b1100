// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaysettingslogic.h"

#include "app/appvalues.h"
#include "app/colournumber.h"
#include "app/settingsfiles.h"
#include "app/userdialogs.h"

namespace {

std::array<QString*, DisplaySettingsLogic::SwatchCount> colourValues(AppValues& values) {
    return {&values.mainBackColor, &values.drillBackColor, &values.ngBackColor,
            &values.explainBackColor, &values.explainTextBackColor};
}

} // namespace

DisplaySettingsLogic::DisplaySettingsLogic(AppValues& values, UserDialogs& dialogs, QObject* parent)
    : QObject(parent)
    , values_(values)
    , dialogs_(dialogs)
    // Only exactly 1 ticks a box: a flag read as -1 still counts as on elsewhere, and is
    // written back unchanged unless the learner touches its box.
    , noSoundTicked_(values.noSound == 1)
    , noExplainOnNgTicked_(values.noExplainOnNg == 1) {
    const auto sources = colourValues(values_);
    for (int i = 0; i < SwatchCount; ++i) {
        colours_[i] = *sources[i];
    }
}

QColor DisplaySettingsLogic::swatchColour(int index) const {
    return ColourNumber::toColour(colours_.at(index));
}

void DisplaySettingsLogic::chooseColour(int index) {
    const std::optional<QColor> chosen = dialogs_.chooseColour(swatchColour(index));
    if (!chosen) {
        return;
    }
    colours_.at(index) = ColourNumber::fromColour(*chosen);
    emit changed();
}

void DisplaySettingsLogic::setNoSound(bool ticked) {
    noSoundTicked_ = ticked;
    values_.noSound = ticked ? 1 : 0;
    emit changed();
}

void DisplaySettingsLogic::setNoExplainOnNg(bool ticked) {
    noExplainOnNgTicked_ = ticked;
    values_.noExplainOnNg = ticked ? 1 : 0;
    emit changed();
}

void DisplaySettingsLogic::restoreDefaults() {
    const SettingsFiles::DisplaySettings defaults = SettingsFiles::defaultDisplaySettings();
    colours_ = defaults.colours;
    noSoundTicked_ = false;
    noExplainOnNgTicked_ = false;
    values_.noSound = defaults.noSound;
    values_.noExplainOnNg = defaults.noExplainOnNg;
    emit changed();
}

bool DisplaySettingsLogic::accept() {
    const auto targets = colourValues(values_);
    for (int i = 0; i < SwatchCount; ++i) {
        *targets[i] = colours_[i];
    }
    const QString path = values_.settingsFolder + SettingsFiles::displayFile;
    if (SettingsFiles::writeDisplaySettings(path,
                                            {colours_, values_.noSound, values_.noExplainOnNg})) {
        return true;
    }
    dialogs_.inform(
        QStringLiteral("表示設定を保存できませんでした。\n"
                       "変更した設定は終了するまで使われますが、次回の起動時には元に戻ります。\n%1")
            .arg(path),
        UserDialogs::Icon::Exclamation);
    return false;
}

QString DisplaySettingsLogic::labelText(int index) {
    static const std::array<const char*, SwatchCount> texts = {"メイン画面の背景", "練習画面の背景",
                                                               "NGの背景(次回NGより適用)",
                                                               "説明画面の背景", "説明文の背景"};
    return QString::fromUtf8(texts.at(index));
}
