#include "hydraulics/pipe_given_gradient.h"

#include <string_view>

#include "hydraulics/friction.h"
#include "shell/application.h"
#include "shell/layout.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(PipeGivenGradientForm);

PipeGivenGradientForm::PipeGivenGradientForm(Application& app) : FormModel(app, Name) {
    on(On::KeyUp, "txtDN", [this] {
        guarded({.text = TypingErrorToZero, .reset = {{"txtDN", ""}}}, [this] {
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
        guarded({.text = TypingErrorToZero, .reset = {{"txtHL", ""}}},
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
        guarded({.text = TypingErrorToZero, .reset = {{"txtEVB", ""}}},
                [this] { Einzelverlust(); });
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
    guarded({.text = TypingErrorToZero, .reset = {{"txti", ""}, {"txtDN", ""}}}, [this] {
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
    win() = {.title = "Rohrleitungsrechner - Gefälle gegeben",
             .clientWidth = 9165,
             .clientHeight = 5025,
             .focus = "txtDN"};

    // Left column: caption, value, unit. Captions are Label1(0..10); units Label5(0..5) and
    // Label1(11..14).
    Layout lay(*this, {.caption = piece(Kind::Label).at(120, 0, 1935, 255).wrap(),
                       .input = piece(Kind::TextBox).at(2160, 0, 960, 285).right(),
                       .output = piece(Kind::Label)
                                     .at(2160, 0, 960, 285)
                                     .right()
                                     .framed()
                                     .back(Color::WindowBackground)
                                     .fore(Color::WindowText),
                       .unit = piece(Kind::Label).at(3240, 0, 855, 255),
                       .captionArray = "Label1",
                       .unitArray = "Label5"});
    lay.rows({
        {"Innendurchmesser", "", "txtDN", "mm", 180, Field::Input, 0, "0"},
        // The button cmdi stands where the unit would.
        {.caption = "Leitungsgefälle - Drucklinie",
         .field = "txti",
         .top = 720,
         .tab = 1,
         .text = "8",
         .captionTop = 540,
         .captionHeight = 495,
         .tip = "Enter - Eingabetaste - Return",
         .unitName = "cmdi"},
        {"Geschwindigkeit", "", "lblv", "m/s", 1080, Field::Output},
        {"Volumenstrom", "", "lblls", "l/s", 1440, Field::Output},
        {"Volumenstrom", "", "lblm3h", "m³/h", 1800, Field::Output},
        {"Rohrleitungslänge", "", "txtRLL", "m", 2100, Field::Input, 3},
        {.caption = "Rohrreibungsverlust",
         .field = "lblLV",
         .unit = "m WS",
         .top = 2460,
         .as = Field::Output,
         .unitName = "Label1",
         .unitIndex = 11},
        {.caption = "Geschwindigkeitshöhe",
         .field = "lblv22g",
         .unit = "m WS",
         .top = 2880,
         .as = Field::Output,
         .unitName = "Label1",
         .unitIndex = 12},
        {.caption = "Summe aller Einzelverlustbeiwerte",
         .field = "txtEVB",
         .unit = "[ - ]",
         .top = 3360,
         .tab = 4,
         .captionTop = 3240,
         .captionHeight = 495},
        {.caption = "Einzelverlusthöhe",
         .field = "lblEV",
         .unit = "m WS",
         .top = 3840,
         .as = Field::Output,
         .unitName = "Label1",
         .unitIndex = 13},
        {.caption = "gesamter Reibungsverlust",
         .field = "lblGV",
         .unit = "m WS",
         .top = 4440,
         .as = Field::Output,
         .captionTop = 4200,
         .captionHeight = 495,
         .unitName = "Label1",
         .unitIndex = 14},
    });
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
    int i = 0;
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
