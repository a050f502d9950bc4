#include "shell/version_window.h"

#include "shell/application.h"
#include "shell/links.h"

namespace morvane {

MORVANE_REGISTER_FORM(VersionWindow);

VersionWindow::VersionWindow(Application& app) : InfoWindow(app, Name) {}

void VersionWindow::design() {
    win() = {.title = "Version", .clientWidth = 3345, .clientHeight = 495};
    add(Kind::Label, "Label1").caption("11.06.2008").center().at(360, 120, 2535, 375);
}

}  // namespace morvane
