#include "hydraulics/thomson_weir.h"

#include <cmath>

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(ThomsonWeirForm);

namespace {
constexpr std::uint32_t Grey = 0x00E0E0E0;
constexpr const char* Title = "Einga-befehler";
constexpr const char* TypingError = "Tippfehler - Wert wird auf 1 gesetzt";
constexpr int Unfolded = 10560;
constexpr int Folded = 3255;
}  // namespace

ThomsonWeirForm::ThomsonWeirForm(Application& app) : FormModel(app, Name) {
    on(On::Change, "txtAlpha", [this] {
        guarded({.text = TypingError,
                 .title = Title,
                 .reset = {{"txtAlpha", "1"}},
                 .messageFirst = true},
                [this] { Thomsen(); });
    });
    on(On::Change, "txtÜberfallhöhe", [this] {
        guarded({.text = TypingError, .title = Title, .reset = {{"txtÜberfallhöhe", "1"}}},
                [this] { Thomsen(); });
    });
    on(On::Click, "Command1", [this] { setOuterHeight(Unfolded); });
    on(On::MouseMove, "Command1", [this] { setOuterHeight(Unfolded); });
    on(On::MouseMove, "Label7", [this] { setOuterHeight(Folded); });
    appendLineBreakOnEdit("Text1");
    appendLineBreakOnEdit("Text2");
}

void ThomsonWeirForm::Thomsen() {
    h = num("txtÜberfallhöhe") / 100;
    Beiwert();
    Bogen();
    setEnabled("txtÜberfallhöhe", true);
    qM3s = tan(alpha) * (pow(h, 2.5) * (std::sqrt(19.62) * ((8.0 / 15.0) * mue)));
    show("lblQm3s", qM3s, Pattern::Dec2Blank);
    qLs = 1000 * qM3s;
    show("lblQls", qLs, Pattern::Dec2Blank);
    qM3d = 24 * (3600 * qM3s);
    show("lblQm3d", qM3d, Pattern::Dec2Blank);
    qM3h = qM3d / 24;
    show("lblQm3h", qM3h, Pattern::Dec2Blank);
}

void ThomsonWeirForm::Beiwert() {
    mue = 0.565 + 0.0087 / pow(h, 0.5);
    show("lblMue", mue, Pattern::Dec6Blank);
}

void ThomsonWeirForm::Bogen() {
    const Num degrees = num("txtAlpha");
    alpha = degrees * 3.1416 / 180;
    if (degrees > 89.999) message("\r\nAchtung Gesamter Winkel > 180 °!", Title);
    show("lblBogen", alpha, Pattern::Dec5Blank);
}

void ThomsonWeirForm::design() {
    win() = {.title = "Thomsenwehr",
             .clientWidth = 9870,
             .clientHeight = 2805,
             .backColor = Grey,
             .focus = "txtAlpha"};

    Layout lay(*this, {.output = piece(Kind::Label).at(0, 0, 0, 285).output(),
                       .label = piece(Kind::Label).at(0, 0, 0, 255).back(Grey)});

    // The framing labels lie behind everything else.
    lay.label("Label7", 0, "", 120, 120, 3375, 2535).framed();
    lay.label("Label7", 2, "", 3720, 120, 6015, 2535).framed();
    lay.label("Label7", 1, "", 120, 2880, 9615, 6975).framed();

    lay.label("Label9", -1, "Eingabe", 360, 240, 2000).bold_();
    lay.label("Label1", -1, "Halber Öffnungswinkel", 360, 840, 1700);
    add(Kind::TextBox, "txtAlpha").caption("45").at(2160, 810, 660, 315).right().tab(0);
    lay.label("Label3", -1, "°", 2880, 840, 300);
    lay.label("Label4", -1, "Überfallhöhe", 360, 1320, 1700);
    add(Kind::TextBox, "txtÜberfallhöhe")
        .caption("5")
        .at(2160, 1290, 660, 315)
        .right()
        .disabled()
        .back(Color::White)
        .tab(1);
    lay.label("Label5", -1, "cm", 2880, 1320, 400);
    add(Kind::Command, "Command1")
        .caption("Zwischenergebnisse und Zeichnung")
        .at(360, 2040, 2895, 375)
        .tab(2);

    lay.label("Label2", 0, "Volumenstrom", 3885, 240, 2000).bold_();
    const struct {
        const char *name, *unit;
        int top;
    } flows[] = {{"lblQls", "l/s", 840},
                 {"lblQm3h", "m³/h", 1200},
                 {"lblQm3d", "m³/d", 1560},
                 {"lblQm3s", "m³/s", 1920}};
    int unit = 0;
    for (const auto& f : flows) {
        lay.output(f.name, 3885, f.top, 1000);
        lay.label("Label6", unit++, f.unit, 5040, f.top + 15, 600);
    }
    lay.label("Label8", -1,
              "Bitte beim Start zunächst den halben Öffnungswinkel eintragen! Danach ist die "
              "Eingabereihenfolge beliebig.",
              6960, 720, 2775, 615)
        .wrap();
    add(Kind::TextBox, "Text2")
        .caption("Programmierung:\r\nMorvane-Entwicklungsteam\r\nKleine Programme\r\n2008\r\n")
        .at(6960, 1320, 2295, 1095)
        .multi(false)
        .framed(false)
        .back(Grey)
        .tab(3);

    lay.label("Label2", 1, "Zwischenergebnisse", 360, 3240, 3000).bold_();
    lay.label("Label10", -1, "Widerstandsbeiwert µ", 360, 3720, 2200);
    lay.output("lblMue", 2640, 3690, 1005);
    lay.label("Label11", -1, "Bogenmaß von Alpha", 360, 4440, 2200);
    lay.output("lblBogen", 2640, 4410, 1005);
    add(Kind::Picture, "Image1").at(360, 5160, 3285, 690).pic("thomson_discharge_formula.svg");
    add(Kind::Picture, "Image2").at(6720, 3360, 2670, 795).pic("thomson_coefficient_formula.svg");
    add(Kind::TextBox, "Text1")
        .caption(
            "Quelle:\r\nLehrbücher der technischen Hydromechanik, Abschnitt Messwehre "
            "(Dreieckwehr nach Thomson)\r\n")
        .at(6720, 4440, 2655, 1335)
        .multi()
        .tab(4);
    add(Kind::Picture, "Image3").at(360, 6240, 9030, 3360).pic("thomson_weir.svg");

    recordRow("Label1", "txtAlpha", "Label3");
    recordRow("Label4", "txtÜberfallhöhe", "Label5");
    for (int i = 0; i < 4; ++i) recordRow("Label2(0)", flows[i].name, controlKey("Label6", i));
    recordRow("Label10", "lblMue");
    recordRow("Label11", "lblBogen");
}

}  // namespace morvane
