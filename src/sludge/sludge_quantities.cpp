#include "sludge/sludge_quantities.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(SludgeQuantitiesForm);

SludgeQuantitiesForm::SludgeQuantitiesForm(Application& app) : FormModel(app, Name) {
    const struct {
        const char* field;
        std::string reset;
        void (SludgeQuantitiesForm::*routine)();
    } reactions[] = {
        {"txtEW", "1", &SludgeQuantitiesForm::fEW},
        {"txtgEd", "50", &SludgeQuantitiesForm::fEW},
        {"txtTS", NumberText::plain(2.5), &SludgeQuantitiesForm::fEW},
        {"txtda", "365", &SludgeQuantitiesForm::fEW},
        {"txtTMtd", "0", &SludgeQuantitiesForm::ftd},
        {"txtSVm3d", "0", &SludgeQuantitiesForm::fSVm3d},
    };
    for (const auto& r : reactions) {
        on(On::KeyUp, r.field, [this, field = r.field, reset = r.reset, routine = r.routine] {
            guarded({.text = TypingErrorReset, .reset = {{field, reset}}},
                    [this, routine] { (this->*routine)(); });
        });
    }
}

void SludgeQuantitiesForm::volumes(Num ts, Num d) {
    m3h = kgh / ts / 10;
    show("lblSVm3h", m3h, Pattern::Dec1);
    m3d = 24 * m3h;
    show("txtSVm3d", m3d, Pattern::Dec1);
    m3a = d * m3d;
    show("lblSVm3a", m3a, Pattern::Dec1);
}

void SludgeQuantitiesForm::readOthers() {
    g = num("txtgEd");
    TS = num("txtTS");
    days = num("txtda");
}

void SludgeQuantitiesForm::fEW() {
    E = num("txtEW");
    readOthers();
    kgh = g * E / 24;
    show("lblTMkgh", kgh, Pattern::Dec1);
    td = g * E / 1000;
    show("txtTMtd", td, Pattern::Dec2);
    ta = g * (days * E) / 1000;
    show("lblTMta", ta, Pattern::Dec2);
    volumes(TS, days);
}

void SludgeQuantitiesForm::ftd() {
    td = num("txtTMtd");
    readOthers();
    fromDryMass();
    volumes(TS, days);
}

void SludgeQuantitiesForm::fromDryMass() {
    kgh = 1000 * td / 24;
    show("lblTMkgh", kgh, Pattern::Dec1);
    E = 1000 * td / g;
    show("txtEW", E, Pattern::Dec1);
    ta = g * (days * E) / 1000;
    show("lblTMta", ta, Pattern::Dec2);
}

void SludgeQuantitiesForm::fSVm3d() {
    m3d = num("txtSVm3d");
    readOthers();
    td = TS * m3d / 100;
    show("txtTMtd", td, Pattern::Dec1);
    fromDryMass();
    m3h = kgh / TS / 10;
    show("lblSVm3h", m3h, Pattern::Dec1);
    m3a = days * m3d;
    show("lblSVm3a", m3a, Pattern::Dec1);
}

void SludgeQuantitiesForm::design() {
    win() = {.title = "Schlammmengen",
             .clientWidth = 4200,
             .clientHeight = 2835,
             .left = 255,
             .top = 1530,
             .focus = "txtEW"};

    add(Kind::Shape, "Shape1", 2).at(180, 120, 3855, 555);
    add(Kind::Shape, "Shape1", 0).at(180, 780, 1875, 1875);
    add(Kind::Shape, "Shape1", 1).at(2160, 780, 1875, 1875);

    Layout lay(*this,
               {.input = piece(Kind::TextBox).at(0, 0, 975, 285).right().back(Color::LightYellow),
                .output = piece(Kind::Label).at(0, 0, 975, 255).output(),
                .unit = piece(Kind::Label).at(0, 0, 780, 255).font("MS Sans Serif", 9.75),
                .unitArray = "Label2"});

    lay.input("txtEW", 780, 300, 495).caption("1").tab(0).tip("1000 Einwohnerwerte (E + EGW)");
    lay.unit(8, "TEW", 1380, 300);
    lay.input("txtda", 2760, 300, 495).caption("365").tab(5);
    lay.unit(2, "d/a", 3360, 300);
    add(Kind::Label, "Label2", 4)
        .caption("Trockenmasse")
        .at(300, 900, 1700, 255)
        .font("MS Sans Serif", 9.75, true);
    add(Kind::Label, "Label2", 6)
        .caption("Schlammenge")
        .at(2340, 900, 1600, 255)
        .font("MS Sans Serif", 9.75, true);
    lay.input("txtgEd", 780, 1260, 495).caption("50").tab(1);
    lay.unit(0, "g/Ed", 1380, 1260);
    lay.input("txtTS", 2760, 1260, 495).caption("2,5").tab(2);
    lay.unit(1, "% TS", 3360, 1260);
    lay.output("lblTMkgh", 300, 1620);
    lay.unit(5, "kg/h", 1380, 1620);
    lay.output("lblSVm3h", 2280, 1620);
    lay.unit(3, "m³/h", 3360, 1620);
    lay.input("txtTMtd", 300, 1920, 975).tab(3);
    lay.unit(9, "t/d", 1380, 1920);
    lay.input("txtSVm3d", 2280, 1920, 975).tab(4);
    lay.unit(7, "m³/d", 3360, 1920);
    lay.output("lblTMta", 300, 2280);
    lay.unit(14, "t/a", 1380, 2280);
    lay.output("lblSVm3a", 2280, 2280);
    lay.unit(11, "m³/a", 3360, 2280);

    recordRow("", "txtEW", "Label2(8)");
    recordRow("", "txtda", "Label2(2)");
    const char* const rows[][3] = {
        {"Label2(4)", "txtgEd", "Label2(0)"},   {"Label2(4)", "lblTMkgh", "Label2(5)"},
        {"Label2(4)", "txtTMtd", "Label2(9)"},  {"Label2(4)", "lblTMta", "Label2(14)"},
        {"Label2(6)", "txtTS", "Label2(1)"},    {"Label2(6)", "lblSVm3h", "Label2(3)"},
        {"Label2(6)", "txtSVm3d", "Label2(7)"}, {"Label2(6)", "lblSVm3a", "Label2(11)"}};
    for (const auto& r : rows) recordRow(r[0], r[1], r[2]);
}

}  // namespace morvane
