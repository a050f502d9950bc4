#include "costs/oversized_plant_info2.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(OversizedPlantInfo2);

namespace {
constexpr const char* Text =
    "Im Programmformular gibt es Eingabefelder mit weißem Hintergrund.\r\n\r\nDie "
    "Ausgabefelder haben einen hellgelben Hintergrund.\r\n\r\nDie Schaltfläche "
    "\"Beispiel\" trägt ein Beispiel ein (Ausbaugröße 30.000 EW, Bruttokosten 25,5 Mio, "
    "Anschluss 15.000 EW) und rechnet es sofort durch.\r\n\r\nDie zulässige "
    "Anlagenreserve kann verändert werden; sie soll 20 % nicht "
    "überschreiten.\r\n\r\nDer Kostenanteil von 30 % umfasst die last- und "
    "mengenabhängigen Anlagenteile, also die Teile, deren Größe von der Belastung "
    "abhängt. Der Degressionskoeffizient 0,7 beschreibt, dass die Kosten einer Anlage "
    "langsamer wachsen als ihre Größe.\r\n\r\nFür das Beispiel berechnet das Programm "
    "5,5 Mio für die verkleinerten Anlagenteile und 2,1 Mio als nicht gebührenfähigen "
    "Aufwand, das sind rund 9 % der Gesamtkosten.\r\n";
}

OversizedPlantInfo2::OversizedPlantInfo2(Application& app)
    : TextWindow(app, Name, "Wie rechnet das Programm?", Text, 10425, 4200) {}

}  // namespace morvane
