// The search for the gradient that a full pipe needs for a target velocity.
//
// The rule: J = 0; repeat J = J + 0.00001 and evaluate the friction law, until the velocity
// reaches the target. The tested gradients are the values of that repeated floating-point
// addition (not the exact multiples of 1E-05), and the result is the first of them whose
// velocity is at least the target; a failure of the law at an earlier step is the result
// instead. The rule has no step limit: some inputs need hundreds of millions of steps, and
// from J = 2^37 on the addition no longer changes J, so inputs whose velocity never reaches
// the target would never end.
//
// searchGradient gives exactly the rule's outcome in logarithmic time. The grid of repeated
// additions is an arithmetic progression inside each binade, so its n-th value is computed
// directly; the velocity, once below the target at the first step, first falls and then
// rises with J, so the first grid value that reaches the target is found by galloping and
// bisection.
#pragma once

#include <cstdint>

namespace morvane::friction {

// The step of the search: 0.00001, one hundredth of a promille.
inline constexpr double GradientStep = 0.00001;

struct GradientResult {
    bool found = false;       // false: no grid value ever reaches the target
    double J = 0;             // the grid value found (fraction)
    std::uint64_t steps = 0;  // its position in the grid: J is the value after `steps` additions
};

// The gradient for the target velocity (m/s) in a pipe of diameter d (m), roughness kb (m)
// and viscosity nu (m²/s). Raises the law's Failure where the rule would meet it first.
GradientResult searchGradient(double target, double d, double kb, double nu);

// The rule itself, step by step, stopping after maxSteps additions (found = false then).
// For tests and benchmarks.
GradientResult searchGradientStepwise(double target, double d, double kb, double nu,
                                      std::uint64_t maxSteps);

// The grid value after n additions (n >= 1), without adding n times.
double gridValue(std::uint64_t n);

// The number of additions after which the grid stops growing (its last value is 2^37).
std::uint64_t gridEnd();

}  // namespace morvane::friction
