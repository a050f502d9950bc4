// What the bindings of the form models to a toolkit (Qt in src/ui, Windows in src/win32)
// share: the record each keeps of a window's controls, and the table that names the binder of
// each kind of control.
#pragma once

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "shell/control.h"

namespace morvane {

// What a binding keeps of each control of its window (its native widget or window and what
// belongs to it), by the control's key.
template <class Bound>
class BoundControls {
public:
    // The record of a control of the window; made on first use.
    Bound& operator[](const std::string& key) { return bound_[key]; }
    // The record of a key; nullptr for a key the binding keeps nothing of.
    Bound* find(std::string_view key) {
        auto it = bound_.find(key);
        return it == bound_.end() ? nullptr : &it->second;
    }
    const Bound* find(std::string_view key) const {
        auto it = bound_.find(key);
        return it == bound_.end() ? nullptr : &it->second;
    }
    auto begin() { return bound_.begin(); }
    auto end() { return bound_.end(); }

private:
    std::map<std::string, Bound, std::less<>> bound_;
};

// The binder of a kind in a binding's table, which names one for every kind.
template <class Binder, std::size_t N>
const Binder& binderIn(const std::pair<Kind, Binder> (&table)[N], Kind kind) {
    for (const auto& [k, binder] : table)
        if (k == kind) return binder;
    throw std::logic_error("no binder for a kind of control");
}

}  // namespace morvane
