// frmWinkel: the angle whose sine, cosine, tangent or cotangent a value is.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class AngleForm : public FormModel {
public:
    static constexpr const char* Name = "frmWinkel";
    explicit AngleForm(Application& app);

protected:
    void design() override;

private:
    void Beginn();
    void showDegrees(double radians);

    double pi = 0;
    Num x = 0;
    double arkusTangens = 0;
    Num arkusKosinus = 0;
    Num arkusSinus = 0;
    double grad = 0;
    double gon = 0;
};

}  // namespace morvane
