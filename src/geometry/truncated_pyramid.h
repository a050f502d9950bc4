// frmPyramidenstumpf: an earth basin shaped as an upside-down truncated pyramid.
#pragma once

#include "shell/form_model.h"
#include "shell/patterns.h"

namespace morvane {

class TruncatedPyramidForm : public FormModel {
public:
    static constexpr const char* Name = "frmPyramidenstumpf";
    explicit TruncatedPyramidForm(Application& app);

protected:
    void design() override;

private:
    void EingabeGefälleAbsolut(Num x);
    void EingabeGefälleProzent(Num x);
    void EingabeGefälleProportion(Num x);
    void Winkelberechnung();
    void B_Gesamttiefe();
    void Rücksetzen();
    void Sichtbar();
    void out(std::string_view key, Num value) { show(key, value, Pattern::Dec1); }

    Num I = 0, prozent = 0, n = 0, winkel = 0, grad = 0, pi = 0;
    Num h = 0, f = 0, H = 0, P = 0, p = 0, S = 0, s = 0;
    Num L0 = 0, B0 = 0, Ltop = 0, Btop = 0, Lw = 0, Bw = 0;
    Num Vf = 0, Vs = 0, Vk = 0, V = 0, Nf = 0, Ns = 0, Nk = 0, N = 0;
    Num mantelLang = 0, mantelStirn = 0, seiten = 0, boden = 0, AF = 0, oberfläche = 0;
    Num A = 0, wasseroberfläche = 0;
};

}  // namespace morvane
