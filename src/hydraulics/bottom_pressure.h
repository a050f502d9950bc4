// frmBodendruck: the force of a standing water column on a circular bottom surface.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class BottomPressureForm : public FormModel {
public:
    explicit BottomPressureForm(Application& app);

protected:
    void design() override;

private:
    void Kreisfläche();
    void Wasser();

    double durchmesser = 0;  // m
    double fläche = 0;       // m²
    double druckhöhe = 0;    // m water column
    double kraftKp = 0;
    double kraftN = 0;
    double druckPa = 0;
    double druckKpCm2 = 0;
};

}  // namespace morvane
