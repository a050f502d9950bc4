#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "failure_of.h"
#include "shell/checked.h"
#include "shell/failure.h"

namespace morvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
const double kNaN = std::nan("");

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

// The operators of Num raise what the chk:: calls they stand for raise, at the first step
// whose result is not finite, and compute exactly the same doubles.
TEST(CheckedNumber, OperatorsAreTheCheckedCalls) {
    const Num a = 7.25, b = 0.1, zero = 0;
    EXPECT_EQ(double(a / b), chk::div(7.25, 0.1));
    EXPECT_EQ(double(1 + a * b / 3), chk::add(1, chk::div(chk::mul(7.25, 0.1), 3)));
    EXPECT_EQ(double(pow(1 + b, a)), chk::pow(1.1, 7.25));
    EXPECT_EQ(failureOf([&] { (void)(a / zero); }), FailureKind::DivZero);
    EXPECT_EQ(failureOf([&] { (void)(zero / 0); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([&] { (void)(Num(kMax) * 2); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([&] { (void)(kMax + Num(kMax)); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([&] { (void)sqrt(-a); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([&] { (void)log(zero); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([&] { (void)pow(zero, -1); }), FailureKind::DivZero);
    EXPECT_EQ(failureOf([&] { (void)pow(-a, 0.5); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([&] { (void)exp(Num(1000)); }), FailureKind::Overflow);
    // An operand that is already not finite fails before it is used.
    EXPECT_EQ(failureOf([&] { (void)(Num(kInf) - kInf); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([&] { (void)(Num(kNaN) + 1); }), FailureKind::Invalid);
    Num sum = 1;
    sum += a;
    sum /= 2;
    EXPECT_EQ(double(sum), 4.125);
    EXPECT_EQ(failureOf([&] { sum /= zero; }), FailureKind::DivZero);
    // Two plain doubles stay plain: only a Num operand makes an operation checked.
    EXPECT_TRUE(std::isinf(kMax * 2.0));
}

}  // namespace
}  // namespace morvane
