// The typed failure a call raises, or none: for tests of the checked arithmetic.
#pragma once

#include <optional>

#include "shell/failure.h"

namespace morvane {

template <class F>
std::optional<FailureKind> failureOf(F&& f) {
    try {
        f();
    } catch (const Failure& e) {
        return e.kind();
    }
    return std::nullopt;
}

}  // namespace morvane
