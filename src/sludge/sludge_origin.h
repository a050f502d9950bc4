// frmSchlammStart: where the sludge data come from: own values or one of four tables.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class SludgeOriginForm : public FormModel {
public:
    static constexpr const char* Name = "frmSchlammStart";
    explicit SludgeOriginForm(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
