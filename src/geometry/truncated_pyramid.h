// frmPyramidenstumpf: an earth basin shaped as an upside-down truncated pyramid.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class TruncatedPyramidForm : public FormModel {
public:
    explicit TruncatedPyramidForm(Application& app);

protected:
    void design() override;

private:
    void EingabeGefälleAbsolut(double x);
    void EingabeGefälleProzent(double x);
    void EingabeGefälleProportion(double x);
    void Winkelberechnung();
    void B_Gesamttiefe();
    void Rücksetzen();
    void Sichtbar();
    void out(std::string_view key, double value) { show(key, value, "##,##0.0"); }

    double I = 0, prozent = 0, n = 0, winkel = 0, grad = 0, pi = 0;
    double h = 0, f = 0, H = 0, P = 0, p = 0, S = 0, s = 0;
    double L0 = 0, B0 = 0, Ltop = 0, Btop = 0, Lw = 0, Bw = 0;
    double Vf = 0, Vs = 0, Vk = 0, V = 0, Nf = 0, Ns = 0, Nk = 0, N = 0;
    double mantelLang = 0, mantelStirn = 0, seiten = 0, boden = 0, AF = 0, oberfläche = 0;
    double A = 0, wasseroberfläche = 0;
};

}  // namespace morvane
