// frmGefaelle_gegeben: flow, velocity head and losses of a full pipe for a given gradient.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class PipeGivenGradientForm : public FormModel {
public:
    static constexpr const char* Name = "frmGefaelle_gegeben";
    explicit PipeGivenGradientForm(Application& app);

protected:
    void design() override;
    void reportUnguarded(const Failure& failure) override;

private:
    void Geschwindigkeit();
    void Fläche();
    void Promille();
    void notVisiblePromille();
    void Länge();
    void Einzelverlust();
    // Enter in txti or the button beside it.
    void gradientEntered();
    // A key in the side calculation (height or length).
    void sideCalculation(const char* other);

    Num gefälle = 0;               // J as a fraction
    Num viskosität = 0;            // m²/s
    Num durchmesser = 0;           // m
    Num rauhigkeit = 0;            // m
    Num geschwindigkeit = 0;       // m/s
    Num fläche = 0;                // m²
    Num durchflussLs = 0;          // l/s
    Num durchflussM3h = 0;         // m³/h
    Num geschwindigkeitshöhe = 0;  // m
    Num reibungsverlust = 0;       // m
    Num einzelverlusthöhe = 0;     // m
    Num gesamtverlust = 0;         // m
};

}  // namespace morvane
