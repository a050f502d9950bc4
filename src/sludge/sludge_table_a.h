// frmSchlammA: sludge table A of the origin tables.
#pragma once

#include "sludge/sludge_table_window.h"

namespace morvane {

class SludgeTableA : public SludgeTableWindow {
public:
    static constexpr const char* Name = "frmSchlammA";
    explicit SludgeTableA(Application& app);
};

}  // namespace morvane
