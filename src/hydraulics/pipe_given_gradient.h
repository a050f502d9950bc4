// frmGefaelle_gegeben: flow, velocity head and losses of a full pipe for a given gradient.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class PipeGivenGradientForm : public FormModel {
public:
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

    double gefälle = 0;               // J as a fraction
    double viskosität = 0;            // m²/s
    double durchmesser = 0;           // m
    double rauhigkeit = 0;            // m
    double geschwindigkeit = 0;       // m/s
    double fläche = 0;                // m²
    double durchflussLs = 0;          // l/s
    double durchflussM3h = 0;         // m³/h
    double geschwindigkeitshöhe = 0;  // m
    double reibungsverlust = 0;       // m
    double einzelverlusthöhe = 0;     // m
    double gesamtverlust = 0;         // m
};

}  // namespace morvane
