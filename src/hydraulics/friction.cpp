#include "hydraulics/friction.h"

#include <cmath>
#include <string>

#include "shell/form_model.h"

namespace morvane::friction {

namespace {

// The checked steps below mirror chk:: exactly (operands are checked as results are), but
// report instead of throwing, so that the gradient search can evaluate the law many times
// without exceptions. After the first failure every step is skipped.
struct Checked {
    std::optional<FailureKind> failure;

    double fail(FailureKind kind) {
        if (!failure) failure = kind;
        return 0;
    }
    double ok(double v) {
        if (failure) return 0;
        if (std::isnan(v)) return fail(FailureKind::Invalid);
        if (std::isinf(v)) return fail(FailureKind::Overflow);
        return v;
    }
    double mul(double a, double b) {
        ok(a), ok(b);
        return ok(a * b);
    }
    double add(double a, double b) {
        ok(a), ok(b);
        return ok(a + b);
    }
    double div(double a, double b) {
        ok(a), ok(b);
        if (failure) return 0;
        if (b == 0.0) return fail(a == 0.0 ? FailureKind::Invalid : FailureKind::DivZero);
        return ok(a / b);
    }
    double sqrt(double v) {
        if (ok(v) < 0.0) return fail(FailureKind::Invalid);
        return failure ? 0 : std::sqrt(v);
    }
    double log(double v) {
        if (ok(v) <= 0.0) return fail(FailureKind::Invalid);
        return failure ? 0 : std::log(v);
    }
};

const double Ln10 = std::log(10.0);

}  // namespace

Evaluation evaluate(double J, double d, double kb, double nu) noexcept {
    Checked k;
    const double s = k.sqrt(k.mul(d, k.mul(J, TwoG)));
    const double a = k.div(k.mul(2.51, nu), k.mul(s, d));
    const double b = k.div(kb, k.mul(3.71, d));
    const double l = k.log(k.add(b, a)) / Ln10;
    const double v = k.mul(s, l * -2);
    return {v, k.failure};
}

double PrandtlColebrook(double J, double d, double kb, double nu) {
    const Evaluation e = evaluate(J, d, kb, nu);
    if (e.failure) throw Failure(*e.failure);
    return e.v;
}

double Fläche(double d) { return chk::ok(chk::mul(3.1416, chk::mul(d, d)) / 4); }

void writePreset(FormModel& form, const Preset& preset) {
    form.show(preset.field, preset.value, "##,##0.00 ");
}

void reportPresetFailure(FormModel& form, const Failure& failure) {
    form.message(std::string(describe(failure.kind())) +
                     "\r\nDer gewählte Wert ist eingetragen, aber mit den übrigen Eingaben "
                     "ist keine Berechnung möglich. Bitte die Eingaben prüfen.",
                 "Eingabefehler");
}

}  // namespace morvane::friction
