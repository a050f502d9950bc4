#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "failure_of.h"
#include "hydraulics/friction.h"
#include "hydraulics/gradient_search.h"
#include "shell/failure.h"

namespace morvane::friction {
namespace {

constexpr double c = GradientStep;

struct Outcome {
    GradientResult result;
    std::optional<FailureKind> failure;
};

Outcome fast(double target, double d, double kb, double nu) {
    Outcome o{};
    o.failure = failureOf([&] { o.result = searchGradient(target, d, kb, nu); });
    return o;
}

Outcome plain(double target, double d, double kb, double nu, std::uint64_t limit) {
    Outcome o{};
    o.failure = failureOf([&] { o.result = searchGradientStepwise(target, d, kb, nu, limit); });
    return o;
}

std::string describeCase(double target, double d, double kb, double nu) {
    std::ostringstream s;
    s.precision(17);
    s << "target " << target << " d " << d << " kb " << kb << " nu " << nu;
    return s.str();
}

// Compares the fast search with the rule's loop, run up to `limit` steps. A loop that does not
// end within the limit only tells that the answer lies beyond it.
void expectSame(double target, double d, double kb, double nu, std::uint64_t limit) {
    const Outcome f = fast(target, d, kb, nu);
    const Outcome p = plain(target, d, kb, nu, limit);
    SCOPED_TRACE(describeCase(target, d, kb, nu));
    if (p.failure) {
        ASSERT_EQ(f.failure, p.failure);
        return;
    }
    if (!p.result.found) {
        ASSERT_FALSE(f.failure);
        if (f.result.found) {
            ASSERT_GT(f.result.steps, limit);
        }
        return;
    }
    ASSERT_FALSE(f.failure) << describe(*f.failure);
    ASSERT_TRUE(f.result.found);
    ASSERT_EQ(f.result.steps, p.result.steps);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(f.result.J), std::bit_cast<std::uint64_t>(p.result.J));
}

// The grid: gridValue(n) is the value after n additions.
TEST(GradientGrid, FirstStepsEqualRepeatedAddition) {
    double J = 0;
    for (std::uint64_t n = 1; n <= 3000000; ++n) {
        J = J + c;
        ASSERT_EQ(gridValue(n), J) << n;
    }
}

TEST(GradientGrid, EveryBinadeFollowsTheAddition) {
    // Each step of the grid is one addition: checked at both ends of every binade (where the
    // increment changes) and at random places inside it.
    std::mt19937_64 rng(11);
    const std::uint64_t end = gridEnd();
    auto step = [&](std::uint64_t n) { ASSERT_EQ(gridValue(n) + c, gridValue(n + 1)) << n; };
    std::uint64_t n = 1;
    int binades = 0;
    while (n < end) {
        const int e = std::ilogb(gridValue(n));
        // The last grid value of this binade, by bisection.
        std::uint64_t lo = n, hi = end;
        while (hi - lo > 1) {
            const std::uint64_t mid = lo + (hi - lo) / 2;
            (std::ilogb(gridValue(mid)) == e ? lo : hi) = mid;
        }
        for (std::uint64_t k = n; k < n + 3 && k < end; ++k) step(k);
        for (std::uint64_t k = lo > n + 3 ? lo - 3 : n; k <= lo && k < end; ++k) step(k);
        std::uniform_int_distribution<std::uint64_t> inside(n, lo);
        for (int i = 0; i < 2000; ++i) step(inside(rng));
        n = lo + 1;
        ++binades;
    }
    EXPECT_GT(binades, 50);
    // From 2^37 on the addition no longer changes the gradient.
    EXPECT_EQ(gridValue(end), std::ldexp(1.0, 37));
    EXPECT_NE(gridValue(end - 1), gridValue(end));
    EXPECT_EQ(gridValue(end) + c, gridValue(end));
    EXPECT_EQ(gridValue(end + 12345), gridValue(end));
}

TEST(GradientSearch, WorkedExamples) {
    // 100 l/s in 300 mm: J = 0,01042 after 1042 steps.
    const double d = 0.3, A = Fläche(d);
    const double target = (100.0 / 1000) / A;
    const GradientResult r = searchGradient(target, d, 1.5 / 1000, 1.31 / 1000000);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.steps, 1042u);
    EXPECT_NEAR(r.J, 0.01042, 1e-12);
    // 87,566 l/s: 8 promille after 800 steps.
    const GradientResult r8 = searchGradient((87.566 / 1000) / A, d, 1.5 / 1000, 1.31e-6);
    EXPECT_EQ(r8.steps, 800u);
    // A target of 0: the first step.
    EXPECT_EQ(searchGradient(0, d, 1.5 / 1000, 1.31e-6).steps, 1u);
    EXPECT_EQ(searchGradient(0, d, 1.5 / 1000, 1.31e-6).J, c);
}

