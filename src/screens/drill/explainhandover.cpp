// SPDX-License-Identifier: GPL-3.0-or-later
#include "explainhandover.h"

bool ExplainHandOver::explains(const WordRecord& card) const {
    return card.group == card_.group && card.key == card_.key;
}

void ExplainHandOver::show(const WordRecord& card, int slot, bool gradedNg) {
    card_ = card;
    slot_ = slot;
    if (!view_.open) {
        view_.open = true;
        view_.callOk.visible = !gradedNg;
        view_.callNg.visible = !gradedNg;
        requested_ = Grade::None;
    } else if (gradedNg) {
        // That card's grade is given already, so the window must not offer OK and NG
        // for it, now rather than at some later opening.
        view_.callOk.visible = false;
        view_.callNg.visible = false;
    }
}

void ExplainHandOver::refresh(const QString& backColour, const QString& textBackColour) {
    view_.backColour = backColour;
    view_.textBackColour = textBackColour;
    view_.word = card_.word;
    view_.meaning = card_.meaning.value_or(QString());
    view_.texts = {card_.text1.value_or(QString()), card_.text2.value_or(QString()),
                   card_.text3.value_or(QString()), card_.text4.value_or(QString()),
                   card_.text5.value_or(QString())};
    view_.pronunciation.text = card_.text6.value_or(QString());
    view_.pronunciation.visible = !view_.pronunciation.text.isEmpty();
}

bool ExplainHandOver::request(Grade grade) {
    const ControlView& button = grade == Grade::Ok ? view_.callOk : view_.callNg;
    if (!view_.open || !button.visible)
        return false;
    requested_ = grade;
    return true;
}
