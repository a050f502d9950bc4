#include "rain/oxygen_saturation.h"

#include <cmath>

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(OxygenSaturationForm);

namespace {
constexpr int Folded = 4635;
constexpr int Unfolded = 8580;
constexpr int Hidden = 4800;
}  // namespace

const std::array<double, 411>& OxygenSaturationForm::table() {
    static const std::array<double, 411> values = {
        14.64, 14.60, 14.55, 14.51, 14.47, 14.43, 14.39, 14.35, 14.31, 14.27,  // 0 °C
        14.23, 14.19, 14.15, 14.10, 14.06, 14.03, 13.99, 13.95, 13.91, 13.87,  // 1 °C
        13.83, 13.79, 13.75, 13.71, 13.68, 13.64, 13.60, 13.56, 13.52, 13.49,  // 2 °C
        13.45, 13.41, 13.38, 13.34, 13.30, 13.27, 13.23, 13.20, 13.16, 13.12,  // 3 °C
        13.09, 13.05, 13.02, 12.98, 12.95, 12.92, 12.88, 12.85, 12.81, 12.78,  // 4 °C
        12.75, 12.71, 12.68, 12.65, 12.61, 12.58, 12.55, 12.52, 12.48, 12.45,  // 5 °C
        12.42, 12.39, 12.36, 12.32, 12.29, 12.26, 12.23, 12.20, 12.17, 12.14,  // 6 °C
        12.11, 12.08, 12.05, 12.02, 11.99, 11.96, 11.93, 11.90, 11.87, 11.84,  // 7 °C
        11.81, 11.78, 11.75, 11.72, 11.69, 11.67, 11.64, 11.61, 11.58, 11.55,  // 8 °C
        11.53, 11.50, 11.47, 11.44, 11.42, 11.39, 11.36, 11.33, 11.31, 11.28,  // 9 °C
        11.25, 11.23, 11.20, 11.18, 11.15, 11.12, 11.10, 11.07, 11.05, 11.02,  // 10 °C
        10.99, 10.97, 10.94, 10.92, 10.89, 10.87, 10.84, 10.82, 10.79, 10.77,  // 11 °C
        10.75, 10.72, 10.70, 10.67, 10.65, 10.63, 10.60, 10.58, 10.55, 10.53,  // 12 °C
        10.51, 10.48, 10.46, 10.44, 10.41, 10.39, 10.37, 10.35, 10.32, 10.30,  // 13 °C
        10.28, 10.26, 10.23, 10.21, 10.19, 10.17, 10.15, 10.12, 10.10, 10.08,  // 14 °C
        10.06, 10.04, 10.02, 9.99,  9.97,  9.95,  9.93,  9.91,  9.89,  9.87,   // 15 °C
        9.85,  9.83,  9.81,  9.78,  9.76,  9.74,  9.72,  9.70,  9.68,  9.66,   // 16 °C
        9.64,  9.62,  9.60,  9.58,  9.56,  9.54,  9.53,  9.51,  9.49,  9.47,   // 17 °C
        9.45,  9.43,  9.41,  9.39,  9.37,  9.35,  9.33,  9.31,  9.30,  9.28,   // 18 °C
        9.26,  9.24,  9.22,  9.20,  9.19,  9.17,  9.15,  9.13,  9.11,  9.09,   // 19 °C
        9.08,  9.06,  9.04,  9.02,  9.01,  8.99,  8.97,  8.95,  8.94,  8.92,   // 20 °C
        8.90,  8.88,  8.87,  8.85,  8.83,  8.82,  8.80,  8.78,  8.76,  8.75,   // 21 °C
        8.73,  8.71,  8.70,  8.68,  8.66,  8.65,  8.63,  8.62,  8.60,  8.58,   // 22 °C
        8.57,  8.55,  8.53,  8.52,  8.50,  8.49,  8.47,  8.46,  8.44,  8.42,   // 23 °C
        8.41,  8.39,  8.38,  8.36,  8.35,  8.33,  8.32,  8.30,  8.28,  8.27,   // 24 °C
        8.25,  8.24,  8.22,  8.21,  8.19,  8.18,  8.16,  8.15,  8.14,  8.12,   // 25 °C
        8.11,  8.09,  8.08,  8.06,  8.05,  8.03,  8.02,  8.00,  7.99,  7.98,   // 26 °C
        7.96,  7.95,  7.93,  7.92,  7.90,  7.89,  7.88,  7.86,  7.85,  7.83,   // 27 °C
        7.82,  7.81,  7.79,  7.78,  7.77,  7.75,  7.74,  7.73,  7.71,  7.70,   // 28 °C
        7.69,  7.67,  7.66,  7.65,  7.63,  7.62,  7.61,  7.59,  7.58,  7.57,   // 29 °C
        7.55,  7.54,  7.53,  7.51,  7.50,  7.49,  7.48,  7.46,  7.45,  7.44,   // 30 °C
        7.42,  7.41,  7.40,  7.39,  7.37,  7.36,  7.35,  7.34,  7.32,  7.31,   // 31 °C
        7.30,  7.29,  7.28,  7.26,  7.25,  7.24,  7.23,  7.21,  7.20,  7.19,   // 32 °C
        7.18,  7.17,  7.15,  7.14,  7.13,  7.12,  7.11,  7.09,  7.08,  7.07,   // 33 °C
        7.06,  7.05,  7.04,  7.02,  7.01,  7.00,  6.99,  6.98,  6.97,  6.96,   // 34 °C
        6.94,  6.93,  6.92,  6.91,  6.90,  6.89,  6.88,  6.87,  6.85,  6.84,   // 35 °C
        6.83,  6.82,  6.81,  6.80,  6.79,  6.78,  6.77,  6.75,  6.74,  6.73,   // 36 °C
        6.72,  6.71,  6.70,  6.69,  6.68,  6.67,  6.66,  6.65,  6.64,  6.63,   // 37 °C
        6.61,  6.60,  6.59,  6.58,  6.57,  6.56,  6.55,  6.54,  6.53,  6.52,   // 38 °C
        6.51,  6.50,  6.49,  6.48,  6.47,  6.46,  6.45,  6.44,  6.43,  6.42,   // 39 °C
        6.41,  6.40,  6.39,  6.38,  6.37,  6.36,  6.35,  6.34,  6.33,  6.32,   // 40 °C
        6.31,                                                                  // 41 °C
    };
    return values;
}

