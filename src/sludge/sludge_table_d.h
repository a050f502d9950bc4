// frmSchlammD: sludge table D of the origin tables.
#pragma once

#include "sludge/sludge_table_window.h"

namespace morvane {

class SludgeTableD : public SludgeTableWindow {
public:
    static constexpr const char* Name = "frmSchlammD";
    explicit SludgeTableD(Application& app);
};

}  // namespace morvane
