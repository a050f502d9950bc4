// frmGefaelle_gesucht: the gradient a full pipe needs to carry a given flow.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class PipeSoughtGradientForm : public FormModel {
public:
    explicit PipeSoughtGradientForm(Application& app);

protected:
    void design() override;
    void reportUnguarded(const Failure& failure) override;

private:
    void Fläche();
    void Geschwindigkeit();
    void gefälle();
    void zurück();
    // After a flow or the diameter changed: the velocity, then the search.
    void recompute();
    // The search found no gradient: says so and clears the result box.
    void keinGefälle();
    bool searchReady() const;
    // The guard of every key reaction and of the two buttons beside the preset fields.
    void guardedReaction(const std::function<void()>& body);

    double durchflussLs = 0;         // l/s
    double durchflussM3h = 0;        // m³/h
    double durchflussM3s = 0;        // m³/s
    double durchmesser = 0;          // m
    double fläche = 0;               // m²
    double zielgeschwindigkeit = 0;  // m/s
    double viskosität = 0;           // m²/s
    double rauhigkeit = 0;           // m
    double gefälleJ = 0;             // J of the last search, a fraction
    double haltungslänge = 0;        // m, four decimals
};

}  // namespace morvane
