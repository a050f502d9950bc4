#include "hydraulics/pipe_sought_gradient.h"

#include "hydraulics/friction.h"
#include "hydraulics/gradient_search.h"
#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(PipeSoughtGradientForm);

PipeSoughtGradientForm::PipeSoughtGradientForm(Application& app) : FormModel(app, Name) {
    on(On::KeyUp, "txtls", [this] {
        guardedReaction([this] {
            durchflussLs = num("txtls");
            durchflussM3s = durchflussLs / 1000;
            durchflussM3h = 3.6 * durchflussLs;
            show("txtm3h", durchflussM3h, Pattern::Dec2Blank);
            recompute();
        });
    });
    on(On::KeyUp, "txtm3h", [this] {
        guardedReaction([this] {
            durchflussM3h = num("txtm3h");
            durchflussLs = durchflussM3h / 3.6;
            setNumber("txtls", durchflussLs);
            durchflussM3s = durchflussLs / 1000;
            setText("txtls", NumberText::formatText(text("txtls"), Pattern::Dec2Blank));
            recompute();
        });
    });
    on(On::KeyUp, "txtDN", [this] {
        guardedReaction([this] {
            if (!empty("txtls") && !empty("txtm3h")) Geschwindigkeit();
            if (!empty("lblv")) gefälle();
        });
    });
    on(On::KeyUp, "txtDeltaSohle", [this] {
        guardedReaction([this] {
            haltungslänge = NumberText::fixed4(num("txtDeltaSohle") / gefälleJ);
            show("txtMZ", haltungslänge, Pattern::Dec1Blank);
        });
    });
    // The reach length gives the sole difference, on every key: before it changes the text
    // and after.
    auto soleDifference = [this] {
        guardedReaction(
            [this] { show("txtDeltaSohle", gefälleJ * num("txtMZ"), Pattern::Dec1Blank); });
    };
    on(On::KeyPress, "txtMZ", soleDifference);
    on(On::KeyUp, "txtMZ", soleDifference);
    // The buttons beside the roughness and viscosity fields take over a typed value.
    for (const char* button : {"Command2", "Command3"})
        on(On::Click, button, [this] {
            guardedReaction([this] {
                if (searchReady()) gefälle();
            });
        });
    on(On::Click, "Command1", [this] { zurück(); });

    auto presetClick = [this](const friction::Preset& p) {
        on(On::Click, p.option, [this, &p] {
            friction::writePreset(*this, p);
            if (searchReady()) gefälle();
        });
    };
    for (const auto& p : friction::RoughnessPresets) presetClick(p);
    for (const auto& p : friction::ViscosityPresets) presetClick(p);
}

void PipeSoughtGradientForm::reportUnguarded(const Failure& failure) {
    friction::reportPresetFailure(*this, failure);
}

void PipeSoughtGradientForm::guardedReaction(const std::function<void()>& body) {
    guarded({.text = TypingErrorToZero, .resetAction = [this] { zurück(); }}, body);
}

bool PipeSoughtGradientForm::searchReady() const {
    return !empty("txtls") && !empty("txtm3h") && !empty("txtDN");
}

void PipeSoughtGradientForm::recompute() {
    if (!empty("txtDN")) Geschwindigkeit();
    if (!empty("lblv")) gefälle();
}

void PipeSoughtGradientForm::Fläche() {
    durchmesser = num("txtDN") / 1000;
    fläche = friction::Fläche(durchmesser);
}

void PipeSoughtGradientForm::Geschwindigkeit() {
    Fläche();
    zielgeschwindigkeit = durchflussM3s / fläche;
    if (zielgeschwindigkeit > 100) {
        message("\r\nUnrealistische Eingabe ");
        zielgeschwindigkeit = 0;
        durchmesser = 0;
        durchflussLs = 0;
        durchflussM3h = 0;
        gefälleJ = 0;
        for (const char* key : {"lblv", "txtDN", "txtls", "txtm3h", "lbli"}) setText(key, "");
        haltungslänge = 0;
        setText("txtMZ", "");
        return;
    }
    show("lblv", zielgeschwindigkeit, Pattern::Dec4Blank);
}

void PipeSoughtGradientForm::gefälle() {
    viskosität = num("txtmue") / 1000000;
    durchmesser = num("txtDN") / 1000;
    rauhigkeit = num("txtkb") / 1000;
    const friction::GradientResult found =
        friction::searchGradient(zielgeschwindigkeit, durchmesser, rauhigkeit, viskosität);
    if (!found.found) {
        keinGefälle();
        return;
    }
    gefälleJ = found.J;
    haltungslänge = NumberText::fixed4(1 / gefälleJ);
    show("txtMZ", haltungslänge, Pattern::Dec1Blank);
    setReadOnly("txtMZ", false);
    show("lbli", 1000 * gefälleJ, Pattern::Dec1Blank);
    setText("txtDeltaSohle", "1");
}

void PipeSoughtGradientForm::keinGefälle() {
    message("Kein Gefälle erreicht die Geschwindigkeit von " +
            NumberText::format(zielgeschwindigkeit, Pattern::Dec4) +
            " m/s: mit diesem Innendurchmesser, dieser Rauhigkeit und dieser Viskosität "
            "bleibt die Fließgeschwindigkeit bei jedem Gefälle darunter.\r\n"
            "Bitte die Eingaben prüfen (Innendurchmesser und Rauhigkeit in mm).");
    gefälleJ = 0;
    haltungslänge = 0;
    setText("lbli", "");
    setText("txtMZ", "");
    setReadOnly("txtMZ", true);
    setText("txtDeltaSohle", "1");
}

