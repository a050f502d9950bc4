// frmBodendruck: the force of a standing water column on a circular bottom surface.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class BottomPressureForm : public FormModel {
public:
    static constexpr const char* Name = "frmBodendruck";
    explicit BottomPressureForm(Application& app);

protected:
    void design() override;

private:
    void Kreisfläche();
    void Wasser();

    Num durchmesser = 0;  // m
    Num fläche = 0;       // m²
    Num druckhöhe = 0;    // m water column
    Num kraftKp = 0;
    Num kraftN = 0;
    Num druckPa = 0;
    Num druckKpCm2 = 0;
};

}  // namespace morvane
