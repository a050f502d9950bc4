// frmSchlammEindick: sludge volumes before and after dewatering, sludge water, reduction.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class DewateringForm : public FormModel {
public:
    static constexpr const char* Name = "frmSchlammEindick";
    explicit DewateringForm(Application& app);

protected:
    void design() override;

private:
    void fEW();
    void ftd();
    void davor();
    void danach();
    void Wasser();
    void SVred();
    void Vorentvisible();
    void entVisible();
    void confirmTS();
    // True when the text sorts after "0" by character codes.
    bool afterZero(std::string_view key) const { return text(key) > std::string("0"); }

    Num E = 0, g = 0, d = 0;
    Num td = 0, kgh = 0, ta = 0;
    Num TS = 0, TSe = 0;
    Num m3h = 0, m3d = 0, m3a = 0;
    Num entm3h = 0, entm3d = 0, entm3a = 0;
};

}  // namespace morvane
