// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The main screen's three group lists: the summary of every group, the groups chosen for
// practice (kept sorted, one item per group tag) and the tags of the previous choice
// (kept sorted). Items are found by their first three characters, the group tag.
class GroupLists {
public:
    const QStringList& summary() const { return summary_; }
    const QStringList& chosen() const { return chosen_; }
    const QStringList& previous() const { return previous_; }

    void clear();
    void setSummary(const QStringList& lines);
    void setPrevious(const QStringList& lines);

    // Adds the summary lines at the rows unless their group is chosen already; true when
    // the chosen list changed.
    bool choose(const QList<int>& summaryRows);
    // Removes the chosen items at the rows; true when any was removed.
    bool remove(const QList<int>& chosenRows);
    bool clearChosen();
    // Gives each chosen item the text of the summary line of its group, after the summary
    // was rebuilt.
    void refreshChosen();

    // The groups to practise or print: those chosen, or every group when none is.
    std::vector<int> practiceGroups() const;
    std::vector<int> chosenGroups() const;
    QStringList chosenTags() const;

private:
    QStringList summary_;
    QStringList chosen_;
    QStringList previous_;
};
