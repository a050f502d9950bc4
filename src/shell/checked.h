// Num: a number whose every operation is checked, so that a formula can be written as a
// formula. `S0 / pow(1 + K1 * t / n, n)` raises exactly the typed failures of chk:: (division
// by zero, overflow, invalid argument) at the first step whose result is not finite, in the
// order in which the expression is evaluated. An operation between two plain doubles stays
// plain; one Num operand makes it checked.
#pragma once

#include <cmath>
#include <concepts>

#include "shell/failure.h"

namespace morvane {

class Num {
public:
    constexpr Num() = default;
    constexpr Num(double v) : v_(v) {}  // NOLINT(google-explicit-constructor): a number
    constexpr operator double() const { return v_; }  // NOLINT(google-explicit-constructor)

    Num operator-() const { return Num(-v_); }
    Num& operator+=(Num b) { return *this = chk::add(v_, b.v_); }
    Num& operator-=(Num b) { return *this = chk::sub(v_, b.v_); }
    Num& operator*=(Num b) { return *this = chk::mul(v_, b.v_); }
    Num& operator/=(Num b) { return *this = chk::div(v_, b.v_); }

private:
    double v_ = 0;
};

template <class T>
concept Arithmetic = std::integral<T> || std::floating_point<T>;

#define MORVANE_CHECKED_OPERATOR(op, fn)                           \
    inline Num operator op(Num a, Num b) { return chk::fn(a, b); } \
    template <Arithmetic T>                                        \
    Num operator op(Num a, T b) {                                  \
        return chk::fn(a, static_cast<double>(b));                 \
    }                                                              \
    template <Arithmetic T>                                        \
    Num operator op(T a, Num b) {                                  \
        return chk::fn(static_cast<double>(a), b);                 \
    }
MORVANE_CHECKED_OPERATOR(+, add)
MORVANE_CHECKED_OPERATOR(-, sub)
MORVANE_CHECKED_OPERATOR(*, mul)
MORVANE_CHECKED_OPERATOR(/, div)
#undef MORVANE_CHECKED_OPERATOR

// The checked functions, found by argument-dependent lookup for a Num argument.
inline Num sqrt(Num v) { return chk::sqrt(v); }
inline Num log(Num v) { return chk::log(v); }
inline Num log10(Num v) { return chk::log10(v); }
inline Num exp(Num v) { return chk::exp(v); }
inline Num pow(Num base, Num exponent) { return chk::pow(base, exponent); }
template <Arithmetic T>
Num pow(Num base, T exponent) {
    return chk::pow(base, static_cast<double>(exponent));
}
template <Arithmetic T>
Num pow(T base, Num exponent) {
    return chk::pow(static_cast<double>(base), exponent);
}
// Angles never fail; a result that is not finite (the tangent at a right angle) does.
inline Num sin(Num v) { return chk::ok(std::sin(double(v))); }
inline Num cos(Num v) { return chk::ok(std::cos(double(v))); }
inline Num tan(Num v) { return chk::ok(std::tan(double(v))); }
inline Num atan(Num v) { return chk::ok(std::atan(double(v))); }
// A plain value taken into checked arithmetic: not finite raises the failure at once.
inline Num checked(double v) { return chk::ok(v); }

}  // namespace morvane
