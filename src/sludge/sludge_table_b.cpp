#include "sludge/sludge_table_b.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(SludgeTableB);

SludgeTableB::SludgeTableB(Application& app)
    : SludgeTableWindow(
          app, Name, "B. Tropfkörper mit Faulraum", 5670, 3030,
          {
              {"OA1", "5.Schlamm der Nachbecken", "25", 4},
              {"OA2", "6. roher, gemischter Schlamm aus Vor- und Nachbecken, eingedickt", "70",
               4.7},
              {"OA3", "7. ausgefaulter, gemischter Schlamm, naß", "45", 3},
              {"OA4", "8. ausgefaulter Schlamm, entwässert", "45", 28},
          },
          false) {}

}  // namespace morvane
