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
    win() = {.title = "Datenherkunft",
             .clientWidth = 4200,
             .clientHeight = 4140,
             .left = 255,
             .top = 4860,
             .focus = "Option5"};

    add(Kind::Frame, "Frame1").caption("Wahl").at(60, 60, 4035, 2955);
    option("Option5", "Frame1", "Berechnung mit eigenen Werten", 540, 240, 2595, 435).tab(0);
    add(Kind::Label, "Label1")
        .in("Frame1")
        .caption("Schlammengen nach Ostrelt")
        .at(840, 720, 2800, 255)
        .font("MS Sans Serif", 8.25, true);
    // The table options Option1 to Option4, in the order of their tabs.
    struct TableOption {
        const char* caption;
        int top, width, height;
    };
    const TableOption options[] = {
        {"A. Absetzanlagen mit Faulraum", 1080, 2715, 315},
        {"B. Tropfkörper mit Faulraum", 1500, 2535, 255},
        {"C. Belebungsanlagen mit Faulraum oder aerober Schlammstabilisierung", 1920, 3195, 435},
        {"D. Chemische Fällung und Flockung", 2400, 3015, 435},
    };
    for (int i = 0; i < 4; ++i) {
        const TableOption& o = options[i];
        option("Option" + std::to_string(i + 1), "Frame1", o.caption, 540, o.top, o.width, o.height)
            .tab(i + 1);
    }
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
