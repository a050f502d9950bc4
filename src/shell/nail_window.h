// frmNagel: why the programs are free.
#pragma once

#include "shell/info_window.h"

namespace morvane {

class NailWindow : public InfoWindow {
public:
    static constexpr const char* Name = "frmNagel";
    explicit NailWindow(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
