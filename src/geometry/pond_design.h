// frm_natürl_bel_Teich: design of a naturally aerated wastewater pond plant.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class PondDesignForm : public FormModel {
public:
    static constexpr const char* Name = "frm_natürl_bel_Teich";
    explicit PondDesignForm(Application& app);

protected:
    void design() override;

private:
    void Eingabe();
    void ZulauffrachtVK();
    void Zwischenergebnisse();
    void Konstante();
    void Endergebnisse();
    void Warnungen();
    void Berechnung();
    void Programmstart();
    void F_DWAFlächengröße();
    Guard pondGuard(const char* text);

    bool loadingSet = false;  // BR and T refer to their labels once a slider has moved
    Num E = 0, q = 0, QF24 = 0, EGW = 0, n = 0, t = 0, ÜW = 0, BR = 0, T = 0;
    Num Qs = 0, Qd = 0, LBiologie = 0, S0 = 0, tStern = 0, V = 0, A = 0, BA = 0;
    Num K1 = 0, S = 0, reserve = 0;
    Num mindestfläche = 0, sicherheit = 0, dwaFläche = 0;
};

}  // namespace morvane
