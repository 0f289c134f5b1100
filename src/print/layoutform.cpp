// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutform.h"

#include <stdexcept>

void LayoutForm::add(FormControl control) {
    if (const auto* label = std::get_if<FormLabel>(&control))
        labels_.insert(key(label->name, label->index), controls_.size());
    controls_.push_back(std::move(control));
}

FormLabel& LayoutForm::label(const QString& name, int index) {
    const auto found = labels_.constFind(key(name, index));
    if (found == labels_.cend())
        throw std::out_of_range("no label " + key(name, index).toStdString());
    return std::get<FormLabel>(controls_[*found]);
}

const FormLabel& LayoutForm::label(const QString& name, int index) const {
    return const_cast<LayoutForm*>(this)->label(name, index);
}

// The object name of a control, as in "LB_word1_3" for element 3 of LB_word1.
QString LayoutForm::key(const QString& name, int index) {
    return index < 0 ? name : name + u'_' + QString::number(index);
}
