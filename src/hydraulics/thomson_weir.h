// frmThomsen: the discharge over a triangular (V-notch) measuring weir.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class ThomsonWeirForm : public FormModel {
public:
    explicit ThomsonWeirForm(Application& app);

protected:
    void design() override;

private:
    void Thomsen();
    void Beiwert();
    void Bogen();

    double h = 0;      // m
    double mue = 0;    // discharge coefficient
    double alpha = 0;  // half opening angle in radians
    double qM3s = 0, qLs = 0, qM3d = 0, qM3h = 0;
};

}  // namespace morvane
