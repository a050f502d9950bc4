// frmSchlammC: sludge table C of the origin tables.
#pragma once

#include "sludge/sludge_table_window.h"

namespace morvane {

class SludgeTableC : public SludgeTableWindow {
public:
    static constexpr const char* Name = "frmSchlammC";
    explicit SludgeTableC(Application& app);
};

}  // namespace morvane
