#include "hydraulics/friction.h"

#include <cmath>
#include <string>

#include "shell/form_model.h"

namespace morvane::friction {

double PrandtlColebrook(double J, double d, double kb, double nu) {
    const double s = chk::sqrt(chk::mul(d, chk::mul(J, TwoG)));
    const double a = chk::div(chk::mul(2.51, nu), chk::mul(s, d));
    const double b = chk::div(kb, chk::mul(3.71, d));
    const double l = chk::log(chk::add(b, a)) / std::log(10.0);
    return chk::mul(s, l * -2);
}

Evaluation evaluate(double J, double d, double kb, double nu) noexcept {
    try {
        return {PrandtlColebrook(J, d, kb, nu), std::nullopt};
    } catch (const Failure& f) {
        return {0, f.kind()};
    }
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
