#include "shell/update_window.h"

#include "shell/application.h"
#include "shell/links.h"

namespace morvane {

MORVANE_REGISTER_FORM(UpdateWindow);

UpdateWindow::UpdateWindow(Application& app) : InfoWindow(app, Name) {
    link("Command1", Links::Mail);
    link("Command5", Links::HomePage);
    link("Command6", Links::DownloadFile);
    link("Command2", Links::HomePage);
}

void UpdateWindow::design() {
    win() = {.title = "Update", .clientWidth = 6270, .clientHeight = 3150};
    add(Kind::TextBox, "Text1")
        .caption(
            "Das Programmsystem wird schrittweise ausgebaut.\r\n"
            "\r\n"
            "Schauen Sie deshalb ab und zu auf unserer Homepage vorbei: Dort steht die jeweils "
            "aktuelle Version zum Herunterladen bereit.\r\n"
            "\r\n"
            "Wenn Sie unseren Newsletter bestellen, werden Sie über neue Versionen automatisch "
            "informiert.")
        .at(240, 120, 5775, 1935)
        .multi(false)
        .readonly()
        .colors(Color::Black, Color::ButtonFace)
        .font("Arial", 9)
        .noTab();
    add(Kind::Command, "Command1")
        .caption("e-Mail an den Urheber")
        .at(3240, 2640, 2775, 375)
        .tab(1);
    add(Kind::Command, "Command5").caption("Homepage").at(240, 2640, 2775, 375).tab(2);
    add(Kind::Command, "Command6")
        .caption("Download aktuelle Version")
        .at(240, 2160, 2775, 375)
        .tab(3);
    add(Kind::Command, "Command2").caption("Newsletter bestellen").at(3240, 2160, 2775, 375).tab(4);
}

}  // namespace morvane
