// frmGroseKAInfo3: "Ein Vorschlag!", an info text of the oversized plant window.
#pragma once

#include "shell/text_window.h"

namespace morvane {

class OversizedPlantInfo3 : public TextWindow {
public:
    static constexpr const char* Name = "frmGroseKAInfo3";
    explicit OversizedPlantInfo3(Application& app);
};

}  // namespace morvane
