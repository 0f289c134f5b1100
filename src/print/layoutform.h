// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formcontrol.h"

#include <QHash>
#include <QString>
#include <vector>

// A form that is never shown: a collection of labels, lines and shapes that the page
// renderer reproduces on a printer page. Controls keep the order they were added in.
class LayoutForm {
public:
    explicit LayoutForm(QString name)
        : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    const std::vector<FormControl>& controls() const { return controls_; }

    void add(FormControl control);

    // The label named name (element index of a control array, -1 for none); throws
    // std::out_of_range when the form has no such label.
    FormLabel& label(const QString& name, int index = -1);
    const FormLabel& label(const QString& name, int index = -1) const;

private:
    static QString key(const QString& name, int index);

    QString name_;
    std::vector<FormControl> controls_;
    QHash<QString, std::size_t> labels_;
};
