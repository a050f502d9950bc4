#include "sludge/sludge_origin.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(SludgeOriginForm);

namespace {
constexpr const char* Tables[] = {"frmSchlammA", "frmSchlammB", "frmSchlammC", "frmSchlammD"};
}

SludgeOriginForm::SludgeOriginForm(Application& app) : FormModel(app, Name) {
    // Each table option shows its table and closes the other three.
    for (int i = 0; i < 4; ++i) {
        on(On::Click, "Option" + std::to_string(i + 1), [this, i] {
            for (int j = 0; j < 4; ++j)
                if (j != i) this->app().close(Tables[j]);
            this->app().open(Tables[i]);
        });
    }
    on(On::Click, "Option5", [this] {
        for (const char* table : Tables) this->app().close(table);
        this->app().open("frmSchlamm");
    });
}

void SludgeOriginForm::design() {
    auto& w = win();
    w.title = "Datenherkunft";
    w.clientWidth = 4200;
    w.clientHeight = 4140;
    w.left = 255;
    w.top = 4860;
    w.focus = "Option5";

    add(Kind::Frame, "Frame1").caption("Wahl").at(60, 60, 4035, 2955);
    add(Kind::Option, "Option5")
        .in("Frame1")
        .caption("Berechnung mit eigenen Werten")
        .at(540, 240, 2595, 435)
        .tab(0);
    add(Kind::Label, "Label1")
        .in("Frame1")
        .caption("Schlammengen nach Ostrelt")
        .at(840, 720, 2800, 255)
        .font("MS Sans Serif", 8.25, true);
    add(Kind::Option, "Option1")
        .in("Frame1")
        .caption("A. Absetzanlagen mit Faulraum")
        .at(540, 1080, 2715, 315)
        .tab(1);
    add(Kind::Option, "Option2")
        .in("Frame1")
        .caption("B. Tropfkörper mit Faulraum")
        .at(540, 1500, 2535, 255)
        .tab(2);
    add(Kind::Option, "Option3")
        .in("Frame1")
        .caption("C. Belebungsanlagen mit Faulraum oder aerober Schlammstabilisierung")
        .at(540, 1920, 3195, 435)
        .tab(3);
    add(Kind::Option, "Option4")
        .in("Frame1")
        .caption("D. Chemische Fällung und Flockung")
        .at(540, 2400, 3015, 435)
        .tab(4);
    add(Kind::TextBox, "Text1")
        .caption(
            "Datenquelle:\r\nOstrelt: Taschenbuch der Stadtentwässerung,\r\n27. Auflage,\r\n"
            "Tabelle der Schlammengen nach Anlagenart")
        .at(60, 3120, 4035, 915)
        .multi(false)
        .readonly()
        .back(Color::MenuBackground)
        .tab(5);
}

}  // namespace morvane
