// Typed failures of reactions and the checked arithmetic that raises them.
#pragma once

#include <exception>
#include <string>

namespace morvane {

enum class FailureKind { NoNumber, Overflow, DivZero, Invalid };

// The German description shown in the first line of a guard's message.
const char* describe(FailureKind kind);

class Failure : public std::exception {
public:
    explicit Failure(FailureKind kind) : kind_(kind) {}
    FailureKind kind() const { return kind_; }
    const char* what() const noexcept override { return describe(kind_); }

private:
    FailureKind kind_;
};

// Checked arithmetic: every result is finite or a Failure is thrown.
namespace chk {
// Returns v if finite; infinity raises Overflow, not-a-number raises Invalid.
double ok(double v);
// a / b: b == 0 raises DivZero (0 / 0 raises Invalid); the quotient is checked.
double div(double a, double b);
double mul(double a, double b);
double add(double a, double b);
double sub(double a, double b);
// Square root of a negative number raises Invalid.
double sqrt(double v);
// Natural logarithm; v <= 0 raises Invalid.
double log(double v);
double log10(double v);
double exp(double v);
// Power; invalid operands (negative base with a fractional exponent, 0 to a negative power)
// raise Invalid or DivZero.
double pow(double base, double exponent);
}  // namespace chk

}  // namespace morvane
