// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class StartupSequence;

// The start screen VK0000: the picture, the version and this start's message over a
// white background. Its button and its close box both hand over to the main screen.
class StartScreen : public QWidget {
    Q_OBJECT
public:
    // Runs the start sequence and shows its result; the screen is shown by the caller.
    explicit StartScreen(StartupSequence& sequence, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();

    StartupSequence& sequence_;
    QLabel* picture_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* startButton_ = nullptr;
};
