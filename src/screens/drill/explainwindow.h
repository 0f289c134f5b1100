// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class DrillLogic;
class QLabel;
class QPushButton;

// The explanation window VK0030: the whole entry of one card, with OK, 閉じる and NG.
// It draws the drill's explanation state and hands its buttons to the drill; the drill
// screen opens, raises and closes it. Keys: O = OK, N = NG, Esc = 閉じる, S says the word.
class ExplainWindow : public QWidget {
    Q_OBJECT
public:
    ExplainWindow(DrillLogic& logic, QWidget* drillScreen);

    void render();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QRect& geometry, const QFont& font);
    QPushButton* addButton(const char* name, const QString& text, const QString& tip,
                           const QRect& geometry);

    DrillLogic& logic_;
    QLabel* word_;
    QLabel* pronunciation_;
    QLabel* meaning_;
    std::array<QLabel*, 5> texts_{};
    QPushButton* callOk_;
    QPushButton* close_;
    QPushButton* callNg_;
    QPushButton* speak_;
};
