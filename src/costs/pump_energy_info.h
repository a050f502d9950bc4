// frmEnergiePWInfo: the description of the pump energy cost calculator.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class PumpEnergyInfoForm : public FormModel {
public:
    static constexpr const char* Name = "frmEnergiePWInfo";
    explicit PumpEnergyInfoForm(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
