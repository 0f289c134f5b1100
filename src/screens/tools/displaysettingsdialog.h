// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "displaysettingslogic.h"

#include <QWidget>
#include <array>

class ColourSwatch;
class QCheckBox;

// The display settings window (VKP020): five colour swatches and two options.
class DisplaySettingsDialog : public QWidget {
    Q_OBJECT
public:
    DisplaySettingsDialog(AppValues& values, UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    void buildControls();
    QLayout* buildButtons();
    void render();
    void accept();

    DisplaySettingsLogic logic_;
    std::array<ColourSwatch*, DisplaySettingsLogic::SwatchCount> swatches_{};
    QCheckBox* noSound_ = nullptr;
    QCheckBox* noExplainOnNg_ = nullptr;
};
