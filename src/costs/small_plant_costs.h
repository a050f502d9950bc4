// frmJKKKA: yearly costs of a small domestic treatment plant.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class SmallPlantCostsForm : public FormModel {
public:
    static constexpr const char* Name = "frmJKKKA";
    explicit SmallPlantCostsForm(Application& app);

protected:
    void design() override;

private:
    void Refinanzierungskosten();
    void Betriebskosten();
    void Jahreskosten();

    // Inputs as last read and results, kept between runs.
    Num zins = 0;          // mean interest rate, % per year
    Num wasserJeEw = 0;    // m³ per inhabitant and year
    Num wasserJahr = 0;    // m³ per year
    Num abschreibung = 0;  // euro per year
    Num durchZins = 0;     // euro per year
    Num refinanzierung = 0;
    Num schlamm = 0;     // m³ per year
    Num entsorgung = 0;  // euro per year
    Num betrieb = 0;     // euro per year
    Num jahreskosten = 0;
    Num spezifisch = 0;  // euro per m³
};

}  // namespace morvane
