#include "shell/failure.h"

#include <cmath>

namespace morvane {

const char* describe(FailureKind kind) {
    switch (kind) {
        case FailureKind::NoNumber: return "Der eingegebene Text ist keine Zahl.";
        case FailureKind::Overflow: return "Überlauf: das Ergebnis ist zu groß.";
        case FailureKind::DivZero: return "Division durch Null.";
        case FailureKind::Invalid: return "Ungültiges Argument: die Rechnung ist nicht definiert.";
    }
    return "Unbekannter Fehler.";
}

namespace chk {

// Arguments go through the same check as results: an operand that is already infinite or
// not a number fails before it can produce anything.
double ok(double v) {
    if (std::isnan(v)) throw Failure(FailureKind::Invalid);
    if (std::isinf(v)) throw Failure(FailureKind::Overflow);
    return v;
}

double div(double a, double b) {
    ok(a);
    ok(b);
    if (b == 0.0) throw Failure(a == 0.0 ? FailureKind::Invalid : FailureKind::DivZero);
    return ok(a / b);
}

double mul(double a, double b) { return ok(ok(a) * ok(b)); }
double add(double a, double b) { return ok(ok(a) + ok(b)); }
double sub(double a, double b) { return ok(ok(a) - ok(b)); }

double sqrt(double v) {
    if (ok(v) < 0.0) throw Failure(FailureKind::Invalid);
    return std::sqrt(v);
}

double log(double v) {
    if (ok(v) <= 0.0) throw Failure(FailureKind::Invalid);
    return std::log(v);
}

double log10(double v) {
    if (ok(v) <= 0.0) throw Failure(FailureKind::Invalid);
    return std::log10(v);
}

double exp(double v) { return ok(std::exp(ok(v))); }

double pow(double base, double exponent) {
    ok(base);
    ok(exponent);
    if (base == 0.0 && exponent < 0.0) throw Failure(FailureKind::DivZero);
    if (base < 0.0 && std::trunc(exponent) != exponent) throw Failure(FailureKind::Invalid);
    return ok(std::pow(base, exponent));
}

}  // namespace chk

}  // namespace morvane
