// The friction law of a circular pipe running full (Prandtl-Colebrook), the circle area and
// the roughness and viscosity presets that both pipeline windows offer. Stateless.
#pragma once

#include <array>
#include <optional>

#include "shell/checked.h"

namespace morvane {

class FormModel;

namespace friction {

// Gravity as the law uses it: 2 g = 2 * 9.81.
inline constexpr double TwoG = 19.62;

// The outcome of one evaluation of the law: a velocity, or the failure that the checked
// arithmetic raised at the first step that went wrong.
struct Evaluation {
    double v = 0;
    std::optional<FailureKind> failure;
    bool ok() const { return !failure; }
};

// PrandtlColebrook as a value: the velocity, or the kind of its failure.
Evaluation evaluate(double J, double d, double kb, double nu) noexcept;

// Full-pipe velocity in m/s for the gradient J (fraction), inner diameter d (m), operational
// roughness kb (m) and kinematic viscosity nu (m²/s):
//   s = (d * (J * 19.62))^0.5;  a = (2.51 * nu) / (s * d);  b = kb / (3.71 * d);
//   l = ln(b + a) / ln(10);      v = s * (l * (-2)).
// Raises Failure: d = 0 or J = 0 (division by zero), a negative J * d (square root), a
// non-positive b + a (logarithm), and overflow of any step. No range check: b + a >= 1
// gives a velocity of zero or below.
Num PrandtlColebrook(Num J, Num d, Num kb, Num nu);

// Circle area 3.1416 * d² / 4 in m² (the checked result).
Num Fläche(Num d);

// A preset option: its control, caption, the field it writes and the value in field units.
struct Preset {
    const char* option;
    const char* caption;
    const char* field;
    double value;
};

// Roughness in mm (field txtkb) and kinematic viscosity in 10^-6 m²/s (field txtmue).
inline constexpr std::array<Preset, 5> RoughnessPresets{{
    {"Option1", "Kb = 1,5", "txtkb", 1.5},
    {"Option2", "Kb = 0,75", "txtkb", 0.75},
    {"Option3", "kb = 0,50", "txtkb", 0.5},
    {"Option4", "kb = 0,25", "txtkb", 0.25},
    {"Option5", "kb = 0,10", "txtkb", 0.1},
}};
inline constexpr std::array<Preset, 6> ViscosityPresets{{
    {"Option6", "Wasser 10 °C ", "txtmue", 1.31},
    {"Option7", "Wasser 20 °C ", "txtmue", 1.01},
    {"Option8", "Wasser 30 °C ", "txtmue", 0.8},
    {"Option9", "dünner Schlamm", "txtmue", 50},
    {"Option10", "Olivenöl (zum Vergleich)", "txtmue", 88},
    {"Option11", "dickerer Schlamm", "txtmue", 150},
}};

inline constexpr const char* NewtonNote =
    "Gilt nur für Newtonsche Flüssigkeiten!  Im Zweifelsfall - Viskosität messen!";
inline constexpr const char* RoughnessCaption = "Rauhigkeit Kb";
inline constexpr const char* ViscosityCaption = "kinematische Viskosität";

// Writes a preset into its field: the plain text of the value, then that text with the
// pattern "##,##0.00 " (1.5 gives "1,50 ").
void writePreset(FormModel& form, const Preset& preset);

// What a pipeline window shows when the recomputation after a preset click fails: the
// preset stays in its field, the outputs keep their last texts.
void reportPresetFailure(FormModel& form, const Failure& failure);

}  // namespace friction
}  // namespace morvane
