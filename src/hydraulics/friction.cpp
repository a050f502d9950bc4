#include "hydraulics/friction.h"

#include <cmath>
#include <string>

#include "shell/form_model.h"
#include "shell/patterns.h"

namespace morvane::friction {

Num PrandtlColebrook(Num J, Num d, Num kb, Num nu) {
    const Num s = sqrt(d * (J * TwoG));
    const Num a = 2.51 * nu / (s * d);
    const Num b = kb / (3.71 * d);
    const Num l = log(b + a) / std::log(10.0);
    return s * (l * -2);
}

Evaluation evaluate(double J, double d, double kb, double nu) noexcept {
    try {
        return {PrandtlColebrook(J, d, kb, nu), std::nullopt};
    } catch (const Failure& f) {
        return {0, f.kind()};
    }
}

Num Fläche(Num d) { return 3.1416 * (d * d) / 4; }

void writePreset(FormModel& form, const Preset& preset) {
    form.show(preset.field, preset.value, Pattern::Dec2Blank);
}

void reportPresetFailure(FormModel& form, const Failure& failure) {
    form.message(std::string(describe(failure.kind())) +
                 "\r\nDer gewählte Wert ist eingetragen, aber mit den übrigen Eingaben "
                 "ist keine Berechnung möglich. Bitte die Eingaben prüfen.");
}

}  // namespace morvane::friction
