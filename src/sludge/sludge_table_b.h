// frmSchlammB: sludge table B of the origin tables.
#pragma once

#include "sludge/sludge_table_window.h"

namespace morvane {

class SludgeTableB : public SludgeTableWindow {
public:
    static constexpr const char* Name = "frmSchlammB";
    explicit SludgeTableB(Application& app);
};

}  // namespace morvane
