#include "costs/oversized_plant_info3.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(OversizedPlantInfo3);

namespace {
constexpr const char* Text =
    "Für den Fall, dass Sie jemanden suchen, der sich in technische oder "
    "betriebswirtschaftliche Aufgaben im Rahmen der Abwasserbeseitigung schon öfter "
    "erfolgreich \"hineingestresst\" hat, so möchten wir uns empfehlen.\r\n\r\nWir "
    "beraten Sie bei der Planung, Bemessung und Kalkulation von Abwasseranlagen und "
    "prüfen auf Wunsch auch die Gebührenfähigkeit Ihrer Investitionen im "
    "Einzelnen.\r\n\r\nDas Gerichtsurteil, auf dem die Berechnung beruht, finden Sie "
    "über den Menüpunkt \"Gerichtsurteil im Internet\".\r\n";
}

OversizedPlantInfo3::OversizedPlantInfo3(Application& app)
    : TextWindow(app, Name, "Ein Vorschlag!", Text, 10425, 3000) {}

}  // namespace morvane
