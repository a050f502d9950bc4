// frmgewährleistung: the warranty disclaimer.
#pragma once

#include "shell/info_window.h"

namespace morvane {

class WarrantyWindow : public InfoWindow {
public:
    static constexpr const char* Name = "frmgewährleistung";
    explicit WarrantyWindow(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
