#include "hydraulics/gradient_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "hydraulics/friction.h"

namespace morvane::friction {

namespace {

// A run of grid values start, start + inc, ..., start + (count - 1) * inc that repeated
// addition produces one after the other; `first` is the number of additions that gives start.
//
// Why the grid is such runs: inside a binade [2^E, 2^(E+1)) every double is a multiple of
// the spacing u = 2^(E-52), so J + 0.00001 rounds to J plus 0.00001 rounded to a multiple
// of u, the same amount for every J, unless 0.00001 lies exactly halfway between two
// multiples of u. Then the tie goes to the even multiple, every result is even, and from the
// second value of the binade on the increment is again the same. A run therefore starts
// where two consecutive increments agree and lasts to the end of the binade; the value that
// crosses into the next binade is computed by one real addition.
struct Run {
    std::uint64_t first;
    double start;
    double inc;  // 0 for the last run: from 2^37 on the addition no longer changes J
    std::uint64_t count;
};

std::vector<Run> buildGrid() {
    std::vector<Run> runs;
    double J = GradientStep;
    std::uint64_t n = 1;
    for (;;) {
        const double next = J + GradientStep;
        if (next == J) {
            runs.push_back({n, J, 0, std::numeric_limits<std::uint64_t>::max() - n});
            return runs;
        }
        const int e = std::ilogb(J);
        const double top = std::ldexp(1.0, e + 1);
        const double inc = next - J;  // exact: both are multiples of the spacing, next <= 2 J
        if (next >= top || (next + GradientStep) - next != inc) {
            runs.push_back({n, J, inc, 1});
            J = next;
            ++n;
            continue;
        }
        const double u = std::ldexp(1.0, e - 52);
        const auto room = static_cast<std::uint64_t>((top - J) / u);
        const auto stride = static_cast<std::uint64_t>(inc / u);
        const std::uint64_t count = (room + stride - 1) / stride;
        runs.push_back({n, J, inc, count});
        J = (J + static_cast<double>(count - 1) * inc) + GradientStep;
        n += count;
    }
}

const std::vector<Run>& grid() {
    static const std::vector<Run> runs = buildGrid();
    return runs;
}

// How far the search looks on either side of the bisection's answer for a grid value whose
// velocity reaches the target although its neighbours' do not (rounding noise of the law).
constexpr int NoiseScanLimit = 256;

// A velocity within this distance of the target may be on the wrong side of it by rounding:
// about a hundred times the error bound of the law's evaluation for non-negative
// roughness and viscosity.
double noiseBand(double J, double d, double v) {
    const double s = std::sqrt(std::fabs(d * (J * TwoG)));
    return 1e-13 * (std::fabs(v) + s);
}

}  // namespace

double gridValue(std::uint64_t n) {
    const auto& runs = grid();
    auto it = std::upper_bound(runs.begin(), runs.end(), n,
                               [](std::uint64_t k, const Run& r) { return k < r.first; });
    if (it == runs.begin()) return 0;  // n = 0: no addition yet
    const Run& r = *std::prev(it);
    if (r.inc == 0) return r.start;
    return r.start + static_cast<double>(n - r.first) * r.inc;  // exact inside the binade
}

std::uint64_t gridEnd() { return grid().back().first; }

GradientResult searchGradient(double target, double d, double kb, double nu) {
    // The rule stops at the first grid value where the law fails or the velocity is not
    // below the target.
    auto stops = [&](std::uint64_t n, double* v) {
        const Evaluation e = evaluate(gridValue(n), d, kb, nu);
        if (v) *v = e.v;
        return !e.ok() || !(e.v < target);
    };
    auto result = [&](std::uint64_t n) {
        const double J = gridValue(n);
        const Evaluation e = evaluate(J, d, kb, nu);
        if (e.failure) throw Failure(*e.failure);
        return GradientResult{true, J, n};
    };

    double v1 = 0;
    if (stops(1, &v1)) return result(1);

    // From the first step on, every failure the law can meet is one that, once met, stays
    // for all larger J (an overflow of 2 g J d, or b + a falling to zero with a negative
    // roughness); the others already fail at the first step. The velocity falls and then
    // rises with J (or only rises, or only falls), so with the first velocity below the
    // target the grid values where the rule stops are all those from one point on.
    std::uint64_t hi = gridEnd();
    if (!stops(hi, nullptr)) return {};  // no grid value reaches the target
    // Galloping from the start, then bisection: the cost grows with the logarithm of the
    // answer, and few probes land where the law fails (a failure costs an exception).
    std::uint64_t lo = 1;
    for (std::uint64_t n = 2; n < hi; n *= 2) {
        if (stops(n, nullptr)) {
            hi = n;
            break;
        }
        lo = n;
    }
    while (hi - lo > 1) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        (stops(mid, nullptr) ? hi : lo) = mid;
    }

    // Rounding may leave single grid values just below the answer, or just after the first
    // step, a few units in the last place above the target. Look at the grid values whose
    // velocity is within the noise band of the target.
    for (int i = 0; i < NoiseScanLimit && hi > 2; ++i) {
        double v = 0;
        const std::uint64_t m = hi - 1;
        if (stops(m, &v)) {
            hi = m;
            continue;
        }
        if (v < target - noiseBand(gridValue(m), d, v)) break;
    }
    if (v1 >= target - noiseBand(GradientStep, d, v1)) {
        for (std::uint64_t m = 2; m < hi && m < 2 + NoiseScanLimit; ++m) {
            double v = 0;
            if (stops(m, &v)) {
                hi = m;
                break;
            }
            if (v < target - noiseBand(gridValue(m), d, v)) break;
        }
    }
    return result(hi);
}

GradientResult searchGradientStepwise(double target, double d, double kb, double nu,
                                      std::uint64_t maxSteps) {
    double J = 0;
    for (std::uint64_t n = 1; n <= maxSteps; ++n) {
        J = J + GradientStep;
        const double v = PrandtlColebrook(J, d, kb, nu);
        if (!(v < target)) return {true, J, n};
    }
    return {false, J, maxSteps};
}

}  // namespace morvane::friction
