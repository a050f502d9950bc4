// frmhyAusfluss: steady outflow through equal circular openings in a bottom, e.g. the vent
// holes of a flooded manhole cover.
#pragma once

#include "shell/form_model.h"
#include "shell/value.h"

namespace morvane {

class OutflowForm : public FormModel {
public:
    static constexpr const char* Name = "frmhyAusfluss";
    explicit OutflowForm(Application& app);

protected:
    void design() override;

private:
    static bool given(const Value& v);
    void visFläche();
    void Freigabe();
    void BerechnungFläche();
    void BerechnungDurchmesser();
    void äquivalenterDurchmesser();
    void Ausfluss();
    void einzelLoch();
    void AusflussjeZeit();

    Value mue, n, d, h;
    Num A = 0, dEq = 0, Q = 0, QLs = 0, a1 = 0, Q1 = 0;
    Num schächte = 0, zeit = 0, V = 0;
};

}  // namespace morvane
