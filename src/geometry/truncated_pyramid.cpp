#include "geometry/truncated_pyramid.h"

#include <cmath>

#include "shell/application.h"
#include "shell/links.h"
#include "shell/number_text.h"
#include "shell/patterns.h"
#include "shell/start_window.h"

namespace morvane {

MORVANE_REGISTER_FORM(TruncatedPyramidForm);

namespace {
constexpr const char* Dimensions[] = {"txtLängeBeckenboden", "txtBreiteBeckenboden",
                                      "txtWassertiefe", "txtFreibord"};
}

TruncatedPyramidForm::TruncatedPyramidForm(Application& app) : FormModel(app, Name) {
    const Guard guard{.text = "Tippfehler - Alle Eingabewerte werden zurückgegesetzt",
                      .resetAction = [this] { Rücksetzen(); }};
    const struct {
        const char* field;
        void (TruncatedPyramidForm::*routine)(Num);
    } slopes[] = {{"txtGefälleAbsolut", &TruncatedPyramidForm::EingabeGefälleAbsolut},
                  {"txtGefälleProzent", &TruncatedPyramidForm::EingabeGefälleProzent},
                  {"txtGefälleProportion", &TruncatedPyramidForm::EingabeGefälleProportion}};
    for (const auto& slope : slopes) {
        on(On::KeyUp, slope.field, [this, guard, slope] {
            guarded(guard, [this, slope] {
                const Num x = num(slope.field);
                if (x != 0) (this->*slope.routine)(x);
                if (winkel != 0) B_Gesamttiefe();
                Sichtbar();
            });
        });
    }
    for (const char* field : Dimensions) {
        on(On::KeyUp, field, [this, guard] {
            guarded(guard, [this] {
                if (winkel != 0) B_Gesamttiefe();
            });
        });
    }
    on(On::Click, "Command1", [this] { AdresseÖffnen(platform(), Links::HomePage); });
    on(On::Click, "Image1", [this] { AdresseÖffnen(platform(), Links::HomePage); });
    on(On::Tick, "Timer1", [this] {
        // The date is shown at once after opening; after that, once a second keeps it current.
        setInterval("Timer1", 1000);
        const Date d = platform().today();
        setCaption("Label45", "\r\n" + NumberText::longDate(d.year, d.month, d.day));
    });
}

void TruncatedPyramidForm::EingabeGefälleAbsolut(Num x) {
    I = x;
    prozent = 100 * I;
    show("txtGefälleProzent", prozent, Pattern::Dec1);
    n = 1 / I;
    show("txtGefälleProportion", n, Pattern::Dec1);
    Winkelberechnung();
}

void TruncatedPyramidForm::EingabeGefälleProzent(Num x) {
    I = x / 100;
    show("txtGefälleAbsolut", I, Pattern::Dec4);
    n = 1 / I;
    show("txtGefälleProportion", n, Pattern::Dec1);
    Winkelberechnung();
}

void TruncatedPyramidForm::EingabeGefälleProportion(Num x) {
    I = 1 / x;
    show("txtGefälleAbsolut", I, Pattern::Dec4);
    prozent = 100 * I;
    show("txtGefälleProzent", prozent, Pattern::Dec1);
    Winkelberechnung();
}

void TruncatedPyramidForm::Winkelberechnung() {
    pi = 4 * std::atan(1.0);
    winkel = std::atan(I);
    show("lblBogenmaß", winkel, Pattern::Dec5);
    grad = 180 * winkel / pi;
    show("lblBöschungswinkel", grad, Pattern::Dec1);
}

void TruncatedPyramidForm::B_Gesamttiefe() {
    h = num("txtWassertiefe");
    f = num("txtFreibord");
    H = f + h;
    out("lblGesamttiefe", H);
    P = H / I;
    out("lblBöschungsprojektion", P);
    p = h / I;
    out("lblBenetzteBöschungsprojektion", p);
    S = pow(H * H + P * P, 0.5);
    out("lblBöschungslänge", S);
    s = pow(h * h + p * p, 0.5);
    out("lblBenetzteBöschungslänge", s);
    L0 = num("txtLängeBeckenboden");
    Ltop = 2 * P + L0;
    out("lblLängeOKBecken", Ltop);
    B0 = num("txtBreiteBeckenboden");
    Btop = 2 * P + B0;
    out("lblBreiteOKBecken", Btop);
    Lw = 2 * p + L0;
    out("lblWasserspiegelLänge", Lw);
    Bw = 2 * p + B0;
    out("lblWasserspiegelbreite", Bw);
    const Num umfang = 2 * B0 + 2 * L0;
    Vf = H * (B0 * L0);
    out("lblGesamtvolumenBeckenboden", Vf);
    Vs = umfang * (H * P / 2);
    out("lblGesamtvolumenGeneigteFlächen", Vs);
    Vk = H * (2 * P * (2 * P)) / 3;
    out("lblGesamtvolumenKehlen", Vk);
    V = Vk + (Vs + Vf);
    out("lblGesamtvolumen", V);
    Nf = h * (B0 * L0);
    out("lblNutzvolumenBeckenboden", Nf);
    Ns = umfang * (h * p / 2);
    out("lblNutzvolumenGeneigteFlächen", Ns);
    Nk = h * (2 * p * (2 * p)) / 3;
    out("lblNutzvolumenKehlen", Nk);
    N = Nk + (Ns + Nf);
    out("lblNutzvolumen", N);
    mantelLang = S * ((L0 + Ltop) / 2);
    out("lblEineLängereMantelfläche", mantelLang);
    mantelStirn = S * ((B0 + Btop) / 2);
    out("lblEineMantelflächeStirnseite", mantelStirn);
    seiten = 2 * mantelLang + 2 * mantelStirn;
    out("lblAlleSeitenflächen", seiten);
    boden = L0 * B0;
    out("lblFlächeBeckenboden", boden);
    AF = boden;
    out("lblGesamteBodenfilteroberflächeAF", AF);
    oberfläche = seiten + boden;
    out("lblOberflächePyramidenstumpf", oberfläche);
    A = h * B0;
    out("lblAnströmflächeA", A);
    wasseroberfläche = Bw * Lw;
    out("lblWasseroberfläche", wasseroberfläche);
}

void TruncatedPyramidForm::Rücksetzen() {
    setNumber("txtLängeBeckenboden", 30);
    setNumber("txtBreiteBeckenboden", 10);
    setNumber("txtWassertiefe", 3);
    setNumber("txtFreibord", 0.5);
    setNumber("txtGefälleAbsolut", 0.4);
    setNumber("txtGefälleProzent", 40);
    setNumber("txtGefälleProportion", 2.5);
}

void TruncatedPyramidForm::Sichtbar() {
    for (const char* field : Dimensions) setVisible(field, true);
}

void TruncatedPyramidForm::design() {
    auto& w = win();
    w.title =
        "Volumen eines Pyramidenstumpfes z.B. mit rechteckiger Grundfläche für "
        "Abwasserteich- oder PKA-Berechnung";
    w.clientWidth = 11775;
    w.clientHeight = 11445;
    w.focus = "txtGefälleProportion";

    int captionIndex = 0;
    auto caption = [this, &captionIndex](const char* text, int l, int t, int wd,
                                         bool bold = false) -> Control& {
        return add(Kind::Label, "Label1", captionIndex++)
            .caption(text)
            .at(l, t, wd, 285)
            .font("MS Sans Serif", 9.75, bold);
    };
    auto output = [this](const char* name, int l, int t) -> Control& {
        return add(Kind::Label, name)
            .at(l, t, 1095, 285)
            .right()
            .framed()
            .font("MS Sans Serif", 9.75)
            .colors(Color::WindowText, Color::WindowBackground);
    };
    int shapeIndex = 0;
    auto section = [this, &shapeIndex](int l, int t, int wd, int ht) {
        add(Kind::Shape, "Shape1", shapeIndex++).at(l, t, wd, ht);
    };
    // The key of the caption declared next, for the record's rows.
    auto next = [&captionIndex] { return controlKey("Label1", captionIndex); };
    auto leftRow = [&](const char* text, const char* out, int t) {
        recordRow(next(), out);
        caption(text, 360, t, 3600);
        output(out, 4080, t);
    };
    auto rightRow = [&](const char* text, const char* out, int t) {
        recordRow(next(), out);
        caption(text, 5880, t, 4320);
        output(out, 10320, t);
    };

    // Dimensions.
    section(120, 360, 5295, 3375);
    caption("Eingabe der Abmessungen  [ m]", 360, 480, 4800, true);
    const struct {
        const char *name, *caption, *text;
        int top, tab;
    } dims[] = {{"txtLängeBeckenboden", "Länge des Beckenbodens", "30,0", 840, 3},
                {"txtBreiteBeckenboden", "Breite des Beckenbodens", "10,0", 1200, 4},
                {"txtWassertiefe", "Wassertiefe/Nutztiefe", "3,0", 1560, 5},
                {"txtFreibord", "Freibord", "0,5", 1920, 6}};
    for (const auto& d : dims) {
        recordRow(next(), d.name);
        caption(d.caption, 360, d.top, 3600);
        add(Kind::TextBox, d.name)
            .caption(d.text)
            .at(4080, d.top - 30, 1095, 315)
            .right()
            .font("MS Sans Serif", 9.75)
            .hidden()
            .tip("Bitte zuerst Böschungsgefälle eingeben!")
            .tab(d.tab);
    }
    leftRow("Bauwerkstiefe / Gesamttiefe", "lblGesamttiefe", 2400);
    leftRow("Länge Beckenoberkante", "lblLängeOKBecken", 2880);
    leftRow("Breite Beckenoberkante", "lblBreiteOKBecken", 3240);

    section(120, 3840, 5295, 3135);
    caption("Zwischenergebnisse", 360, 3960, 4800, true);
    leftRow("Böschungsprojektion", "lblBöschungsprojektion", 4320);
    leftRow("Projektion der benetzten Böschung", "lblBenetzteBöschungsprojektion", 4680);
    leftRow("Böschungslänge", "lblBöschungslänge", 5040);
    leftRow("benetzte Böschungslänge", "lblBenetzteBöschungslänge", 5400);
    leftRow("Länge des Wasserspiegels", "lblWasserspiegelLänge", 5760);
    leftRow("Breite des Wasserspiegels", "lblWasserspiegelbreite", 6120);
    leftRow("Wasseroberfläche", "lblWasseroberfläche", 6480);

    section(120, 7080, 5295, 3375);
    recordRow(next(), "lblOberflächePyramidenstumpf");
    caption("Oberfläche - Pyramidenstumpf", 360, 7200, 3600, true);
    output("lblOberflächePyramidenstumpf", 4080, 7200);
    leftRow("Eine längere Mantelfläche", "lblEineLängereMantelfläche", 7560);
    leftRow("Eine Mantelfläche der Stirnseite", "lblEineMantelflächeStirnseite", 7920);
    leftRow("alle Seitenflächen", "lblAlleSeitenflächen", 8280);
    leftRow("Fläche des Beckenbodens", "lblFlächeBeckenboden", 8640);
    caption("Ermittlung der Oberfläche des Pyramidenstumpfes ohne Deckfläche!", 360, 9120, 4900)
        .font("MS Sans Serif", 8.25)
        .fore(Color::Red);
    caption("Für Folieauskleidung, gerechnet ohne Verschnitt!", 360, 9360, 4900)
        .font("MS Sans Serif", 8.25)
        .fore(Color::Red);
    caption("Programmierung: Morvane-Entwicklungsteam, 2008", 360, 10080, 4900);

    // Slope.
    section(5640, 360, 5895, 2775);
    caption("zunächst Eingabe des Böschungsgefälles ( I )", 5880, 480, 5400, true);
    const char* slopeTip =
        "Programm rechnet erst korrekt, wenn auch wenigstens eine Abmessung eingegeben wird!";
    recordRow(next(), "txtGefälleAbsolut");
    caption("z.B. als absolutes Gefälle ( Dezimalzahl)", 5880, 840, 4320);
    add(Kind::TextBox, "txtGefälleAbsolut")
        .caption("0,40")
        .at(10320, 810, 1095, 315)
        .right()
        .tip(slopeTip)
        .tab(1);
    recordRow(next(), "txtGefälleProzent");
    caption("oder in Prozent", 5880, 1200, 4320);
    add(Kind::TextBox, "txtGefälleProzent")
        .caption("40,0")
        .at(10320, 1170, 1095, 315)
        .right()
        .tip(slopeTip)
        .tab(2);
    recordCell(next(), controlKey("Label1", captionIndex + 1), "txtGefälleProportion");
    caption("oder als Proportion", 5880, 1800, 2400);
    add(Kind::Shape, "Shape2").at(8880, 1680, 2535, 555);
    caption("I = h : L = 1 :", 9000, 1800, 1740, true);
    add(Kind::TextBox, "txtGefälleProportion")
        .caption("2,5")
        .at(10800, 1770, 525, 315)
        .right()
        .tip(slopeTip)
        .tab(0);
    rightRow("Böschungswinkel", "lblBöschungswinkel", 2400);
    rightRow("Bogenmaß", "lblBogenmaß", 2760);

    section(5640, 3240, 5895, 2055);
    recordRow(next(), "lblGesamtvolumen");
    caption("Gesamtvolumen einschließlich Freibord", 5880, 3480, 4320, true);
    output("lblGesamtvolumen", 10320, 3480).bold_().back(Color::ActiveBorder);
    rightRow("Volumen über dem Beckenboden", "lblGesamtvolumenBeckenboden", 3960);
    rightRow("Volumen über den geneigten Flächen", "lblGesamtvolumenGeneigteFlächen", 4320);
    rightRow("Volumen über den 4 Kehlen", "lblGesamtvolumenKehlen", 4680);

    section(5640, 5400, 5895, 1815);
    recordRow(next(), "lblNutzvolumen");
    caption("Gesamtes Nutzvolumen ohne Freibord", 5880, 5640, 4320, true);
    output("lblNutzvolumen", 10320, 5640).bold_().back(Color::ActiveBorder);
    rightRow("Nutzvolumen über dem Beckenboden", "lblNutzvolumenBeckenboden", 6000);
    rightRow("Nutzvolumen über den geneigten Flächen", "lblNutzvolumenGeneigteFlächen", 6360);
    rightRow("Nutzvolumen über den 4 Kehlen", "lblNutzvolumenKehlen", 6720);

    section(5640, 7320, 5895, 1455);
    caption("Parameter nach DWA-A262", 5880, 7440, 4320, true);
    rightRow("Gesamte Bodenfilteroberfläche AF [ m²]", "lblGesamteBodenfilteroberflächeAF", 7920);
    rightRow("Anströmfläche A [ m²]", "lblAnströmflächeA", 8280);

    add(Kind::TextBox, "Text1")
        .caption(
            "Bemerkungen: Ergebnisse einer geometrischen Kalkulation eines "
            "pyramidenstumpförmigen Erdbeckens")
        .at(5640, 8880, 5880, 735)
        .multi(false)
        .tab(7);
    recordRow("", "Text1");
    add(Kind::Label, "Label45").caption("Datum").at(8160, 10080, 3255, 570).framed().center();
    add(Kind::Label, "Label43")
        .caption(
            "Verwertung: Tabelle als Graphik ausschneiden und ggf. in Word für die "
            "nachvollziehbare Kalkulation einfügen.")
        .at(240, 10800, 6360, 495)
        .wrap();
    add(Kind::Picture, "Image1")
        .at(6840, 10800, 480, 480)
        .pic("morvane_mark.svg")
        .tip("Internet")
        .link();
    std::string address = Links::HomePage;
    if (const auto at = address.find("://"); at != std::string::npos)
        address = address.substr(at + 3);
    add(Kind::Command, "Command1")
        .caption("Quelle: " + address)
        .at(7680, 10800, 3975, 495)
        .pic("morvane_mark.svg")
        .tip("Internetverbindung")
        .tab(8);
    add(Kind::Timer, "Timer1").interval = 1;
}

}  // namespace morvane
