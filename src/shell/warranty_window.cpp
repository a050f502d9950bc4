#include "shell/warranty_window.h"

#include "shell/application.h"
#include "shell/links.h"

namespace morvane {

MORVANE_REGISTER_FORM(WarrantyWindow);

WarrantyWindow::WarrantyWindow(Application& app) : InfoWindow(app, Name) {}

void WarrantyWindow::design() {
    win() = {.title = "Gewährleistung", .clientWidth = 7770, .clientHeight = 1620};
    note("Label1",
         "Grundsätzlich wird keine Gewährleistung für Schäden aller Art übernommen, die aus "
         "der Nutzung dieser Programme resultieren! Der Nutzer hat die Ergebnisse selbst zu "
         "prüfen. Die Programme wurden mit Sorgfalt erstellt und getestet, Fehler sind aber "
         "nie auszuschließen; für Hinweise auf Fehler sind wir dankbar. Die Programme sind "
         "nicht professionell erstellt worden. Sie sind bis auf Weiteres kostenlos und sollen "
         "dem Nutzer nach eigener Prüfung die Arbeit erleichtern.",
         120, 120, 7455, 1335);
}

}  // namespace morvane
