#include "shell/author_window.h"

#include "shell/application.h"
#include "shell/links.h"

namespace morvane {

MORVANE_REGISTER_FORM(AuthorWindow);

AuthorWindow::AuthorWindow(Application& app) : InfoWindow(app, Name) {
    link("Command2", Links::HomePage);
}

void AuthorWindow::design() {
    win() = {.title = Links::HomePage + std::string_view(Links::HomePage).find("://") + 3,
             .clientWidth = 7350,
             .clientHeight = 5175};
    add(Kind::Picture, "Image1").at(0, 0, 7395, 5190).pic("newsletter_cat.svg");
    add(Kind::Label, "Label1")
        .caption("Mehr Spaß und Ernst mit unserem Newsletter!")
        .center()
        .font("MS Sans Serif", 18, true)
        .fore(Color::Blue)
        .at(120, 120, 6855, 975)
        .transparent = true;
    add(Kind::Command, "Command2")
        .caption("Online - Newsletterbestellung - Hier!")
        .at(3360, 4680, 3855, 375)
        .tab(0);
}

}  // namespace morvane
