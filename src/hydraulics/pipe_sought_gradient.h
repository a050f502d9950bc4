// frmGefaelle_gesucht: the gradient a full pipe needs to carry a given flow.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class PipeSoughtGradientForm : public FormModel {
public:
    static constexpr const char* Name = "frmGefaelle_gesucht";
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

    Num durchflussLs = 0;         // l/s
    Num durchflussM3h = 0;        // m³/h
    Num durchflussM3s = 0;        // m³/s
    Num durchmesser = 0;          // m
    Num fläche = 0;               // m²
    Num zielgeschwindigkeit = 0;  // m/s
    Num viskosität = 0;           // m²/s
    Num rauhigkeit = 0;           // m
    Num gefälleJ = 0;             // J of the last search, a fraction
    Num haltungslänge = 0;        // m, four decimals
};

}  // namespace morvane
