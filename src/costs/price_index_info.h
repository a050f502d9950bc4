// frmIndexInfo: how the price basis window is used, with its factor table as a picture.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class PriceIndexInfoForm : public FormModel {
public:
    static constexpr const char* Name = "frmIndexInfo";
    explicit PriceIndexInfoForm(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