int OxygenSaturationForm::entry(double temperature) {
    if (!(temperature >= 0 && temperature <= 41)) return -1;
    const int k = static_cast<int>(std::lround(temperature * 10));
    return k / 10.0 == temperature ? k : -1;
}

OxygenSaturationForm::OxygenSaturationForm(Application& app) : FormModel(app, Name) {
    on(On::KeyUp, "txtTemp", [this] {
        guarded({.text = TypingErrorResetValues,
                 .reset = {{"txtTemp", "0"}, {"txtCx", "0"}},
                 .messageFirst = true,
                 .resetAction = [this] { showRelative(0); }},
                [this] { temperatureReaction(); });
    });
    on(On::KeyUp, "txtCx", [this] {
        guarded({.text = TypingErrorResetValues,
                 .reset = {{"txtCx", "0"}},
                 .messageFirst = true,
                 .resetAction = [this] { showRelative(0); }},
                [this] { concentrationReaction(); });
    });
    on(On::Click, "Command2", [this] {
        zwischenablage = clipboardLine();
        platform().setClipboard(zwischenablage);
    });
    on(On::Click, "Command1",
       [this] { setOuterHeight(outerHeight() == Folded ? Unfolded : Folded); });
    on(On::MouseMove, "txtQuelle", [this] { setOuterHeight(Hidden); });
}

void OxygenSaturationForm::temperatureReaction() {
    temperatur = num("txtTemp");
    const double t = temperatur.number();
    if (t < 0 || t > 41) {
        temperatur = Value();
        Cs = Value();
        setText("txtTemp", "");
        message("Ungültige Temperatureingabe! Wertebereich nur >= 0 °C bis <=41,0 °C", AppTitle,
                MessageIcon::Error);
    }
    if (!temperatur.isEmpty()) {
        if (const int k = entry(t); k >= 0) Cs = table()[static_cast<std::size_t>(k)];
    }
    setText("lblCs", Cs.text());
    setText("lblCs", NumberText::formatText(text("lblCs"), Pattern::Dec2));
}

