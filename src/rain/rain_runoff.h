// frmRegenspende: rain yield for another duration and frequency, precipitation and runoff.
#pragma once

#include "shell/form_model.h"
#include "shell/value.h"

namespace morvane {

class RainRunoffForm : public FormModel {
public:
    static constexpr const char* Name = "frmRegenspende";
    explicit RainRunoffForm(Application& app);

protected:
    void design() override;

private:
    void Fläche();
    void Jährlichkeit();
    void Zeitbeiwert();
    void Regenrtn();
    void Regenfall();
    void Niederschlagsintensität();
    void Gesamtregenmenge();
    void Gesamtabflussmenge();

    Value basisregen, T, n, psi;
    Num z = 0, phi = 0, rTn = 0, fläche = 0, hektar = 0;
    Num N = 0, i = 0, regenmenge = 0, abflussmenge = 0;
};

}  // namespace morvane
