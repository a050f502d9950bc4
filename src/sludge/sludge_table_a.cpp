#include "sludge/sludge_table_a.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(SludgeTableA);

SludgeTableA::SludgeTableA(Application& app)
    : SludgeTableWindow(
          app, Name, "A. Absetzanlagen mit Faulraum", 5670, 2490,
          {
              {"OA1", "1. roher, unter Wasser abgepumpter Schlamm aus Trichterbecken", "45", 2.5},
              {"OA2", "2. wie vor, eingedickt", "45", 5},
              {"OA3", "3. ausgefaulter Schlamm, eingedickt", "30", 10},
              {"OA4", "4. ausgefaulter Schlamm, entwässert", "30", 30},
          },
          true) {}

}  // namespace morvane