TEST(GradientSearch, NoGradientWhenTheRoughnessTermReachesOne) {
    // A diameter typed in metres: 0,3 mm with kb 1,5 mm.
    EXPECT_FALSE(searchGradient(1.4147, 0.0003, 0.0015, 1.31e-6).found);
    EXPECT_FALSE(searchGradient(1e-9, 0.0015 / 3.71, 0.0015, 0).found);
    // A roughness term just below one needs a gradient beyond the grid's end.
    EXPECT_FALSE(searchGradient(100, 0.3, 0.3 * 3.71 * (1 - 1e-9), 1.31e-6).found);
    // Far beyond any plain loop, but the grid reaches it: found, with a valid grid value.
    const GradientResult far = searchGradient(100, 0.01, 1.5 / 1000, 1.31e-6);
    ASSERT_TRUE(far.found);
    EXPECT_GT(far.steps, 600000000u);
    EXPECT_LT(far.steps, 700000000u);
    EXPECT_EQ(far.J, gridValue(far.steps));
}

TEST(GradientSearch, FailuresOfTheFirstStep) {
    EXPECT_EQ(fast(1, 0, 0.0015, 1.31e-6).failure, FailureKind::DivZero);
    EXPECT_EQ(fast(1, -0.3, 0.0015, 1.31e-6).failure, FailureKind::Invalid);
    EXPECT_EQ(fast(1, 0.3, -0.0015, -1.31e-6).failure, FailureKind::Invalid);
    EXPECT_EQ(fast(1, 0.3, 0, 0).failure, FailureKind::Invalid);
}

// Inputs of the window: presets and random values, targets whose loop ends within a few
// thousand steps, set right at a grid value's velocity or one unit in the last place beside it.
TEST(GradientSearch, AgreesWithTheLoopOnPresetInputs) {
    std::mt19937_64 rng(2026);
    const double roughness[] = {1.5, 0.75, 0.5, 0.25, 0.1};
    const double viscosity[] = {1.31, 1.01, 0.8, 50, 88, 150};
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> choose(0, 1 << 20);
    int checked = 0;
    for (int i = 0; i < 3000; ++i) {
        const double d = std::exp(std::log(20.0) + unit(rng) * std::log(2000.0 / 20)) / 1000;
        const double kb = (choose(rng) % 4 ? roughness[choose(rng) % 5] : 3 * unit(rng)) / 1000;
        const double nu = (choose(rng) % 4 ? viscosity[choose(rng) % 6] : 200 * unit(rng)) / 1e6;
        const auto k = static_cast<std::uint64_t>(std::exp(unit(rng) * std::log(20000.0))) + 1;
        const Evaluation at = evaluate(gridValue(k), d, kb, nu);
        if (!at.ok()) continue;
        double target = at.v;
        switch (choose(rng) % 4) {
            case 0: break;
            case 1: target = std::nextafter(target, 1e300); break;
            case 2: target = std::nextafter(target, -1e300); break;
            case 3: {
                const Evaluation before = evaluate(gridValue(k - 1), d, kb, nu);
                if (before.ok()) target = before.v + unit(rng) * (at.v - before.v);
                break;
            }
        }
        expectSame(target, d, kb, nu, 3 * k + 1000);
        ++checked;
    }
    EXPECT_GT(checked, 2900);
}

