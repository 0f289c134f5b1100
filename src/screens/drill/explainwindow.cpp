// SPDX-License-Identifier: GPL-3.0-or-later
#include "explainwindow.h"
#include "app/product.h"

#include "app/japanesefont.h"
#include "app/twips.h"
#include "drillform.h"
#include "drilllogic.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr qreal TextPoints = 14.25;
const QString White = QString::number(0xFFFFFF);
const QString ButtonColour = QString::number(0xFFC0C0);

} // namespace

ExplainWindow::ExplainWindow(DrillLogic& logic, QWidget* drillScreen)
    : QWidget(drillScreen, Qt::Window)
    , logic_(logic) {
    setObjectName(QStringLiteral("VK0030"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Product::title());
    setFont(JapaneseFont::proportionalGothic(9));
    setFixedSize(Twips::toRect(0, 0, 5880, 5835).size());

    const QFont bold = JapaneseFont::proportionalGothic(TextPoints, true);
    word_ = addLabel("LB_word", Twips::toRect(30, 180, 5835, 615), bold);
    meaning_ = addLabel("LB_meaning", Twips::toRect(30, 840, 5835, 615), bold);
    const std::array<int, 5> tops{1500, 2160, 3120, 3780, 4440};
    const std::array<int, 5> heights{615, 900, 615, 615, 615};
    for (int t = 0; t < 5; ++t) {
        const QByteArray name = "LB_text" + QByteArray::number(t + 1);
        texts_[t] = addLabel(name.constData(), Twips::toRect(30, tops[t], 5835, heights[t]),
                             JapaneseFont::proportionalGothic(TextPoints));
    }
    // Made after the word label, so that it lies over the word label's lower part.
    pronunciation_ = addLabel("LB_text6", Twips::toRect(90, 540, 5730, 195), font());
    for (QLabel* label : {word_, pronunciation_, meaning_})
        DrillForm::setBackground(label, White);

    callOk_ = addButton("BT_callok", QStringLiteral("OK"), QStringLiteral("OK（O キー）"),
                        Twips::toRect(1080, 5340, 700, 435));
    close_ = addButton("BT_OK", QStringLiteral("閉じる"), QStringLiteral("閉じる（Esc キー）"),
                       Twips::toRect(2580, 5340, 700, 435));
    callNg_ = addButton("BT_callng", QStringLiteral("NG"), QStringLiteral("NG（N キー）"),
                        Twips::toRect(4080, 5340, 700, 435));
    connect(callOk_, &QPushButton::clicked, &logic_, &DrillLogic::explainCallOkClick);
    connect(close_, &QPushButton::clicked, &logic_, &DrillLogic::explainCloseClick);
    connect(callNg_, &QPushButton::clicked, &logic_, &DrillLogic::explainCallNgClick);
    // A small speaker in the free corner left of OK.
    speak_ = addButton("BT_speak", QString(), QStringLiteral("発音を聞く（S キー）"),
                       Twips::toRect(300, 5340, 435, 435));
    speak_->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    speak_->setAutoDefault(false);
    connect(speak_, &QPushButton::clicked, &logic_, &DrillLogic::explainSpeakClick);
    connect(&logic_, &DrillLogic::explanationChanged, this, &ExplainWindow::render);
    render();
}

QLabel* ExplainWindow::addLabel(const char* name, const QRect& geometry, const QFont& font) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* ExplainWindow::addButton(const char* name, const QString& text, const QString& tip,
                                      const QRect& geometry) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setToolTip(tip);
    button->setAutoDefault(true);
    DrillForm::apply(button, {text, true, true, ButtonColour});
    return button;
}

void ExplainWindow::render() {
    const ExplainView& view = logic_.explainView();
    DrillForm::setBackground(this, view.backColour);
    word_->setText(view.word);
    meaning_->setText(view.meaning);
    for (int t = 0; t < 5; ++t) {
        texts_[t]->setText(view.texts[t]);
        DrillForm::setBackground(texts_[t], view.textBackColour);
    }
    DrillForm::apply(pronunciation_, view.pronunciation);
    DrillForm::setBackground(pronunciation_, White);
    DrillForm::apply(callOk_, view.callOk);
    DrillForm::apply(callNg_, view.callNg);
}

bool ExplainWindow::event(QEvent* event) {
    // Shown counts as activated too: without a window manager a new window may never be.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        logic_.explainActivate();
    return QWidget::event(event);
}

void ExplainWindow::keyPressEvent(QKeyEvent* event) {
    // The buttons pass on the keys they do not use, so these work whatever has the focus.
    QPushButton* target = nullptr;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_O)
            target = callOk_;
        else if (event->key() == Qt::Key_N)
            target = callNg_;
        else if (event->key() == Qt::Key_Escape)
            target = close_;
        else if (event->key() == Qt::Key_S)
            target = speak_;
    }
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (target->isVisible())
        target->click();
}

void ExplainWindow::closeEvent(QCloseEvent* event) {
    // Closing from the frame does what 閉じる does; after a button it finds nothing open.
    logic_.explainCloseClick();
    event->accept();
}
