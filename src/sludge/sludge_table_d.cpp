#include "sludge/sludge_table_d.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(SludgeTableD);

SludgeTableD::SludgeTableD(Application& app)
    : SludgeTableWindow(
          app, Name, "D. Chemische Fällung und Flockung", 8310, 3075,
          {
              {"OA1", "15. Vorfällung, roher Schlamm der Vorklärbecken, eingedickt", "65", 4},
              {"OA2", "16. Schlamm der Vorfällung, ausgefault und eingedickt", "45", 5},
              {"Option1",
               "17. Simultanfällung (beim Belebungsverfahren) roher Schlamm aus Vor- und "
               "Nachklärbecken, eingedickt",
               "90", 40},
              {"Option2",
               "18. Gemischter Schlamm aus der Simultanfällung, ausgefault und eingedickt", "60",
               3},
              {"Option3", "19. Nachfällung, roher Schlamm aus der Tertiärstufe, eingedickt", "15",
               1.5},
          },
          false) {}

}  // namespace morvane
