#include "shell/nail_window.h"

#include "shell/application.h"
#include "shell/links.h"

namespace morvane {

MORVANE_REGISTER_FORM(NailWindow);

NailWindow::NailWindow(Application& app) : InfoWindow(app, Name) {}

void NailWindow::design() {
    win() = {
        .title = "Brauchen Sie einen Nagel mit Kopf?", .clientWidth = 10425, .clientHeight = 2295};
    add(Kind::TextBox, "Text1")
        .caption(
            "Ganz uneigennützig ist es nicht, wenn wir kostenlose Programme zur Verfügung "
            "stellen ;-)\r\n"
            "\r\n"
            "Die Programmierung war für uns auch eine Herausforderung, an der wir gewachsen "
            "sind.\r\n"
            "\r\n"
            "Ein wenig Spekulation ist natürlich auch dabei: Wer unsere Programme kennt, kennt "
            "auch uns.\r\n"
            "\r\n"
            "Vielleicht möchten Sie eines Tages unser breites Leistungsspektrum in Anspruch "
            "nehmen?\r\n")
        .at(360, 240, 9855, 1875)
        .infoText()
        .tab(0);
}

}  // namespace morvane
