#include "geometry/pond_design.h"

#include <tuple>

#include "geometry/k1_diagram.h"
#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(PondDesignForm);

namespace {
constexpr const char* PondInputs[] = {
    "txtÜW",          "txtE",           "txtspezifischeAbwassermenge",
    "txtFremdwasser", "txtEGWBiologie", "txtAnzahlTeiche",
    "txtTeichtiefe"};
constexpr const char* Tab = "frmRegister";
constexpr const char* LawHint = "nach Anhang 1 §7a WHG";

const char* const WinterNote =
    "Warum Überschreitungen des Überwachungswertes im Winter weniger schwer wiegen:\r\n\r\n"
    "1. Der BSB5 wird im Labor bei 20 °C bestimmt. Im Teich läuft der Abbau im Winter bei "
    "etwa 5 °C ab; die Laborprobe zeigt deshalb mehr Sauerstoffbedarf, als das Gewässer in "
    "dieser Zeit tatsächlich aufbringen muss.\r\n\r\n"
    "2. Bei niedrigen Temperaturen verläuft der biologische Abbau auch im Gewässer langsamer; "
    "die Belastung verteilt sich über eine längere Fließstrecke und Zeit.\r\n\r\n"
    "3. Kaltes Wasser löst deutlich mehr Sauerstoff: die Sättigung beträgt 9,08 mg O2/l bei "
    "20 °C, aber 12,75 mg O2/l bei 5 °C und 14,64 mg O2/l bei 1 °C.\r\n\r\n"
    "4. Die biologische Aktivität im Gewässer ist im Winter etwa halbiert; der Sauerstoff wird "
    "entsprechend langsamer verbraucht.\r\n\r\n"
    "Eine Überschreitung des Überwachungswertes im Winter ist deshalb nicht überzubewerten.\r\n"
    "M. E.";
}  // namespace

Guard PondDesignForm::pondGuard(const char* text) {
    return {.text = text,
            .reset = {{"txtÜW", "40"},
                      {"txtE", "650"},
                      {"txtspezifischeAbwassermenge", "70"},
                      {"txtFremdwasser", "100"},
                      {"txtEGWBiologie", "40"},
                      {"txtAnzahlTeiche", "3"},
                      {"txtTeichtiefe", NumberText::plain(1.2)}}};
}

PondDesignForm::PondDesignForm(Application& app) : FormModel(app, Name) {
    for (const char* field : PondInputs) {
        on(On::KeyUp, field, [this] {
            guarded(pondGuard(TypingErrorResetValues), [this] {
                if (loadingSet && T != 0 && BR != 0) Berechnung();
            });
        });
    }
    on(On::Scroll, "HScroll1", [this](Event& e) {
        guarded(pondGuard(TypingErrorResetValues), [this, &e] {
            show("lblRaumbelastung", e.value / 10.0, Pattern::Dec1Blank);
            loadingSet = true;
            Berechnung();
        });
    });
    on(On::Scroll, "HScroll2", [this](Event& e) {
        guarded(pondGuard(TypingErrorResetValues), [this, &e] {
            show("lblWassertemperatur", e.value, Pattern::Dec1Blank);
            loadingSet = true;
            Berechnung();
        });
    });
    const double areas[] = {13, 8, 15, 10};
    for (int i = 0; i < 4; ++i) {
        on(On::Click, "Option" + std::to_string(i + 1), [this, area = areas[i]] {
            mindestfläche = area;
            Programmstart();
            F_DWAFlächengröße();
        });
    }
    on(On::Scroll, "HScrollDWA_Wassertiefe", [this] { F_DWAFlächengröße(); });
    on(On::Scroll, "HScrollSicherheit", [this](Event& e) {
        setCaption("lblSicherheit", std::to_string(e.value));
        F_DWAFlächengröße();
    });
    on(On::KeyUp, "txtDWA_EW", [this] {
        guarded({.text = TypingErrorResetValues, .reset = {{"txtDWA_EW", "500"}}},
                [this] { F_DWAFlächengröße(); });
    });
    for (const char* button : {"Command4(1)", "Command4(2)"})
        on(On::Click, button, [this] { this->app().open("frmPyramidenstumpf"); });
    on(On::Tick, "Timer1", [this] {
        // The dates show at once after opening; then once a second keeps them current.
        setInterval("Timer1", 1000);
        const Date d = platform().today();
        const std::string date = "\r\n" + NumberText::longDate(d.year, d.month, d.day);
        setCaption("Label27", date);
        setCaption("Label43", date);
    });
}

