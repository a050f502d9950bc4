#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "shell/failure.h"

namespace morvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
const double kNaN = std::nan("");

template <class F>
std::optional<FailureKind> failureOf(F&& f) {
    try {
        f();
    } catch (const Failure& e) {
        return e.kind();
    }
    return std::nullopt;
}

TEST(FailureText, GermanDescriptions) {
    EXPECT_STREQ(describe(FailureKind::NoNumber), "Der eingegebene Text ist keine Zahl.");
    EXPECT_STREQ(describe(FailureKind::Overflow), "Überlauf: das Ergebnis ist zu groß.");
    EXPECT_STREQ(describe(FailureKind::DivZero), "Division durch Null.");
    EXPECT_STREQ(describe(FailureKind::Invalid),
                 "Ungültiges Argument: die Rechnung ist nicht definiert.");
    EXPECT_STREQ(Failure(FailureKind::DivZero).what(), "Division durch Null.");
}

TEST(CheckedArithmetic, NonFiniteValuesAndOperandsFail) {
    EXPECT_EQ(chk::ok(-2.5), -2.5);
    EXPECT_EQ(failureOf([] { chk::ok(kInf); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::ok(-kInf); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::ok(kNaN); }), FailureKind::Invalid);
    // An operand that is already broken fails even where the result would look harmless.
    EXPECT_EQ(failureOf([] { chk::mul(kInf, 0.0); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::div(1.0, kInf); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::add(kNaN, 1.0); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([] { chk::pow(kNaN, 0.0); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([] { chk::pow(1.0, kInf); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::exp(-kInf); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::sqrt(kNaN); }), FailureKind::Invalid);
}

TEST(CheckedArithmetic, ResultsBeyondTheRangeOverflow) {
    EXPECT_EQ(failureOf([] { chk::mul(kMax, 2.0); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::add(kMax, kMax); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::sub(-kMax, kMax); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::div(1e300, 1e-10); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::exp(710.0); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::pow(10.0, 400.0); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { chk::pow(-10.0, 401.0); }), FailureKind::Overflow);
    // Underflow is no failure: the result is simply zero.
    EXPECT_EQ(chk::exp(-1000.0), 0.0);
    EXPECT_EQ(chk::mul(1e-300, 1e-300), 0.0);
    EXPECT_EQ(chk::sub(kMax, kMax), 0.0);
}

TEST(CheckedArithmetic, Division) {
    EXPECT_DOUBLE_EQ(chk::div(1.0, 3.0), 1.0 / 3.0);
    EXPECT_EQ(failureOf([] { chk::div(1.0, 0.0); }), FailureKind::DivZero);
    EXPECT_EQ(failureOf([] { chk::div(-1.0, -0.0); }), FailureKind::DivZero);
    EXPECT_EQ(failureOf([] { chk::div(0.0, 0.0); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([] { chk::div(-0.0, 0.0); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([] { chk::div(kNaN, 0.0); }), FailureKind::Invalid);
    EXPECT_EQ(chk::div(0.0, 5.0), 0.0);
}

TEST(CheckedArithmetic, RootsAndLogarithmsOutsideTheirDomain) {
    EXPECT_EQ(chk::sqrt(6.25), 2.5);
    EXPECT_EQ(chk::sqrt(0.0), 0.0);
    EXPECT_EQ(chk::sqrt(-0.0), 0.0);
    EXPECT_EQ(failureOf([] { chk::sqrt(-1e-300); }), FailureKind::Invalid);
    EXPECT_DOUBLE_EQ(chk::log(std::exp(2.0)), 2.0);
    EXPECT_DOUBLE_EQ(chk::log10(1000.0), 3.0);
    for (double v : {0.0, -0.0, -1.0}) {
        EXPECT_EQ(failureOf([&] { chk::log(v); }), FailureKind::Invalid) << v;
        EXPECT_EQ(failureOf([&] { chk::log10(v); }), FailureKind::Invalid) << v;
    }
}

TEST(CheckedArithmetic, Powers) {
    EXPECT_EQ(chk::pow(-2.0, 3.0), -8.0);
    EXPECT_EQ(chk::pow(-2.0, -2.0), 0.25);
    EXPECT_EQ(chk::pow(0.0, 0.0), 1.0);
    EXPECT_EQ(chk::pow(0.0, 2.5), 0.0);
    EXPECT_DOUBLE_EQ(chk::pow(2.0, 0.5), std::sqrt(2.0));
    EXPECT_EQ(failureOf([] { chk::pow(0.0, -1.0); }), FailureKind::DivZero);
    EXPECT_EQ(failureOf([] { chk::pow(0.0, -0.5); }), FailureKind::DivZero);
    EXPECT_EQ(failureOf([] { chk::pow(-8.0, 1.0 / 3.0); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([] { chk::pow(-2.0, 0.5); }), FailureKind::Invalid);
}

}  // namespace
}  // namespace morvane
