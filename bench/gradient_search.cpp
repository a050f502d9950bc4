// The gradient search of the pipeline window: the fast search against the step-by-step loop.
#include "hydraulics/gradient_search.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "hydraulics/friction.h"

namespace {

using morvane::friction::Fläche;
using morvane::friction::searchGradient;
using morvane::friction::searchGradientStepwise;

struct Case {
    double target, d;
};

constexpr double Kb = 1.5 / 1000;
constexpr double Nu = 1.31 / 1000000;

Case flow(double litresPerSecond, double dMillimetres) {
    const double d = dMillimetres / 1000;
    return {(litresPerSecond / 1000) / Fläche(d), d};
}

const Case EightPromille = flow(87.566, 300);   // 800 steps
const Case HundredLitres = flow(100, 300);      // 1042 steps
const Case Fast300 = {100, 0.3};                // about 5 million steps
const Case Fast10 = {100, 0.01};                // about 660 million steps
const Case Unreachable = {1.4147, 0.3 / 1000};  // diameter typed in metres: none

// A negative roughness that lets the law fail at about the 1000th step, before the target.
double failingRoughness() {
    const double d = 0.3, J = 1000 * morvane::friction::GradientStep;
    const double s = std::sqrt(d * (J * morvane::friction::TwoG));
    return -((2.51 * Nu) / (s * d)) * (3.71 * d);
}

void failing(benchmark::State& state) {
    const double kb = failingRoughness();
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(searchGradient(100, 0.3, kb, Nu));
        } catch (const morvane::Failure& f) {
            benchmark::DoNotOptimize(f.kind());
        }
    }
}

void fast(benchmark::State& state, Case c) {
    std::uint64_t steps = 0;
    for (auto _ : state) {
        const auto r = searchGradient(c.target, c.d, Kb, Nu);
        benchmark::DoNotOptimize(r);
        steps = r.steps;
    }
    state.counters["steps"] = static_cast<double>(steps);
}

void loop(benchmark::State& state, Case c) {
    std::uint64_t steps = 0;
    for (auto _ : state) {
        const auto r = searchGradientStepwise(c.target, c.d, Kb, Nu,
                                              std::numeric_limits<std::uint64_t>::max());
        benchmark::DoNotOptimize(r);
        steps = r.steps;
    }
    state.counters["steps"] = static_cast<double>(steps);
}

BENCHMARK_CAPTURE(fast, eight_promille, EightPromille);
BENCHMARK_CAPTURE(loop, eight_promille, EightPromille);
BENCHMARK_CAPTURE(fast, hundred_ls_in_300mm, HundredLitres);
BENCHMARK_CAPTURE(loop, hundred_ls_in_300mm, HundredLitres);
BENCHMARK_CAPTURE(fast, dn300_at_100ms, Fast300);
BENCHMARK_CAPTURE(loop, dn300_at_100ms, Fast300)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fast, dn10_at_100ms, Fast10);
BENCHMARK_CAPTURE(fast, no_gradient, Unreachable);
BENCHMARK(failing);

}  // namespace

BENCHMARK_MAIN();