// The pond inputs are read where they are used; the loading and temperature are the
// numbers their labels show.
void PondDesignForm::Eingabe() {
    BR = num("lblRaumbelastung");
    T = num("lblWassertemperatur");
}

void PondDesignForm::ZulauffrachtVK() {
    Eingabe();
    E = num("txtE");
    q = num("txtspezifischeAbwassermenge");
    Qs = q * E / 1000;
    show("lblSchmutzwassermenge", Qs, Pattern::Dec2Blank);
    QF24 = num("txtFremdwasser");
    Qd = Qs + QF24 * Qs / 100;
    show("lblGesamterAbwasserzulauf", Qd, Pattern::Dec2Blank);
    EGW = num("txtEGWBiologie");
    LBiologie = EGW * num("txtE") / 1000;
    show("lblZulauffrachtNachVorklärung", LBiologie, Pattern::Dec2Blank);
    S0 = 1000 * LBiologie / Qd;
    show("lblSubstratkonzentrationTeichzulauf", S0, Pattern::IntBlank);
}

void PondDesignForm::Zwischenergebnisse() {
    guarded(pondGuard("Tippfehler - Alle Werte werden zurückgesetzt"), [this] {
        ZulauffrachtVK();
        tStern = S0 / BR;
        show("lblVerweilzeit", tStern, Pattern::Dec2Blank);
        V = 1000 * LBiologie / BR;
        show("lblTeichvolumen", V, Pattern::Dec2Blank);
        t = num("txtTeichtiefe");
        A = V / t;
        show("lblWasseroberfläche", A, Pattern::Dec2Blank);
        BA = A / num("txtE");
        show("lblFlächenbelastung", BA, Pattern::Dec1Blank);
    });
}

void PondDesignForm::Konstante() {
    K1 = pondK1(tStern, T, BR);
    show("lblK1", K1, Pattern::Dec3Blank);
    setPicture("Picture2", k1Diagram(true, tStern, K1));
}

void PondDesignForm::Endergebnisse() {
    Konstante();
    n = num("txtAnzahlTeiche");
    S = S0 / pow(1 + K1 * tStern / n, n);
    show("lblSubstratkonzentrationAblauf", S, Pattern::IntBlank);
    ÜW = num("txtÜW");
    reserve = 100 * (ÜW - S) / ÜW;
    show("lblReserve", reserve, Pattern::IntBlank);
}

void PondDesignForm::Warnungen() {
    setForeColor("lblReserve", reserve <= 0 ? Color::Red : Color::ButtonText);
    setVisible("Label22", tStern > 100);
    // The warning stands where the hint stands: while it is shown, the hint gives way.
    setVisible("Label23", tStern <= 100);
    setForeColor("lblVerweilzeit", tStern > 100 ? Color::Red : Color::ButtonText);
    setForeColor("lblSubstratkonzentrationAblauf", c("lblReserve").foreColor);
    setForeColor("lblFlächenbelastung", BA < 8 ? Color::Red : Color::ButtonText);
}

void PondDesignForm::Berechnung() {
    Eingabe();
    Zwischenergebnisse();
    Konstante();
    Endergebnisse();
    Warnungen();
}

void PondDesignForm::Programmstart() {
    for (const char* key : {"txtDWA_EW", "HScrollSicherheit", "HScrollDWA_Wassertiefe"})
        setEnabled(key, true);
}

