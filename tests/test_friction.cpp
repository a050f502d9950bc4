#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "failure_of.h"
#include "hydraulics/friction.h"
#include "shell/failure.h"
#include "shell/number_text.h"

namespace morvane::friction {
namespace {

std::optional<FailureKind> failureOf(double J, double d, double kb, double nu) {
    return morvane::failureOf([&] { PrandtlColebrook(J, d, kb, nu); });
}

TEST(Friction, WorkedExamples) {
    const double d = 300.0 / 1000;
    const double v = PrandtlColebrook(8.0 / 1000, d, 1.5 / 1000, 1.31 / 1000000);
    EXPECT_EQ(NumberText::format(v, "##,##0.0000 "), "1,2388 ");
    const double A = Fläche(d);
    EXPECT_EQ(NumberText::format(A, "##,##0.000000 "), "0,070686 ");
    EXPECT_EQ(NumberText::format(1000 * (v * A), "##,##0.000 "), "87,566 ");
    EXPECT_EQ(NumberText::format(3.6 * (1000 * (v * A)), "##,##0.000 "), "315,239 ");

    const double v2 = PrandtlColebrook(1.0 / 1000, 1.0, 0.1 / 1000, 1.01 / 1000000);
    EXPECT_EQ(NumberText::format(v2, "##,##0.0000 "), "1,2176 ");
    EXPECT_EQ(NumberText::format(1000 * (v2 * Fläche(1.0)), "##,##0.000 "), "956,286 ");
    EXPECT_EQ(Fläche(2.0), 3.1416);
}

TEST(Friction, GuardsAreTypedFailures) {
    // A zero diameter divides by zero whatever the rest is; so does a zero gradient.
    EXPECT_EQ(failureOf(0.008, 0, 0.0015, 1.31e-6), FailureKind::DivZero);
    EXPECT_EQ(failureOf(0.008, 0, 0, 0), FailureKind::Invalid);  // 0 / 0
    EXPECT_EQ(failureOf(0, 0.3, 0.0015, 1.31e-6), FailureKind::DivZero);
    // A negative J * d has no square root.
    EXPECT_EQ(failureOf(-0.008, 0.3, 0.0015, 1.31e-6), FailureKind::Invalid);
    EXPECT_EQ(failureOf(0.008, -0.3, 0.0015, 1.31e-6), FailureKind::Invalid);
    // b + a zero or negative has no logarithm.
    EXPECT_EQ(failureOf(0.008, 0.3, 0, 0), FailureKind::Invalid);
    EXPECT_EQ(failureOf(0.008, 0.3, -0.0015, 1.31e-6), FailureKind::Invalid);
    // Overflow of a step.
    EXPECT_EQ(failureOf(1e300, 1e300, 0.0015, 1.31e-6), FailureKind::Overflow);
    EXPECT_EQ(failureOf(0.008, 0.3, 0.0015, 1e308), FailureKind::Overflow);
    // No range check: a roughness term of 1 or more gives a velocity of zero or below.
    EXPECT_FALSE(failureOf(0.008, 0.3, 0.3 * 3.71, 0));
    EXPECT_EQ(PrandtlColebrook(0.008, 0.3, 0.3 * 3.71, 0), 0.0);
    EXPECT_LT(PrandtlColebrook(0.008, 0.3 / 1000, 1.5 / 1000, 1.31e-6), 0.0);
}

}  // namespace
}  // namespace morvane::friction
