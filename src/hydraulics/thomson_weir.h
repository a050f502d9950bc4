// frmThomsen: the discharge over a triangular (V-notch) measuring weir.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class ThomsonWeirForm : public FormModel {
public:
    static constexpr const char* Name = "frmThomsen";
    explicit ThomsonWeirForm(Application& app);

protected:
    void design() override;

private:
    void Thomsen();
    void Beiwert();
    void Bogen();

    Num h = 0;      // m
    Num mue = 0;    // discharge coefficient
    Num alpha = 0;  // half opening angle in radians
    Num qM3s = 0, qLs = 0, qM3d = 0, qM3h = 0;
};

}  // namespace morvane
