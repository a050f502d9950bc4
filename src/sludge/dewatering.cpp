#include "sludge/dewatering.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(DewateringForm);

namespace {

constexpr const char* BeforeColumn[] = {"Label4(1)", "txtTS",    "cmdTS",     "txtSVm3d",
                                        "lblSVm3h",  "lblSVm3a", "Label2(5)", "Label2(6)",
                                        "Label2(7)", "Shape2"};
constexpr const char* AfterColumns[] = {
    "Label4(2)",  "Label4(3)", "Label4(4)", "txtentTS",  "lblentm3h",  "lblentm3d",
    "lblentm3a",  "lblwasm3h", "lblwasm3d", "lblwasm3a", "Label2(8)",  "Label2(9)",
    "Label2(10)", "Label3",    "Label1",    "lblSVred",  "Label2(11)", "Shape3"};
}  // namespace

DewateringForm::DewateringForm(Application& app) : FormModel(app, Name) {
    auto guardedKey = [this](const char* field, const char* reset,
                             const std::function<void()>& body) {
        on(On::KeyUp, field, [this, field, reset, body] {
            guarded({.text = TypingErrorReset, .reset = {{field, reset}}}, body);
        });
    };
    guardedKey("txtEW", "1", [this] {
        fEW();
        Vorentvisible();
    });
    guardedKey("txtgEd", "50", [this] {
        fEW();
        Vorentvisible();
    });
    guardedKey("txtda", "365", [this] { fEW(); });
    guardedKey("txtTMtd", "0", [this] {
        ftd();
        Vorentvisible();
    });
    guardedKey("txtSVm3d", "0", [this] {
        m3d = num("txtSVm3d");
        TS = 100 * td / m3d;
        show("txtTS", TS, Pattern::Dec2);
        m3h = kgh / TS / 10;
        show("lblSVm3h", m3h, Pattern::Dec2);
        d = num("txtda");
        m3a = d * m3d;
        show("lblSVm3a", m3a, Pattern::Dec2);
        entVisible();
    });
    guardedKey("txtentTS", "0", [this] {
        danach();
        SVred();
    });
    on(On::KeyPress, "txtTS", [this](Event& e) {
        if (e.key == Key::Enter) confirmTS();
    });
    on(On::Click, "cmdTS", [this] { confirmTS(); });
    on(On::Click, "cmdDrucken", [this] {
        PrintPage page;
        page.title = "Schlammentwässerung";
        const std::string rule(55, '_');
        double y = 5;
        for (int i = 0; i < 7; ++i, y += 0.5) page.lines.push_back({i == 0 ? 3.0 : 0.0, y, rule});
        page.lines.push_back({0, y, NumberText::format(m3d, Pattern::Dec2)});
        platform().print(page);
    });
}

void DewateringForm::confirmTS() {
    guarded({.text = "Tippfehler?", .reset = {{"txtTS", ""}}}, [this] {
        TS = num("txtTS");
        davor();
        entVisible();
        if (afterZero("txtentTS")) danach();
        if (afterZero("txtentTS")) SVred();
    });
}

void DewateringForm::fEW() {
    E = num("txtEW");
    g = num("txtgEd");
    d = num("txtda");
    td = g * E / 1000000;
    show("txtTMtd", td, Pattern::Dec2);
    kgh = 1000 * td / 24;
    show("lblTMkgh", kgh, Pattern::Dec3);
    ta = d * num("txtTMtd");
    show("lblTMta", ta, Pattern::Dec2);
}

void DewateringForm::ftd() {
    td = num("txtTMtd");
    g = num("txtgEd");
    d = num("txtda");
    kgh = 1000 * td / 24;
    show("lblTMkgh", kgh, Pattern::Dec1);
    E = 1000000 * td / g;
    show("txtEW", E, Pattern::Int);
    ta = d * td;
    show("lblTMta", ta, Pattern::Dec2);
}

void DewateringForm::davor() {
    m3d = td / (TS / 100);
    show("txtSVm3d", m3d, Pattern::Dec2);
    m3h = m3d / 24;
    show("lblSVm3h", m3h, Pattern::Dec2);
    d = num("txtda");
    m3a = d * m3d;
    show("lblSVm3a", m3a, Pattern::Dec2);
}

void DewateringForm::danach() {
    TSe = num("txtentTS");
    entm3h = td / 24 / (TSe / 100);
    show("lblentm3h", entm3h, Pattern::Dec3);
    entm3d = td / (TSe / 100);
    show("lblentm3d", entm3d, Pattern::Dec2);
    entm3a = ta / (TSe / 100);
    show("lblentm3a", entm3a, Pattern::Dec2);
    if (num("txtentTS") > 0) Wasser();
}

void DewateringForm::Wasser() {
    show("lblwasm3h", m3h - entm3h, Pattern::Dec1);
    show("lblwasm3d", m3d - entm3d, Pattern::Dec1);
    show("lblwasm3a", m3a - entm3a, Pattern::Dec1);
}

void DewateringForm::SVred() { show("lblSVred", 100 * (m3d - entm3d) / m3d, Pattern::Dec1); }

void DewateringForm::Vorentvisible() {
    for (const char* key : BeforeColumn) setVisible(key, true);
}

void DewateringForm::entVisible() {
    for (const char* key : AfterColumns) setVisible(key, true);
}

