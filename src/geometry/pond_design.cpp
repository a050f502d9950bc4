#include "geometry/pond_design.h"

#include "geometry/k1_diagram.h"
#include "shell/application.h"
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
            guarded(pondGuard("Tippfehler - Werte werden zurückgesetzt"), [this] {
                if (loadingSet && T != 0 && BR != 0) Berechnung();
            });
        });
    }
    on(On::Scroll, "HScroll1", [this](Event& e) {
        guarded(pondGuard("Tippfehler - Werte werden zurückgesetzt"), [this, &e] {
            show("lblRaumbelastung", e.value / 10.0, Pattern::Dec1Blank);
            loadingSet = true;
            Berechnung();
        });
    });
    on(On::Scroll, "HScroll2", [this](Event& e) {
        guarded(pondGuard("Tippfehler - Werte werden zurückgesetzt"), [this, &e] {
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
        guarded(
            {.text = "Tippfehler - Werte werden zurückgesetzt", .reset = {{"txtDWA_EW", "500"}}},
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
    auto& w = win();
    w.title = "Bemessung einer natürlich belüfteten Abwasserteichanlage ";
    w.clientWidth = 14970;
    w.clientHeight = 12855;
    w.focus = "txtÜW";

    add(Kind::Tab, "frmRegister").at(120, 360, 14415, 11775).tabs = {
        "Auslegung nach Prof. Quarnow ", "Auslegung nach DWA Arbeitblatt 201", "Teichschema",
        "K1-Wert "};

    int labelIndex = 0;
    auto label = [this, &labelIndex](int page, const char* text, int l, int t, int wd,
                                     int ht = 255) -> Control& {
        return add(Kind::Label, "lblText", labelIndex++)
            .in(Tab, page)
            .caption(text)
            .at(l, t, wd, ht);
    };
    auto output = [this](const char* name, int page, int l, int t) -> Control& {
        return add(Kind::Label, name)
            .in(Tab, page)
            .at(l, t, 975, 285)
            .right()
            .framed()
            .colors(Color::ButtonText, Color::WindowBackground);
    };
    int tab = 0;
    // The key of the label declared next, for the record's rows.
    auto next = [&labelIndex] { return controlKey("lblText", labelIndex); };

    // Page 0: the method of decay kinetics.
    label(0, "Konstanten und Primärdaten", 720, 1080, 4000).bold_();
    const struct {
        const char *name, *caption, *symbol, *text, *unit;
        int top;
        bool lawHint;
    } inputs[] = {
        {"txtÜW", "Überwachungswert", "", "40", "mg BSB5/l", 1320, true},
        {"txtE", "Zahl der Einwohner, deren Abwasser behandelt wird", "", "1000", "E", 1680, false},
        {"txtspezifischeAbwassermenge", "spezifische Abwassermenge", "q", "70", "l/Ed", 2040, true},
        {"txtFremdwasser", "Fremdwasseranfall im Trockenwetterfall", "QF24", "100", "%", 2520,
         false},
        {"txtEGWBiologie",
         "Einwohnergleichwert nach der Vorklärung (1 EGW ländlicher Raum = 54 g BSB5/Ed), "
         "gerechnet mit 40 g",
         "", "40", "g/Ed", 2880, true},
        {"txtAnzahlTeiche", "Anzahl der hintereinander geschalteten Teiche", "n", "3", "", 3360,
         false},
        {"txtTeichtiefe", "mittlere Teichtiefe", "t", "1,2", "", 3840, false},
    };
    for (const auto& in : inputs) {
        const std::string captionKey = next();
        label(0, in.caption, 720, in.top, 4080, 420).wrap();
        if (*in.symbol) label(0, in.symbol, 4920, in.top, 780);
        add(Kind::TextBox, in.name)
            .in(Tab, 0)
            .caption(in.text)
            .at(5760, in.top - 30, 975, 315)
            .right()
            .tab(tab++);
        std::string unitKey;
        if (*in.unit) {
            unitKey = next();
            Control& u = label(0, in.unit, 6960, in.top, 1200);
            if (in.lawHint) u.tip(LawHint);
        }
        recordRow(captionKey, in.name, unitKey);
    }
    mut("txtAnzahlTeiche").toolTip = "Gerechnet ohne Absetzteich!";
    recordRow(next(), "lblRaumbelastung", controlKey("lblText", labelIndex + 1));
    recordRow(next(), "HScroll1", controlKey("lblText", labelIndex + 1));
    label(0, "Raumbelastung BR, gewählt", 720, 4440, 2300);
    add(Kind::HScroll, "HScroll1")
        .in(Tab, 0)
        .at(3120, 4440, 2055, 255)
        .range(1, 100, 1, 10)
        .val(1)
        .tab(tab++);
    output("lblRaumbelastung", 0, 5760, 4440).caption("5,0");
    label(0, "g BSB5/m³d", 6960, 4440, 1200).tip(LawHint);
    recordRow(next(), "lblWassertemperatur", controlKey("lblText", labelIndex + 1));
    recordRow(next(), "HScroll2", controlKey("lblText", labelIndex + 1));
    label(0, "Wassertemperatur T, gewählt", 720, 4800, 2300);
    add(Kind::HScroll, "HScroll2")
        .in(Tab, 0)
        .at(3120, 4800, 2055, 255)
        .range(1, 40, 1, 5)
        .val(1)
        .tab(tab++);
    output("lblWassertemperatur", 0, 5760, 4800).caption("20");
    label(0, "°C", 6960, 4800, 1200).tip(LawHint);

    label(0, "Zwischenergebnisse", 600, 5880, 4000).bold_();
    const struct {
        const char *caption, *symbol, *name, *unit;
        int top;
    } between[] = {
        {"Abbaukonstante nach Prof. Quarnow und Dr. Vildt", "K1", "lblK1", "d-1", 6240},
        {"Substratkonzentration nach der Vorklärung", "S0", "lblSubstratkonzentrationTeichzulauf",
         "mg BSB5/l", 6600},
        {"Schmutzwassermenge", "Qs", "lblSchmutzwassermenge", "m³/d", 6960},
        {"Gesamter Abwasserzulauf", "Qd", "lblGesamterAbwasserzulauf", "m³/d", 7320},
        {"Zulauffracht nach der Vorklärung", "LBiologie", "lblZulauffrachtNachVorklärung",
         "kg BSB5/d", 7800},
    };
    for (const auto& r : between) {
        recordRow(next(), r.name, controlKey("lblText", labelIndex + 2));
        label(0, r.caption, 600, r.top, 4100);
        label(0, r.symbol, 4800, r.top, 800);
        output(r.name, 0, 5640, r.top);
        label(0, r.unit, 6840, r.top, 1100);
    }

    label(0, "Ergebnisse", 8400, 960, 4000).bold_();
    const struct {
        const char *caption, *symbol, *name, *unit;
        int top;
    } results[] = {
        {"BSB5 im Ablauf des letzten Teiches", "S", "lblSubstratkonzentrationAblauf", "mg BSB5/l",
         1440},
        {"Anlagenreserve bzw. -sicherheit", "", "lblReserve", "%", 1920},
        {"Flächenbelastung ", "BA", "lblFlächenbelastung", "m²/E", 2280},
        {"Teichvolumen", "V", "lblTeichvolumen", "m³", 2640},
        {"Wasseroberfläche der \"n\"-Teiche", "A", "lblWasseroberfläche", "m²", 3000},
        {"mittlere Verweilzeit", "t*", "lblVerweilzeit", "Tage", 3360},
    };
    for (const auto& r : results) {
        recordRow(next(), r.name, controlKey("lblText", labelIndex + (*r.symbol ? 2 : 1)));
        Control& cap = label(0, r.caption, 8400, r.top == 1920 ? 1800 : r.top, 2700,
                             r.top == 1920 ? 420 : 255);
        if (r.top == 1440) cap.tip("Gemessen bei 20 °C unter Laborbedingungen!");
        cap.wrap();
        if (*r.symbol) label(0, r.symbol, 11160, r.top, 450);
        output(r.name, 0, 11640, r.top);
        label(0, r.unit, 12840, r.top, 1100);
    }
    mut("lblReserve").foreColor = Color::Black;
    mut("lblFlächenbelastung").foreColor = Color::Blue;
    mut("lblFlächenbelastung").bold = true;
    add(Kind::Command, "Command4", 1)
        .in(Tab, 0)
        .caption("Kalkulation der Abmessungen")
        .at(11640, 3840, 2535, 285)
        .tab(tab++);
    label(0, "Programmierung: Morvane-Entwicklungsteam", 10800, 4440, 3400);
    label(0, "Literatur und Rechenweg:", 8280, 7080, 3000).bold_().underline = true;
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
    label(0, "Überwachungswertüberschreitungen im Winter nicht überbewerten!", 8280, 8880, 6000)
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
    label(0, "Teichanlage mit drei hintereinander geschalteten Teichen (Zeichnung)", 360, 11160,
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
        add(Kind::Option, "Option" + std::to_string(i + 1))
            .in("Frame1")
            .caption(options[i])
            .at(360, 420 + i * 480, 5880, 375)
            .tab(tab++);
    recordRow("Frame1", "Option1");
    add(Kind::Shape, "Shape1").in(Tab, 1).at(360, 3360, 6375, 3495);
    recordRow(next(), "txtDWA_EW", controlKey("lblText", labelIndex + 1));
    label(1, "Einwohnerwerte", 720, 3720, 2200);
    add(Kind::TextBox, "txtDWA_EW")
        .in(Tab, 1)
        .caption("1000")
        .at(4920, 3690, 975, 315)
        .right()
        .disabled()
        .tab(tab++);
    label(1, "E", 6120, 3720, 500);
    recordRow(next(), "lblDWAFlächenbelastung", controlKey("lblText", labelIndex + 1));
    label(1, "DWA-Flächenbelastung", 720, 4200, 2200);
    output("lblDWAFlächenbelastung", 1, 4920, 4200).caption("10");
    label(1, "m²/E", 6120, 4200, 500);
    recordRow(next(), "lblSicherheit", controlKey("lblText", labelIndex + 1));
    recordRow(next(), "HScrollSicherheit", controlKey("lblText", labelIndex + 1));
    label(1, "zusätzliche Sicherheit", 720, 4680, 2200);
    add(Kind::HScroll, "HScrollSicherheit")
        .in(Tab, 1)
        .at(3000, 4680, 1575, 255)
        .range(0, 20, 1, 5)
        .val(0)
        .disabled()
        .tab(tab++);
    output("lblSicherheit", 1, 4920, 4680).caption("0");
    label(1, "%", 6120, 4680, 500);
    recordRow(next(), "lblDWAFlächengröße", controlKey("lblText", labelIndex + 1));
    label(1, "Fläche des Wasserspiegels", 720, 5280, 2200);
    output("lblDWAFlächengröße", 1, 4920, 5280);
    label(1, "m²", 6120, 5280, 500);
    recordRow(next(), "lblDWA_Wassertiefe", controlKey("lblText", labelIndex + 1));
    recordRow(next(), "HScrollDWA_Wassertiefe", controlKey("lblText", labelIndex + 1));
    label(1, "durchschnittliche Wassertiefe", 720, 5760, 2200);
    add(Kind::HScroll, "HScrollDWA_Wassertiefe")
        .in(Tab, 1)
        .at(3000, 5760, 1575, 255)
        .range(8, 20, 1, 2)
        .val(10)
        .disabled()
        .tab(tab++);
    output("lblDWA_Wassertiefe", 1, 4920, 5760).caption("1.0").tip("muss: etwa 1 m");
    label(1, "m", 6120, 5760, 500);
    recordRow(next(), "lblDWA_Teichvolumen", controlKey("lblText", labelIndex + 1));
    label(1, "Teichvolumen", 720, 6240, 2200);
    output("lblDWA_Teichvolumen", 1, 4920, 6240);
    label(1, "m³", 6120, 6240, 500);
    label(1, "Programmierung: Morvane-Entwicklungsteam", 360, 7440, 6000);
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
    label(1, "Abwasserteich im Sommer (Zeichnung)", 7920, 4740, 6000);
    add(Kind::Picture, "Picture4")
        .in(Tab, 1)
        .at(7920, 5400, 6015, 3975)
        .pic("pond_illustration.svg");
    label(1, "Zulauf und Überlauf zwischen zwei Teichen (Zeichnung)", 7920, 9420, 6000);

    // Page 2: the pond scheme.
    add(Kind::Picture, "Picture1").in(Tab, 2).at(480, 960, 13455, 8295).pic("pond_scheme.svg");
    label(2, "Bildquelle:", 480, 9480, 1500).bold_().underline = true;
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