void PipeSoughtGradientForm::zurück() {
    for (const char* key : {"txtDN", "txtls", "txtm3h", "txtMZ"}) setText(key, "");
    setText("txtkb", "1,5");
    setText("txtmue", "1,31");
    setText("lbli", "");
    setText("lblv", "");
    setText("txtDeltaSohle", "1");
}

void PipeSoughtGradientForm::design() {
    win() = {.title = "Rohrleitungsrechner - erforderliches Gefälle gesucht",
             .clientWidth = 9285,
             .clientHeight = 4980,
             .focus = "txtDN"};

    Layout lay(*this, {.caption = piece(Kind::Label).at(120, 30, 1815, 255),
                       .input = piece(Kind::TextBox).at(2040, 0, 1215, 285).right(),
                       .output = piece(Kind::Label)
                                     .at(2040, 0, 1200, 285)
                                     .right()
                                     .framed()
                                     .back(Color::WindowBackground)
                                     .fore(Color::WindowText),
                       .unit = piece(Kind::Label).at(3480, 30, 735, 255),
                       .captionArray = "Label1"});

    // Left column. Captions Label1(0..3), units Label1(4..7).
    lay.rows({
        {.caption = "Innendurchmesser",
         .field = "txtDN",
         .unit = "mm",
         .top = 285,
         .tab = 0,
         .unitName = "Label1",
         .unitIndex = 4},
        {.caption = "Volumenstrom",
         .field = "txtls",
         .unit = "l/s",
         .top = 720,
         .tab = 1,
         .unitName = "Label1",
         .unitIndex = 5},
        {.caption = "Volumenstrom",
         .field = "txtm3h",
         .unit = "m³/h",
         .top = 1080,
         .tab = 2,
         .unitName = "Label1",
         .unitIndex = 6},
        {.caption = "Geschwindigkeit",
         .field = "lblv",
         .unit = "m/s",
         .top = 1560,
         .as = Field::Output,
         .unitLeft = 3600,
         .unitWidth = 615,
         .unitName = "Label1",
         .unitIndex = 7},
    });

    // Result box.
    add(Kind::Shape, "Shape2").at(0, 2280, 4095, 1995);
    add(Kind::Label, "Label2")
        .caption("Ergebnis - Gefälle - Promille")
        .at(720, 2400, 2655, 255)
        .center();
    add(Kind::Label, "Label1", 8).caption("Promille").at(120, 2910, 915, 255);
    lay.output("lbli", 1080, 2880, 975);
    add(Kind::Label, "Label3").caption("1/1000").at(2160, 2910, 735, 255);
    add(Kind::Label, "Label8").caption("Gefälle =").at(120, 3390, 915, 255).fore(Color::Red);
    lay.input("txtDeltaSohle", 1080, 3360, 975).tab(4).caption("1");
    add(Kind::Label, "Label7").caption(":").at(2160, 3390, 255, 255).fore(Color::Red).center();
    lay.input("txtMZ", 2520, 3360, 945)
        .tab(3)
        .fore(Color::Red)
        .readonly()
        .tip("Errechnet aus neuer Längeneingabe die neue Sohldifferenz");
    add(Kind::Label, "Label1", 19).caption("erf. Sohldifferenz").at(1080, 3720, 1335, 255);
    add(Kind::Label, "Label1", 18).caption("Haltungslänge").at(2520, 3720, 1215, 255);

    // Roughness presets.
    int t = 5;
    add(Kind::Frame, "Frame1").caption(friction::RoughnessCaption).at(4320, 240, 1755, 3075);
    lay.input("txtkb", 360, 480, 555).tab(t++).caption("1,50").center().in("Frame1");
    add(Kind::Command, "Command2")
        .caption("mm")
        .at(960, 480, 735, 255)
        .tip("Butten für Direkteingabe!")
        .in("Frame1")
        .tab(t++);
    const int roughnessTops[] = {1080, 1500, 1920, 2340, 2700};
    int i = 0;
    for (const auto& p : friction::RoughnessPresets)
        add(Kind::Option, p.option)
            .caption(p.caption)
            .at(360, roughnessTops[i++], 1335, 255)
            .in("Frame1")
            .tab(t++);

    // Viscosity presets.
    add(Kind::Frame, "Frame2").caption(friction::ViscosityCaption).at(6480, 240, 2475, 4095);
    lay.input("txtmue", 360, 480, 795).tab(t++).caption("1,31").in("Frame2");
    add(Kind::Command, "Command3")
        .caption("10^-6 m²/s")
        .at(1200, 480, 975, 255)
        .tip("Butten für Direkteingabe!")
        .in("Frame2")
        .tab(t++);
    const int viscosityTops[] = {960, 1320, 1740, 2040, 2400, 2760};
    i = 0;
    for (const auto& p : friction::ViscosityPresets)
        add(Kind::Option, p.option)
            .caption(p.caption)
            .at(360, viscosityTops[i++], 2055, 255)
            .in("Frame2")
            .tab(t++);
    add(Kind::Label, "Label5")
        .caption(friction::NewtonNote)
        .at(240, 3120, 2115, 855)
        .in("Frame2")
        .wrap();

    add(Kind::Label, "Label4")
        .caption("Berechnung bei Vollfüllung")
        .at(4320, 3600, 2055, 615)
        .font("Arial", 12, true)
        .center()
        .wrap();
    add(Kind::Command, "Command1").caption("neue Berechnung").at(120, 4440, 8775, 375).tab(t++);

    recordRow("Label1(8)", "lbli", "Label3");
    recordRow("Label1(19)", "txtDeltaSohle");
    recordRow("Label1(18)", "txtMZ");
    recordRow("Frame1", "txtkb", "Command2");
    recordRow("Frame1", friction::RoughnessPresets[0].option);
    recordRow("Frame2", "txtmue", "Command3");
    recordRow("Frame2", friction::ViscosityPresets[0].option);
}

}  // namespace morvane
