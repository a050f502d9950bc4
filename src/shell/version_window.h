// frmVersion: the version date of the program.
#pragma once

#include "shell/info_window.h"

namespace morvane {

class VersionWindow : public InfoWindow {
public:
    static constexpr const char* Name = "frmVersion";
    explicit VersionWindow(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
