#include "sludge/sludge_table_c.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(SludgeTableC);

SludgeTableC::SludgeTableC(Application& app)
    : SludgeTableWindow(
          app, Name, "C.Belebungsanlage mit Faulraum oder aerober Schlammstabilisierung", 7350,
          3330,
          {
              {"OA1", "9. roher, gepumpter Überschußschlamm", "35", 0.7},
              {"OA2", "10. roher gemischter Schlamm aus Vorbecken und Überschußschlamm, eingedickt",
               "80", 4},
              {"OA3", "11. ausgefaulter, gemischter  Schlamm, naß", "50", 2.5},
              {"OA4", "12. ausgefaulter gemischter Schlamm, entwässert", "50", 22},
              {"Option1", "13. aerob stabilisierter gemischter Schlamm, eingedickt", "50", 2.5},
              {"Option2", "wie vor, entwässert", "50", 20},
          },
          false) {}

}  // namespace morvane