void OxygenSaturationForm::concentrationReaction() {
    Cx = num("txtCx");
    if (Cx.number() > Cs.number()) {
        message(
            "\r\nGemessenen Konzentration ist größer als die Sättigungskonzentration - Cx wird "
            "auf 0 gesetzt");
        setText("txtCx", "0");
        showRelative(0);
        return;
    }
    relativeKonzentration = 100 * (Cx.number() / Cs.number());
    showRelative(relativeKonzentration);
    verhältnis = Cs.number() / (Cs.number() - Cx.number());
    show("LblCsCx", verhältnis, Pattern::Dec2);
}

void OxygenSaturationForm::showRelative(double value) {
    show("lblrelativeKonzentration", value, Pattern::Dec2);
}

std::string OxygenSaturationForm::clipboardLine() const {
    return "Temperatur = " + temperatur.text() +
           " °C;   Sättigungskonzentration Cs = " + Cs.text() + "mg O2/l";
}

void OxygenSaturationForm::design() {
    win() = {.title = "Sauerstoff im Wasser bei Temperaturen von 0 ...41 °C",
             .clientWidth = 6675,
             .clientHeight = 4230,
             .height = Folded,
             .focus = "txtTemp",
             .font = "MS Sans Serif",
             .fontSize = 9.75};

    Layout lay(*this, {.caption = piece(Kind::Label).at(240, 0, 2640, 285),
                       .input = piece(Kind::TextBox).at(3000, -30, 1215, 345).right(),
                       .output = piece(Kind::Label).at(3000, 0, 1215, 285).output(),
                       .unit = piece(Kind::Label).at(4320, 0, 800, 285)});
    lay.rows({
        {.caption = "Wassertemperatur bis 41°C",
         .field = "txtTemp",
         .unit = "°C",
         .top = 240,
         .tab = 0,
         .tip = "Nur einstellige Eingabe!",
         .unitWidth = 600,
         .captionName = "Label3",
         .unitName = "Label4"},
        {.caption = "Sättigungskonzentration Cs",
         .field = "lblCs",
         .unit = "mgO2/l",
         .top = 720,
         .as = Field::Output,
         .captionName = "Label2",
         .unitName = "Label1",
         .unitIndex = 0},
    });
    add(Kind::Command, "Command2").caption("Zwischenablage").at(5040, 660, 1515, 405).tab(2);
    lay.rows({
        {.caption = "gemessene Konzentration Cx",
         .field = "txtCx",
         .unit = "mgO2/l",
         .top = 1200,
         .tab = 1,
         .captionName = "Label5",
         .unitName = "Label1",
         .unitIndex = 1},
        {.caption = "relative Konzentration",
         .field = "lblrelativeKonzentration",
         .unit = "%",
         .top = 1680,
         .as = Field::Output,
         .unitWidth = 600,
         .captionName = "Label6",
         .unitName = "Label7"},
    });

    add(Kind::Shape, "Shape1").at(240, 2160, 6195, 1035);
    add(Kind::Picture, "Image1").at(600, 2250, 1800, 855).pic("oxygen_ratio_formula.svg");
    lay.output("LblCsCx", 2520);

    add(Kind::Command, "Command1")
        .caption("Quelle: Sättigungswerte für reines Wasser bei 1013 hPa")
        .at(240, 3480, 6195, 495)
        .tab(3);
    add(Kind::TextBox, "txtQuelle")
        .caption(
            "Sättigungskonzentration von Sauerstoff in reinem Wasser bei einem Luftdruck von "
            "1013 hPa, in Schritten von 0,1 °C.\r\n\r\n"
            "Quelle: die genormten Einheitsverfahren zur Wasser-, Abwasser- und "
            "Schlammuntersuchung, Abschnitt gasförmige Bestandteile.\r\n\r\n"
            "Für andere Luftdrücke und für salzhaltiges Wasser sind die Werte zu "
            "korrigieren.")
        .at(240, 4440, 4335, 3495)
        .multi()
        .readonly()
        .back(0x00E0E0E0)
        .tab(4);

    recordNamed("Cs / (Cs − Cx)", "LblCsCx");
}

}  // namespace morvane
