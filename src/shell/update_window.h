// frmUpdate: hints on updates, with links to the maker.
#pragma once

#include "shell/info_window.h"

namespace morvane {

class UpdateWindow : public InfoWindow {
public:
    static constexpr const char* Name = "frmUpdate";
    explicit UpdateWindow(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
