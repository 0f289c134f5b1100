// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

// What the store worker's folder must hold: every word's level and times, the practice
// set, and which of the two contents each settings file has. Replaying the worker's log
// moves it on; the operation a kill interrupted may have happened or not, never half.
class StoreModel {
public:
    using Key = std::pair<int, int>;
    using Selected = std::vector<std::tuple<int, int, int, int, QString>>;
    struct State {
        std::map<Key, std::pair<int, int>> words; // level, times
        Selected selected;
        std::array<int, 3> settings{}; // the content each settings file holds
        bool operator==(const State&) const = default;
    };
    struct Operation {
        char kind = 0; // B build, G grade, R reset, S settings
        std::vector<int> arguments;
    };

    // settingsBytes[v][i]: the bytes of settings file i in content v.
    explicit StoreModel(std::array<std::array<QByteArray, 3>, 2> settingsBytes);

    // Applies the log's finished operations; returns the one the kill interrupted, if any.
    // Throws std::runtime_error on a malformed log.
    std::optional<Operation> replay(const QByteArray& log);
    // Checks the folder against the state before and after the interrupted operation and
    // takes what it found as the new state; the reason when it matches neither.
    std::optional<QString> settle(const QString& folder, const std::optional<Operation>& pending);

    const State& state() const { return state_; }

private:
    State applied(const State& state, const Operation& operation) const;
    std::optional<QString> readStore(const QString& folder, State& found) const;
    std::optional<QString> readSettings(const QString& folder, const State& before,
                                        const State& after, State& found) const;

    std::array<std::array<QByteArray, 3>, 2> settingsBytes_;
    State state_;
};
