// frmIndex: a past construction cost projected to the price basis of 2003.
#pragma once

#include <optional>

#include "shell/form_model.h"

namespace morvane {

class PriceIndexForm : public FormModel {
public:
    static constexpr const char* Name = "frmIndex";
    explicit PriceIndexForm(Application& app);

    // Projection factor to 2003 for a tender year, or none outside the table.
    static std::optional<double> sewerFactor(double year);
    static std::optional<double> plantFactor(double year);

protected:
    void design() override;

private:
    void sichtindizes();
    void berechnungIK();
    void wertebereich();
    void Algo();
    void BerechnungKanal();
    void BerechnungKA();
    void Kosten2003();
    void neu();
    // Jahr and IK refer to their fields: each use reads the current text. IK becomes a
    // number once it is converted to euro.
    Num Jahr() const { return num("txtAusschreibungsjahr"); }
    Num IK() const { return ikEuro ? Num(*ikEuro) : num("txtIkAusschreibung"); }

    std::optional<double> ikEuro;
};

}  // namespace morvane
