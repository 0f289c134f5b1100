// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

// A colour box that the learner clicks, or activates with Space or Enter, to change it.
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    void setColour(const QColor& colour);
    QColor colour() const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
