#include "hydraulics/pipe_given_gradient.h"

#include <string_view>

#include "hydraulics/friction.h"
#include "shell/application.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(PipeGivenGradientForm);

namespace {
constexpr const char* ToZero = "Tippfehler - Wert wird auf 0 gesetzt";
}  // namespace

PipeGivenGradientForm::PipeGivenGradientForm(Application& app) : FormModel(app, Name) {
    on(On::KeyUp, "txtDN", [this] {
        guarded({.text = ToZero, .reset = {{"txtDN", ""}}}, [this] {
            if (!empty("txti")) Geschwindigkeit();
        });
    });
    on(On::KeyPress, "txti", [this](Event& e) {
        if (e.key == Key::Enter) gradientEntered();
    });
    on(On::Click, "cmdi", [this] { gradientEntered(); });
    on(On::KeyUp, "txtmue", [this] {
        guarded(resetTo("txtmue", "1,31"), [this] {
            if (!empty("txti") && !empty("txtDN")) Geschwindigkeit();
        });
    });
    on(On::KeyUp, "txtkb", [this] {
        guarded(resetTo("txtkb", "1,5"), [this] {
            if (!empty("txti") && !empty("txtDN")) Geschwindigkeit();
        });
    });
    on(On::KeyUp, "txtdeltaSohle",
       [this] { guarded(resetTo("txtdeltaSohle", "1"), [this] { sideCalculation("txtHL"); }); });
    on(On::KeyUp, "txtHL", [this] {
        guarded({.text = ToZero, .reset = {{"txtHL", ""}}},
                [this] { sideCalculation("txtdeltaSohle"); });
    });
    on(On::KeyUp, "txtRLL", [this] {
        guarded({.text = "Tippfehler - Wert wird auf Null gesetzt", .reset = {{"txtRLL", ""}}},
                [this] {
                    Länge();
                    if (!empty("txtEVB")) Einzelverlust();
                });
    });
    on(On::KeyUp, "txtEVB", [this] {
        guarded({.text = ToZero, .reset = {{"txtEVB", ""}}}, [this] { Einzelverlust(); });
    });

    auto presetClick = [this](const friction::Preset& p) {
        on(On::Click, p.option, [this, &p] {
            friction::writePreset(*this, p);
            if (!empty("txti") && !empty("txtDN")) Geschwindigkeit();
            if (!empty("txtRLL")) Länge();
            if (!empty("txtEVB")) Einzelverlust();
        });
    };
    for (const auto& p : friction::RoughnessPresets) presetClick(p);
    for (const auto& p : friction::ViscosityPresets) presetClick(p);
}

void PipeGivenGradientForm::reportUnguarded(const Failure& failure) {
    friction::reportPresetFailure(*this, failure);
}

void PipeGivenGradientForm::gradientEntered() {
    guarded({.text = ToZero, .reset = {{"txti", ""}, {"txtDN", ""}}}, [this] {
        if (!empty("txtDN")) Geschwindigkeit();
        notVisiblePromille();
    });
}

void PipeGivenGradientForm::sideCalculation(const char* other) {
    if (!empty(other)) Promille();
    if (!empty("txtDN")) Geschwindigkeit();
    setEnabled("txti", false);
}

void PipeGivenGradientForm::Geschwindigkeit() {
    gefälle = num("txti") / 1000;
    viskosität = num("txtmue") / 1000000;
    durchmesser = num("txtDN") / 1000;
    rauhigkeit = num("txtkb") / 1000;
    geschwindigkeit = friction::PrandtlColebrook(gefälle, durchmesser, rauhigkeit, viskosität);
    show("lblv", geschwindigkeit, Pattern::Dec4Blank);
    Fläche();
    durchflussLs = 1000 * (geschwindigkeit * fläche);
    show("lblls", durchflussLs, Pattern::Dec3Blank);
    durchflussM3h = 3.6 * durchflussLs;
    show("lblm3h", durchflussM3h, Pattern::Dec3Blank);
    geschwindigkeitshöhe = geschwindigkeit * geschwindigkeit / friction::TwoG;
    show("lblv22g", geschwindigkeitshöhe, Pattern::Dec3Blank);
    if (!empty("txtRLL")) Länge();
    if (!empty("txtEVB")) Einzelverlust();
}

