// frmJKKKA: yearly costs of a small domestic treatment plant.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class SmallPlantCostsForm : public FormModel {
public:
    explicit SmallPlantCostsForm(Application& app);

protected:
    void design() override;

private:
    void Refinanzierungskosten();
    void Betriebskosten();
    void Jahreskosten();

    // Inputs as last read and results, kept between runs.
    double zins = 0;          // mean interest rate, % per year
    double wasserJeEw = 0;    // m³ per inhabitant and year
    double wasserJahr = 0;    // m³ per year
    double abschreibung = 0;  // euro per year
    double durchZins = 0;     // euro per year
    double refinanzierung = 0;
    double schlamm = 0;     // m³ per year
    double entsorgung = 0;  // euro per year
    double betrieb = 0;     // euro per year
    double jahreskosten = 0;
    double spezifisch = 0;  // euro per m³
};

}  // namespace morvane