// The depth counts from the slider's position, also before it was first moved.
void PondDesignForm::F_DWAFlächengröße() {
    sicherheit = num("lblSicherheit") / 100 + 1;
    if (!empty("txtDWA_EW")) dwaFläche = num("txtDWA_EW") * (sicherheit * mindestfläche);
    show("lblDWAFlächenbelastung", mindestfläche, Pattern::Dec1Blank);
    show("lblDWAFlächengröße", dwaFläche, Pattern::Dec1Blank);
    show("lblDWA_Wassertiefe", c("HScrollDWA_Wassertiefe").value / 10.0, Pattern::Dec2Blank);
    if (!empty("txtDWA_EW"))
        show("lblDWA_Teichvolumen", num("lblDWA_Wassertiefe") * dwaFläche, Pattern::IntBlank);
    else
        setCaption("lblDWA_Teichvolumen",
                   NumberText::formatText(text("lblDWA_Teichvolumen"), Pattern::IntBlank));
}

void PondDesignForm::design() {
    win() = {.title = "Bemessung einer natürlich belüfteten Abwasserteichanlage ",
             .clientWidth = 14970,
             .clientHeight = 12855,
             .focus = "txtÜW"};

    add(Kind::Tab, "frmRegister").at(120, 360, 14415, 11775).tabs = {
        "Auslegung nach Prof. Quarnow ", "Auslegung nach DWA Arbeitblatt 201", "Teichschema",
        "K1-Wert "};

    // Every caption, symbol, unit and note is an element of lblText, in reading order.
    const Control onPage0 = piece(Kind::Label).in(Tab, 0);
    const Control output = piece(Kind::Label)
                               .in(Tab, 0)
                               .at(0, 0, 975, 285)
                               .right()
                               .framed()
                               .colors(Color::ButtonText, Color::WindowBackground);
    int tab = 0;

    // Page 0: the method of decay kinetics.
    Layout given(*this, {.caption = Control(onPage0).at(720, 0, 4080, 420).wrap(),
                         .input = piece(Kind::TextBox).in(Tab, 0).at(5760, -30, 975, 315).right(),
                         .output = Control(output).at(5760, 0, 975, 285),
                         .unit = Control(onPage0).at(6960, 0, 1200, 255),
                         .symbol = Control(onPage0).at(4920, 0, 780, 255),
                         .label = Control(onPage0).at(0, 0, 0, 255),
                         .captionArray = "lblText",
                         .unitArray = "lblText"});
    given.label("Konstanten und Primärdaten", 720, 1080, 4000).bold_();
    given.rows({
        {.caption = "Überwachungswert",
         .field = "txtÜW",
         .unit = "mg BSB5/l",
         .top = 1320,
         .tab = tab++,
         .text = "40",
         .unitTip = LawHint},
        {"Zahl der Einwohner, deren Abwasser behandelt wird", "", "txtE", "E", 1680, Field::Input,
         tab++, "1000"},
        {.caption = "spezifische Abwassermenge",
         .symbol = "q",
         .field = "txtspezifischeAbwassermenge",
         .unit = "l/Ed",
         .top = 2040,
         .tab = tab++,
         .text = "70",
         .unitTip = LawHint},
        {"Fremdwasseranfall im Trockenwetterfall", "QF24", "txtFremdwasser", "%", 2520,
         Field::Input, tab++, "100"},
        {.caption = "Einwohnergleichwert nach der Vorklärung (1 EGW ländlicher Raum = 54 g "
                    "BSB5/Ed), gerechnet mit 40 g",
         .field = "txtEGWBiologie",
         .unit = "g/Ed",
         .top = 2880,
         .tab = tab++,
         .text = "40",
         .unitTip = LawHint},
        {.caption = "Anzahl der hintereinander geschalteten Teiche",
         .symbol = "n",
         .field = "txtAnzahlTeiche",
         .top = 3360,
         .tab = tab++,
         .text = "3",
         .tip = "Gerechnet ohne Absetzteich!"},
        {"mittlere Teichtiefe", "t", "txtTeichtiefe", "", 3840, Field::Input, tab++, "1,2"},
    });
    // The chosen loading and temperature: a slider and the label that shows its value.
    for (const auto& [caption, slider, name, unit, top, max, large, text] :
         {std::tuple{"Raumbelastung BR, gewählt", "HScroll1", "lblRaumbelastung", "g BSB5/m³d",
                     4440, 100, 10, "5,0"},
          std::tuple{"Wassertemperatur T, gewählt", "HScroll2", "lblWassertemperatur", "°C", 4800,
                     40, 5, "20"}}) {
        const int captionIndex = given.label(caption, 720, top, 2300).index;
        add(Kind::HScroll, slider)
            .in(Tab, 0)
            .at(3120, top, 2055, 255)
            .range(1, max, 1, large)
            .val(1)
            .tab(tab++);
        given.row({.field = name,
                   .unit = unit,
                   .top = top,
                   .as = Field::Output,
                   .text = text,
                   .unitTip = LawHint,
                   .captionName = "lblText",
                   .captionIndex = captionIndex});
        recordRow(given.lastCaption(), slider, given.lastUnit());
    }

    given.label("Zwischenergebnisse", 600, 5880, 4000).bold_();
    Layout between(*this, {.caption = Control(onPage0).at(600, 0, 4100, 255),
                           .output = Control(output).at(5640, 0, 975, 285),
                           .unit = Control(onPage0).at(6840, 0, 1100, 255),
                           .symbol = Control(onPage0).at(4800, 0, 800, 255),
                           .captionArray = "lblText",
                           .unitArray = "lblText"});
    between.rows({
        {"Abbaukonstante nach Prof. Quarnow und Dr. Vildt", "K1", "lblK1", "d-1", 6240,
         Field::Output},
        {"Substratkonzentration nach der Vorklärung", "S0", "lblSubstratkonzentrationTeichzulauf",
         "mg BSB5/l", 6600, Field::Output},
        {"Schmutzwassermenge", "Qs", "lblSchmutzwassermenge", "m³/d", 6960, Field::Output},
        {"Gesamter Abwasserzulauf", "Qd", "lblGesamterAbwasserzulauf", "m³/d", 7320, Field::Output},
        {"Zulauffracht nach der Vorklärung", "LBiologie", "lblZulauffrachtNachVorklärung",
         "kg BSB5/d", 7800, Field::Output},
    });

    given.label("Ergebnisse", 8400, 960, 4000).bold_();
    Layout results(*this, {.caption = Control(onPage0).at(8400, 0, 2700, 255).wrap(),
                           .output = Control(output).at(11640, 0, 975, 285),
                           .unit = Control(onPage0).at(12840, 0, 1100, 255),
                           .symbol = Control(onPage0).at(11160, 0, 450, 255),
                           .captionArray = "lblText",
                           .unitArray = "lblText"});
    results.rows({
        {.caption = "BSB5 im Ablauf des letzten Teiches",
         .symbol = "S",
         .field = "lblSubstratkonzentrationAblauf",
         .unit = "mg BSB5/l",
         .top = 1440,
         .as = Field::Output,
         .captionTip = "Gemessen bei 20 °C unter Laborbedingungen!"},
        {.caption = "Anlagenreserve bzw. -sicherheit",
         .field = "lblReserve",
         .unit = "%",
         .top = 1920,
         .as = Field::Output,
         .captionTop = 1800,
         .captionHeight = 420},
        {"Flächenbelastung ", "BA", "lblFlächenbelastung", "m²/E", 2280, Field::Output},
        {"Teichvolumen", "V", "lblTeichvolumen", "m³", 2640, Field::Output},
        {"Wasseroberfläche der \"n\"-Teiche", "A", "lblWasseroberfläche", "m²", 3000,
         Field::Output},
        {"mittlere Verweilzeit", "t*", "lblVerweilzeit", "Tage", 3360, Field::Output},
    });
    mut("lblReserve").foreColor = Color::Black;
    mut("lblFlächenbelastung").foreColor = Color::Blue;
    mut("lblFlächenbelastung").bold = true;
    add(Kind::Command, "Command4", 1)
        .in(Tab, 0)
        .caption("Kalkulation der Abmessungen")
        .at(11640, 3840, 2535, 285)
        .tab(tab++);
    given.label("Programmierung: Morvane-Entwicklungsteam", 10800, 4440, 3400);
    given.label("Literatur und Rechenweg:", 8280, 7080, 3000).bold_().underline = true;
    add(Kind::TextBox, "Text3", 0)
        .in(Tab, 0)
        .caption(
            "Quarnow: Bemessung natürlich belüfteter Abwasserteiche nach der "
            "Abbaukinetik erster Ordnung (n durchmischte Reaktoren in Reihe).\r\n"
            "Quarnow und Vildt: empirische Abbaukonstante K1 in Abhängigkeit von "
            "Temperatur, Raumbelastung und Verweilzeit.")
        .at(8280, 7320, 6014, 975)
        .multi()
        .readonly()
        .tab(tab++);
    given.label("Überwachungswertüberschreitungen im Winter nicht überbewerten!", 8280, 8880, 6000)
        .bold_();
    add(Kind::TextBox, "Text1")
        .in(Tab, 0)
        .caption(WinterNote)
        .at(8280, 9120, 6015, 1815)
        .multi()
        .readonly()
        .tab(tab++);
    add(Kind::Picture, "Picture5")
        .in(Tab, 0)
        .at(360, 8880, 4575, 2175)
        .pic("pond_illustration.svg");
    given.label("Teichanlage mit drei hintereinander geschalteten Teichen (Zeichnung)", 360, 11160,
                6000);
    add(Kind::Label, "Label27")
        .in(Tab, 0)
        .caption("Datum")
        .at(11280, 11100, 2880, 540)
        .framed()
        .center();

    // Page 1: the worksheet method.
    add(Kind::Frame, "Frame1")
        .in(Tab, 1)
        .caption("Bemessung nach DWA-A201, z.B. zum Vergleich")
        .at(360, 720, 6375, 2535)
        .bold_();
    const char* options[] = {
        "Vorklärung und Mischwasserbehandlung                       (>= 13 m²/E)",
        "Vorklärung und keine Mischwasserbehandlung              (>= 8  m²/E)",
        "keine Vorklärung und Mischwasserbehandlung             (>= 15  m²/E)",
        "keine Vorklärung und keine Mischwasserbehandlung   (>= 10  m²/E)"};
    for (int i = 0; i < 4; ++i)
        option("Option" + std::to_string(i + 1), "Frame1", options[i], 360, 420 + i * 480, 5880,
               375)
            .tab(tab++);
    recordRow("Frame1", "Option1");
    add(Kind::Shape, "Shape1").in(Tab, 1).at(360, 3360, 6375, 3495);
    const Control onPage1 = piece(Kind::Label).in(Tab, 1);
    Layout sheet(*this, {.caption = Control(onPage1).at(720, 0, 2200, 255),
                         .input = piece(Kind::TextBox).in(Tab, 1).at(4920, -30, 975, 315).right(),
                         .output = Control(output).in(Tab, 1).at(4920, 0, 975, 285),
                         .unit = Control(onPage1).at(6120, 0, 500, 255),
                         .label = Control(onPage1).at(0, 0, 0, 255),
                         .captionArray = "lblText",
                         .unitArray = "lblText"});
    sheet.rows({
        {.caption = "Einwohnerwerte",
         .field = "txtDWA_EW",
         .unit = "E",
         .top = 3720,
         .tab = tab++,
         .text = "1000",
         .disabled = true},
        {"DWA-Flächenbelastung", "", "lblDWAFlächenbelastung", "m²/E", 4200, Field::Output, -1,
         "10"},
    });
    // A slider with the label that shows its value.
    const int safety = sheet.caption("zusätzliche Sicherheit", 4680).index;
    add(Kind::HScroll, "HScrollSicherheit")
        .in(Tab, 1)
        .at(3000, 4680, 1575, 255)
        .range(0, 20, 1, 5)
        .val(0)
        .disabled()
        .tab(tab++);
    sheet.row({.field = "lblSicherheit",
               .unit = "%",
               .top = 4680,
               .as = Field::Output,
               .text = "0",
               .captionName = "lblText",
               .captionIndex = safety});
    recordRow(sheet.lastCaption(), "HScrollSicherheit", sheet.lastUnit());
    sheet.row({"Fläche des Wasserspiegels", "", "lblDWAFlächengröße", "m²", 5280, Field::Output});
    const int depth = sheet.caption("durchschnittliche Wassertiefe", 5760).index;
    add(Kind::HScroll, "HScrollDWA_Wassertiefe")
        .in(Tab, 1)
        .at(3000, 5760, 1575, 255)
        .range(8, 20, 1, 2)
        .val(10)
        .disabled()
        .tab(tab++);
    sheet.row({.field = "lblDWA_Wassertiefe",
               .unit = "m",
               .top = 5760,
               .as = Field::Output,
               .text = "1.0",
               .tip = "muss: etwa 1 m",
               .captionName = "lblText",
               .captionIndex = depth});
    recordRow(sheet.lastCaption(), "HScrollDWA_Wassertiefe", sheet.lastUnit());
    sheet.row({"Teichvolumen", "", "lblDWA_Teichvolumen", "m³", 6240, Field::Output});
    sheet.label("Programmierung: Morvane-Entwicklungsteam", 360, 7440, 6000);
    add(Kind::TextBox, "Text4")
        .in(Tab, 1)
        .caption(
            "N.N.\r\nGrundsätze für Bemessung, Bau und Betrieb von Abwasserteichanlagen\r\n"
            "Arbeitsblatt DWA-A 201, \r\nAugust 2005")
        .at(360, 7920, 3615, 1215)
        .multi()
        .readonly()
        .tab(tab++);
    add(Kind::Command, "Command4", 2)
        .in(Tab, 1)
        .caption("Kalkulation der Abmessungen")
        .at(4080, 8880, 2535, 285)
        .tab(tab++);
    add(Kind::Label, "Label43")
        .in(Tab, 1)
        .caption("Datum")
        .at(360, 10920, 2880, 540)
        .framed()
        .center();
    add(Kind::Picture, "Picture3")
        .in(Tab, 1)
        .at(7920, 720, 6015, 3975)
        .pic("pond_illustration.svg");
    sheet.label("Abwasserteich im Sommer (Zeichnung)", 7920, 4740, 6000);
    add(Kind::Picture, "Picture4")
        .in(Tab, 1)
        .at(7920, 5400, 6015, 3975)
        .pic("pond_illustration.svg");
    sheet.label("Zulauf und Überlauf zwischen zwei Teichen (Zeichnung)", 7920, 9420, 6000);

    // Page 2: the pond scheme.
    add(Kind::Picture, "Picture1").in(Tab, 2).at(480, 960, 13455, 8295).pic("pond_scheme.svg");
    Layout(*this,
           {.label = piece(Kind::Label).in(Tab, 2).at(0, 0, 0, 255), .captionArray = "lblText"})
        .label("Bildquelle:", 480, 9480, 1500)
        .bold_()
        .underline = true;
    add(Kind::TextBox, "Text3", 1)
        .in(Tab, 2)
        .caption(
            "Schema nach den Grundlagen der Teichbiologie: Abbau des BSB über die Verweilzeit "
            "in drei hintereinander geschalteten Teichen; Zeichnung für dieses Programm.")
        .at(480, 9780, 13455, 735)
        .multi()
        .readonly()
        .tab(tab++);

    // Page 3: the K1 diagram, drawn from the window's own formula.
    add(Kind::Picture, "Picture2")
        .in(Tab, 3)
        .at(120, 480, 14055, 10815)
        .pic(k1Diagram(false, 0, 0));
    add(Kind::TextBox, "Text3", 2)
        .in(Tab, 3)
        .caption(
            "Abbaukonstante nach Quarnow und Vildt, berechnet mit der Formel dieses "
            "Fensters.")
        .at(120, 11340, 14055, 375)
        .readonly()
        .tab(tab++);

    add(Kind::Label, "Label23")
        .caption(
            "Programm rechnet erst nach dem Teichwassertemperatur und Raumbelastung "
            "ausgewählt wurden!")
        .at(720, 12300, 13500, 375)
        .font("MS Sans Serif", 12);
    add(Kind::Label, "Label22")
        .caption(
            "Achtung! Wertebereich der Verweilzeit ist größer als 100 Tage. Genaue Berechnung "
            "der Ablaufkonzentration nicht möglich!")
        .at(720, 12300, 13500, 375)
        .font("MS Sans Serif", 9.75)
        .fore(Color::Blue)
        .back(Color::ButtonFace)
        .hidden();
    add(Kind::Timer, "Timer1").interval = 1;
}

}  // namespace morvane
