#include "costs/oversized_plant_info5.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(OversizedPlantInfo5);

namespace {
constexpr const char* Text =
    "Das Programm eignet sich für eine erste Plausibilitätsprüfung über finanziellen "
    "Konsequenzen bei einer Anlagenüberbemessung.\r\n\r\nErgibt sich ein nicht "
    "gebührenfähiger Aufwand, ist eine genaue Prüfung im Einzelfall "
    "ratsam.\r\n\r\nDie Ergebnisse sind rechtlich nicht verbindlich.\r\n";
}

OversizedPlantInfo5::OversizedPlantInfo5(Application& app)
    : TextWindow(app, Name, "Zweck des Programmes", Text, 10425, 2400) {}

}  // namespace morvane
