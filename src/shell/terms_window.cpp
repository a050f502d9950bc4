#include "shell/terms_window.h"

#include "shell/application.h"
#include "shell/links.h"

namespace morvane {

MORVANE_REGISTER_FORM(TermsWindow);

TermsWindow::TermsWindow(Application& app) : InfoWindow(app, Name) {}

void TermsWindow::design() {
    win().title = "Nutzungsrechte";
    win().clientWidth = 6300;
    win().clientHeight = 2550;
    add(Kind::Label, "Label1")
        .caption(
            "Die Programme dürfen kostenlos genutzt und unverändert an Dritte weitergegeben "
            "werden.")
        .wrap()
        .at(120, 120, 5895, 615);
    add(Kind::Label, "Label2", 0)
        .caption(
            "Eine Veränderung der Programme oder ihr Verkauf, auch als Teil anderer Produkte, "
            "ist nur mit schriftlicher Zustimmung des Urhebers erlaubt.")
        .wrap()
        .at(120, 720, 5895, 735);
    add(Kind::Label, "Label2", 1)
        .caption(
            "Alle Rechte bleiben beim Urheber. Das gilt auch für das Kopieren von "
            "Berechnungsmethoden oder -ansätzen, die sich aus den Fenstern oder aus der "
            "Funktion des Programms ableiten lassen.")
        .wrap()
        .at(120, 1440, 5895, 855);
}

}  // namespace morvane
