// frmgroseKAInfo2: "Wie rechnet das Programm?", an info text of the oversized plant window.
#pragma once

#include "shell/text_window.h"

namespace morvane {

class OversizedPlantInfo2 : public TextWindow {
public:
    static constexpr const char* Name = "frmgroseKAInfo2";
    explicit OversizedPlantInfo2(Application& app);
};

}  // namespace morvane
