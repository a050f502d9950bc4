#include "shell/terms_window.h"

#include "shell/application.h"
#include "shell/links.h"

namespace morvane {

MORVANE_REGISTER_FORM(TermsWindow);

TermsWindow::TermsWindow(Application& app) : InfoWindow(app, Name) {}

void TermsWindow::design() {
    win() = {.title = "Nutzungsrechte", .clientWidth = 6300, .clientHeight = 2550};
    // Three paragraphs one below the other: Label1, then the two elements of Label2.
    struct Paragraph {
        const char* name;
        int index;
        const char* text;
        int top, height;
    };
    const Paragraph paragraphs[] = {
        {"Label1", -1,
         "Die Programme dürfen kostenlos genutzt und unverändert an Dritte weitergegeben "
         "werden.",
         120, 615},
        {"Label2", 0,
         "Eine Veränderung der Programme oder ihr Verkauf, auch als Teil anderer Produkte, "
         "ist nur mit schriftlicher Zustimmung des Urhebers erlaubt.",
         720, 735},
        {"Label2", 1,
         "Alle Rechte bleiben beim Urheber. Das gilt auch für das Kopieren von "
         "Berechnungsmethoden oder -ansätzen, die sich aus den Fenstern oder aus der "
         "Funktion des Programms ableiten lassen.",
         1440, 855},
    };
    for (const Paragraph& p : paragraphs) note(p.name, p.index, p.text, 120, p.top, 5895, p.height);
}

}  // namespace morvane