void DewateringForm::design() {
    // Tall enough to show the print button below the columns.
    win() = {.title = "Schlammentwässerung - Eindickung - Zentrifugation - Trocknung",
             .clientWidth = 9660,
             .clientHeight = 4560,
             .focus = "txtEW"};

    Layout lay(*this,
               {.input = piece(Kind::TextBox).at(0, 0, 975, 285).right().back(Color::LightYellow),
                .output = piece(Kind::Label).at(0, 0, 975, 255).output(),
                .unit = piece(Kind::Label).at(0, 0, 600, 255).font("MS Sans Serif", 9.75),
                .label = piece(Kind::Label)
                             .at(0, 0, 0, 255)
                             .font("MS Sans Serif", 9.75, true)
                             .fore(Color::Blue),
                .captionArray = "Label4",
                .unitArray = "Label2"});

    add(Kind::Shape, "Shape1", 2).at(960, 240, 3900, 540);
    lay.input("txtEW", 1140, 360, 975).tab(0).tip("1000 Einwohnerwerte (E + EGW)");
    lay.unit(0, "EW", 2160, 360);
    lay.input("txtda", 3600, 360, 495).caption("365").tab(6);
    lay.unit(1, "d/a", 4140, 360);

    add(Kind::Shape, "Shape1", 0).at(960, 900, 1860, 1860);
    lay.label(0, "Trockenmasse", 1140, 1020, 1500);
    lay.input("txtgEd", 1620, 1380, 495).caption("50").tab(1);
    lay.unit(2, "g/Ed", 2160, 1380);
    lay.output("lblTMkgh", 1140, 1740);
    lay.unit(3, "kg/h", 2160, 1740);
    lay.input("txtTMtd", 1140, 2040, 975).tab(2);
    lay.unit(4, "t/d", 2160, 2040);
    lay.output("lblTMta", 1140, 2400);
    lay.unit(12, "t/a", 2160, 2400);

    add(Kind::Shape, "Shape2").at(2940, 900, 2040, 1860).hidden();
    lay.label(1, "vor der Entwässerung", 3060, 960, 1900).hidden();
    lay.input("txtTS", 3600, 1380, 495)
        .tab(3)
        .hidden()
        .tip("Eingabebestätigung  mit Enter oder mit dem rechten Button!  ");
    add(Kind::Command, "cmdTS")
        .caption("% TS")
        .at(4200, 1380, 555, 285)
        .hidden()
        .tab(7)
        .tip("Eingabe TS-Gehalt  (1g TS/l = 0,1 %)");
    lay.output("lblSVm3h", 3060, 1740).hidden();
    lay.unit(5, "m³/h", 4140, 1740).hidden();
    lay.input("txtSVm3d", 3060, 2040, 975).tab(5).hidden();
    lay.unit(6, "m³/d", 4140, 2040).hidden();
    lay.output("lblSVm3a", 3060, 2400).hidden();
    lay.unit(7, "m³/a", 4140, 2400).hidden();

    add(Kind::Shape, "Shape3").at(5100, 240, 4440, 2520).hidden();
    lay.label(4, "Schlammvolumenreduzierung", 5520, 360, 2800).hidden();
    add(Kind::Label, "lblSVred")
        .at(6420, 660, 975, 255)
        .right()
        .framed()
        .bold_()
        .colors(Color::Blue, Color::WindowBackground)
        .hidden();
    lay.unit(11, "%", 7440, 660).hidden();
    lay.label(2, "entwässert", 5460, 1020, 1100).hidden();
    lay.input("txtentTS", 5880, 1380, 495).tab(4).hidden();
    lay.output("lblentm3h", 5460, 1740).hidden();
    lay.output("lblentm3d", 5460, 2040).hidden();
    lay.output("lblentm3a", 5460, 2400).hidden();
    lay.label(3, "Schlammwasser", 6720, 1020, 1500).hidden();
    add(Kind::Label, "Label3").caption("0").at(7320, 1380, 495, 255).right().framed().hidden();
    add(Kind::Label, "Label1")
        .caption("% TS")
        .at(7860, 1380, 600, 255)
        .font("MS Sans Serif", 9.75)
        .hidden();
    lay.output("lblwasm3h", 6720, 1740).hidden();
    lay.unit(8, "m³/h", 7740, 1740).hidden();
    lay.output("lblwasm3d", 6720, 2040).hidden();
    lay.unit(9, "m³/d", 7740, 2040).hidden();
    lay.output("lblwasm3a", 6720, 2400).hidden();
    lay.unit(10, "m³/a", 7740, 2400).hidden();

    add(Kind::Command, "cmdDrucken").caption("Drucken").at(3360, 4080, 2235, 315).tab(8);

    // The columns share the unit labels at the end of their rows.
    recordRow("", "txtEW", "Label2(0)");
    recordRow("", "txtda", "Label2(1)");
    const char* const rows[][3] = {
        {"Label4(0)", "txtgEd", "Label2(2)"},     {"Label4(0)", "lblTMkgh", "Label2(3)"},
        {"Label4(0)", "txtTMtd", "Label2(4)"},    {"Label4(0)", "lblTMta", "Label2(12)"},
        {"Label4(1)", "txtTS", "cmdTS"},          {"Label4(1)", "lblSVm3h", "Label2(5)"},
        {"Label4(1)", "txtSVm3d", "Label2(6)"},   {"Label4(1)", "lblSVm3a", "Label2(7)"},
        {"Label4(4)", "lblSVred", "Label2(11)"},  {"Label4(2)", "txtentTS", "Label1"},
        {"Label4(2)", "lblentm3h", "Label2(8)"},  {"Label4(2)", "lblentm3d", "Label2(9)"},
        {"Label4(2)", "lblentm3a", "Label2(10)"}, {"Label4(3)", "Label3", "Label1"},
        {"Label4(3)", "lblwasm3h", "Label2(8)"},  {"Label4(3)", "lblwasm3d", "Label2(9)"},
        {"Label4(3)", "lblwasm3a", "Label2(10)"}};
    for (const auto& r : rows) recordRow(r[0], r[1], r[2]);
}

}  // namespace morvane
