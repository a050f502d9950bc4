// frmgroseKAInfo1: "Anwendungshinweise", an info text of the oversized plant window.
#pragma once

#include "shell/text_window.h"

namespace morvane {

class OversizedPlantInfo1 : public TextWindow {
public:
    static constexpr const char* Name = "frmgroseKAInfo1";
    explicit OversizedPlantInfo1(Application& app);
};

}  // namespace morvane