void PipeGivenGradientForm::Fläche() { fläche = friction::Fläche(durchmesser); }

void PipeGivenGradientForm::Promille() {
    const Num höhe = num("txtdeltaSohle");
    const Num länge = num("txtHL");
    gefälle = höhe / länge;
    show("txti", 1000 * gefälle, Pattern::Dec1Blank);
}

void PipeGivenGradientForm::notVisiblePromille() {
    for (const char* key : {"txtHL", "txtdeltaSohle", "Label1(18)", "Label1(19)", "Label2",
                            "Shape2", "Label8", "Label7"})
        setVisible(key, false);
}

void PipeGivenGradientForm::Länge() {
    const Num länge = num("txtRLL");
    reibungsverlust = gefälle * länge;
    show("lblLV", reibungsverlust, Pattern::Dec1Blank);
}

void PipeGivenGradientForm::Einzelverlust() {
    const Num summe = num("txtEVB");
    einzelverlusthöhe = summe * geschwindigkeitshöhe;
    show("lblEV", einzelverlusthöhe, Pattern::Dec1Blank);
    gesamtverlust = reibungsverlust + einzelverlusthöhe;
    show("lblGV", gesamtverlust, Pattern::Dec1Blank);
}

void PipeGivenGradientForm::design() {
    auto& w = win();
    w.title = "Rohrleitungsrechner - Gefälle gegeben";
    w.clientWidth = 9165;
    w.clientHeight = 5025;
    w.focus = "txtDN";

    // Left column: caption, value, unit. Captions are Label1(0..10); units Label5(0..5) and
    // Label1(11..14).
    struct Row {
        const char* caption;
        int captionTop, captionHeight;
        const char* control;
        Kind kind;
        int top;
        const char* unit;  // nullptr: the button cmdi stands there
        const char* unitArray;
        int unitIndex;
    };
    const Row rows[] = {
        {"Innendurchmesser", 180, 255, "txtDN", Kind::TextBox, 180, "mm", "Label5", 0},
        {"Leitungsgefälle - Drucklinie", 540, 495, "txti", Kind::TextBox, 720, nullptr, "", 0},
        {"Geschwindigkeit", 1080, 255, "lblv", Kind::Label, 1080, "m/s", "Label5", 1},
        {"Volumenstrom", 1440, 255, "lblls", Kind::Label, 1440, "l/s", "Label5", 2},
        {"Volumenstrom", 1800, 255, "lblm3h", Kind::Label, 1800, "m³/h", "Label5", 3},
        {"Rohrleitungslänge", 2100, 255, "txtRLL", Kind::TextBox, 2100, "m", "Label5", 4},
        {"Rohrreibungsverlust", 2460, 255, "lblLV", Kind::Label, 2460, "m WS", "Label1", 11},
        {"Geschwindigkeitshöhe", 2880, 255, "lblv22g", Kind::Label, 2880, "m WS", "Label1", 12},
        {"Summe aller Einzelverlustbeiwerte", 3240, 495, "txtEVB", Kind::TextBox, 3360, "[ - ]",
         "Label5", 5},
        {"Einzelverlusthöhe", 3840, 255, "lblEV", Kind::Label, 3840, "m WS", "Label1", 13},
        {"gesamter Reibungsverlust", 4200, 495, "lblGV", Kind::Label, 4440, "m WS", "Label1", 14},
    };
    const int tabs[] = {0, 1, -1, -1, -1, 3, -1, -1, 4, -1, -1};
    int i = 0;
    for (const Row& r : rows) {
        add(Kind::Label, "Label1", i)
            .caption(r.caption)
            .at(120, r.captionTop, 1935, r.captionHeight)
            .wrap();
        Control& x = add(r.kind, r.control).at(2160, r.top, 960, 285).right();
        if (r.control == std::string_view("txtDN")) x.caption("0");
        if (r.control == std::string_view("txti"))
            x.caption("8").tip("Enter - Eingabetaste - Return");
        if (r.kind == Kind::TextBox) {
            x.tab(tabs[i]).back(Color::WindowBackground).fore(Color::WindowText);
        } else {
            x.framed().back(Color::WindowBackground).fore(Color::WindowText);
        }
        if (r.unit)
            add(Kind::Label, r.unitArray, r.unitIndex).caption(r.unit).at(3240, r.top, 855, 255);
        recordRow(controlKey("Label1", i), r.control,
                  r.unit ? controlKey(r.unitArray, r.unitIndex) : "cmdi");
        ++i;
    }
    add(Kind::Command, "cmdi").caption("1/1000").at(3240, 720, 795, 255).tab(2);

    // Viscosity presets.
    add(Kind::Frame, "Frame2")
        .caption(friction::ViscosityCaption)
        .at(4260, 120, 2535, 3255)
        .tip(friction::NewtonNote);
    add(Kind::TextBox, "txtmue")
        .caption("1,31")
        .at(360, 300, 975, 285)
        .right()
        .in("Frame2")
        .tab(5)
        .back(Color::WindowBackground)
        .fore(Color::WindowText);
    add(Kind::Label, "Label6").caption("10^-6 m²/s").at(1380, 330, 1095, 255).in("Frame2");
    const int viscosityTops[] = {720, 1140, 1620, 1980, 2820, 2400};  // Option6 .. Option11
    int t = 6;
    i = 0;
    for (const auto& p : friction::ViscosityPresets)
        add(Kind::Option, p.option)
            .caption(p.caption)
            .at(240, viscosityTops[i++], 2175, 255)
            .in("Frame2")
            .tab(t++);

    // Roughness presets.
    add(Kind::Frame, "Frame1").caption(friction::RoughnessCaption).at(7020, 180, 1995, 2355);
    add(Kind::TextBox, "txtkb")
        .caption("1,50")
        .at(300, 420, 855, 285)
        .center()
        .in("Frame1")
        .tab(t++)
        .back(Color::WindowBackground)
        .fore(Color::WindowText);
    add(Kind::Label, "Label4").caption("mm").at(1260, 450, 495, 255).in("Frame1");
    i = 0;
    for (const auto& p : friction::RoughnessPresets)
        add(Kind::Option, p.option)
            .caption(p.caption)
            .at(300, 780 + 300 * i++, 1455, 255)
            .in("Frame1")
            .tab(t++);

    add(Kind::Label, "Label9").caption(friction::NewtonNote).at(7020, 2580, 1995, 855).wrap();

    // The side calculation: gradient from a height and a length.
    add(Kind::Shape, "Shape2").at(4320, 3660, 2475, 1155);
    add(Kind::Label, "Label2").caption("NR: Gefälle - Promille").at(4440, 3780, 2235, 255).center();
    add(Kind::Label, "Label8").caption("Gefälle =").at(4440, 4110, 735, 255).fore(Color::Red);
    add(Kind::TextBox, "txtdeltaSohle")
        .caption("1")
        .at(5220, 4080, 405, 285)
        .right()
        .bold_()
        .fore(Color::Red)
        .back(Color::WindowBackground)
        .tab(t++);
    add(Kind::Label, "Label7")
        .caption(":")
        .at(5670, 4080, 165, 255)
        .bold_()
        .fore(Color::Red)
        .center();
    add(Kind::TextBox, "txtHL")
        .at(5880, 4080, 700, 285)
        .right()
        .bold_()
        .fore(Color::Red)
        .back(Color::WindowBackground)
        .tab(t++);
    add(Kind::Label, "Label1", 19).caption("Höhe").at(5160, 4440, 555, 255);
    add(Kind::Label, "Label1", 18).caption("Länge").at(5880, 4440, 700, 255);

    recordRow("Frame2", "txtmue", "Label6");
    recordRow("Frame2", friction::ViscosityPresets[0].option);
    recordRow("Frame1", "txtkb", "Label4");
    recordRow("Frame1", friction::RoughnessPresets[0].option);
    recordRow("Label1(19)", "txtdeltaSohle");
    recordRow("Label1(18)", "txtHL");
}

}  // namespace morvane
