// frmNutzungsrechte: the terms of use.
#pragma once

#include "shell/info_window.h"

namespace morvane {

class TermsWindow : public InfoWindow {
public:
    static constexpr const char* Name = "frmNutzungsrechte";
    explicit TermsWindow(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