// Targets of zero and below, and very viscous fluids in small pipes, whose velocity is
// negative at the first steps and falls before it rises.
TEST(GradientSearch, AgreesWithTheLoopForViscousFluidsAndTargetsAtOrBelowZero) {
    std::mt19937_64 rng(8);
    std::uniform_real_distribution<double> unit(0, 1);
    int checked = 0, fallingFirst = 0;
    for (int i = 0; i < 2500; ++i) {
        const double d = (1 + 30 * unit(rng)) / 1000;
        const double kb = 1.5 * unit(rng) / 1000;
        const double nu = (20 + 300 * unit(rng)) / 1e6;
        const Evaluation first = evaluate(c, d, kb, nu);
        if (!first.ok()) continue;
        double target;
        const auto k = static_cast<std::uint64_t>(std::exp(unit(rng) * std::log(30000.0))) + 1;
        switch (i % 4) {
            case 0: target = 0; break;
            case 1: target = -unit(rng) * 0.05; break;
            case 2: target = i % 8 == 2 ? first.v : std::nextafter(first.v, 1e300); break;
            default: {
                const Evaluation at = evaluate(gridValue(k), d, kb, nu);
                if (!at.ok()) continue;
                target = at.v;
            }
        }
        const Evaluation second = evaluate(gridValue(50), d, kb, nu);
        if (second.ok() && second.v < first.v) ++fallingFirst;
        expectSame(target, d, kb, nu, 200000);
        ++checked;
    }
    EXPECT_GT(checked, 2000);
    EXPECT_GT(fallingFirst, 500);
}

// A negative roughness lets b + a fall to zero as the gradient grows: the loop fails there,
// unless it reached the target before.
TEST(GradientSearch, AgreesWithTheLoopWhereTheLawFailsOnTheWay) {
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> unit(0, 1);
    int failed = 0, reached = 0;
    for (int i = 0; i < 1500; ++i) {
        const double d = (50 + 1000 * unit(rng)) / 1000;
        const double nu = (0.8 + 2 * unit(rng)) / 1e6;
        const auto k = static_cast<std::uint64_t>(std::exp(unit(rng) * std::log(5000.0))) + 2;
        // b = -a at the k-th grid value: the logarithm's argument reaches zero about there.
        const double J = gridValue(k);
        const double s = std::sqrt(d * (J * TwoG));
        const double a = (2.51 * nu) / (s * d);
        const double kb = -a * (3.71 * d) * (1 + 1e-12 * (unit(rng) - 0.5));
        const auto j = static_cast<std::uint64_t>(unit(rng) * 2 * static_cast<double>(k)) + 1;
        const Evaluation at = evaluate(gridValue(j), d, kb, nu);
        const double target = at.ok() ? at.v : 1e9;
        expectSame(target, d, kb, nu, 3 * k + 1000);
        (fast(target, d, kb, nu).failure ? failed : reached)++;
    }
    EXPECT_GT(failed, 100);
    EXPECT_GT(reached, 100);
}

// A few long loops: a small diameter at a high velocity.
TEST(GradientSearch, AgreesWithTheLoopOnLongSearches) {
    const struct { double target, d; } cases[] = {{20, 0.3}, {40, 0.1}, {8, 0.02}};
    for (const auto& x : cases) expectSame(x.target, x.d, 1.5 / 1000, 1.31e-6, 4000000);
}

TEST(GradientSearch, EveryInputEndsQuickly) {
    const auto start = std::chrono::steady_clock::now();
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 20000; ++i) {
        const double target = std::pow(10.0, 3 * unit(rng)) * (i % 7 ? 1 : -1);
        const double d = std::pow(10.0, 4 * unit(rng));
        const double kb = std::pow(10.0, 4 * unit(rng) - 3);
        const double nu = std::pow(10.0, 3 * unit(rng) - 5);
        const Outcome f = fast(target, d, kb, nu);
        if (f.result.found) {
            ASSERT_EQ(f.result.J, gridValue(f.result.steps));
        }
    }
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 10.0);
}

}  // namespace
}  // namespace morvane::friction
