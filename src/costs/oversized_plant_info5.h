// frmGroseKAInfo5: "Zweck des Programmes", an info text of the oversized plant window.
#pragma once

#include "shell/text_window.h"

namespace morvane {

class OversizedPlantInfo5 : public TextWindow {
public:
    static constexpr const char* Name = "frmGroseKAInfo5";
    explicit OversizedPlantInfo5(Application& app);
};

}  // namespace morvane
