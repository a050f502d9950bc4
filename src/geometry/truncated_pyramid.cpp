#include "geometry/truncated_pyramid.h"

#include <cmath>

#include "shell/application.h"
#include "shell/layout.h"
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
    win() = {.title =
                 "Volumen eines Pyramidenstumpfes z.B. mit rechteckiger Grundfläche für "
                 "Abwasserteich- oder PKA-Berechnung",
             .clientWidth = 11775,
             .clientHeight = 11445,
             .focus = "txtGefälleProportion"};

    // Captions are Label1(0..), in reading order; the columns' outputs look alike.
    const Control caption = piece(Kind::Label).at(0, 0, 0, 285).font("MS Sans Serif", 9.75);
    const Control output = piece(Kind::Label)
                               .at(0, 0, 1095, 285)
                               .right()
                               .framed()
                               .font("MS Sans Serif", 9.75)
                               .colors(Color::WindowText, Color::WindowBackground);
    Layout left(*this, {.caption = Control(caption).at(360, 0, 3600, 285),
                        .input = piece(Kind::TextBox)
                                     .at(4080, -30, 1095, 315)
                                     .right()
                                     .font("MS Sans Serif", 9.75)
                                     .hidden()
                                     .tip("Bitte zuerst Böschungsgefälle eingeben!"),
                        .output = Control(output).at(4080, 0, 1095, 285),
                        .label = caption,
                        .captionArray = "Label1"});
    const char* slopeTip =
        "Programm rechnet erst korrekt, wenn auch wenigstens eine Abmessung eingegeben wird!";
    Layout right(*this,
                 {.caption = Control(caption).at(5880, 0, 4320, 285),
                  .input = piece(Kind::TextBox).at(10320, -30, 1095, 315).right().tip(slopeTip),
                  .output = Control(output).at(10320, 0, 1095, 285),
                  .label = caption,
                  .captionArray = "Label1"});

    // Dimensions.
    add(Kind::Shape, "Shape1", 0).at(120, 360, 5295, 3375);
    left.label("Eingabe der Abmessungen  [ m]", 360, 480, 4800).bold_();
    left.rows({
        {"Länge des Beckenbodens", "", "txtLängeBeckenboden", "", 840, Field::Input, 3, "30,0"},
        {"Breite des Beckenbodens", "", "txtBreiteBeckenboden", "", 1200, Field::Input, 4, "10,0"},
        {"Wassertiefe/Nutztiefe", "", "txtWassertiefe", "", 1560, Field::Input, 5, "3,0"},
        {"Freibord", "", "txtFreibord", "", 1920, Field::Input, 6, "0,5"},
        {"Bauwerkstiefe / Gesamttiefe", "", "lblGesamttiefe", "", 2400, Field::Output},
        {"Länge Beckenoberkante", "", "lblLängeOKBecken", "", 2880, Field::Output},
        {"Breite Beckenoberkante", "", "lblBreiteOKBecken", "", 3240, Field::Output},
    });

    add(Kind::Shape, "Shape1", 1).at(120, 3840, 5295, 3135);
    left.label("Zwischenergebnisse", 360, 3960, 4800).bold_();
    left.rows({
        {"Böschungsprojektion", "", "lblBöschungsprojektion", "", 4320, Field::Output},
        {"Projektion der benetzten Böschung", "", "lblBenetzteBöschungsprojektion", "", 4680,
         Field::Output},
        {"Böschungslänge", "", "lblBöschungslänge", "", 5040, Field::Output},
        {"benetzte Böschungslänge", "", "lblBenetzteBöschungslänge", "", 5400, Field::Output},
        {"Länge des Wasserspiegels", "", "lblWasserspiegelLänge", "", 5760, Field::Output},
        {"Breite des Wasserspiegels", "", "lblWasserspiegelbreite", "", 6120, Field::Output},
        {"Wasseroberfläche", "", "lblWasseroberfläche", "", 6480, Field::Output},
    });

    add(Kind::Shape, "Shape1", 2).at(120, 7080, 5295, 3375);
    left.rows({
        {.caption = "Oberfläche - Pyramidenstumpf",
         .field = "lblOberflächePyramidenstumpf",
         .top = 7200,
         .as = Field::Output,
         .captionBold = true},
        {"Eine längere Mantelfläche", "", "lblEineLängereMantelfläche", "", 7560, Field::Output},
        {"Eine Mantelfläche der Stirnseite", "", "lblEineMantelflächeStirnseite", "", 7920,
         Field::Output},
        {"alle Seitenflächen", "", "lblAlleSeitenflächen", "", 8280, Field::Output},
        {"Fläche des Beckenbodens", "", "lblFlächeBeckenboden", "", 8640, Field::Output},
    });
    left.label("Ermittlung der Oberfläche des Pyramidenstumpfes ohne Deckfläche!", 360, 9120, 4900)
        .font("MS Sans Serif", 8.25)
        .fore(Color::Red);
    left.label("Für Folieauskleidung, gerechnet ohne Verschnitt!", 360, 9360, 4900)
        .font("MS Sans Serif", 8.25)
        .fore(Color::Red);
    left.label("Programmierung: Morvane-Entwicklungsteam, 2008", 360, 10080, 4900);

    // Slope.
    add(Kind::Shape, "Shape1", 3).at(5640, 360, 5895, 2775);
    right.label("zunächst Eingabe des Böschungsgefälles ( I )", 5880, 480, 5400).bold_();
    right.rows({
        {"z.B. als absolutes Gefälle ( Dezimalzahl)", "", "txtGefälleAbsolut", "", 840,
         Field::Input, 1, "0,40"},
        {"oder in Prozent", "", "txtGefälleProzent", "", 1200, Field::Input, 2, "40,0"},
    });
    // The proportion: its caption, and the formula in a box before the field.
    const std::string proportion = right.label("oder als Proportion", 5880, 1800, 2400).key();
    add(Kind::Shape, "Shape2").at(8880, 1680, 2535, 555);
    const std::string formula = right.label("I = h : L = 1 :", 9000, 1800, 1740).bold_().key();
    recordCell(proportion, formula, "txtGefälleProportion");
    add(Kind::TextBox, "txtGefälleProportion")
        .caption("2,5")
        .at(10800, 1770, 525, 315)
        .right()
        .tip(slopeTip)
        .tab(0);
    right.rows({
        {"Böschungswinkel", "", "lblBöschungswinkel", "", 2400, Field::Output},
        {"Bogenmaß", "", "lblBogenmaß", "", 2760, Field::Output},
    });

    add(Kind::Shape, "Shape1", 4).at(5640, 3240, 5895, 2055);
    right
        .row({.caption = "Gesamtvolumen einschließlich Freibord",
              .field = "lblGesamtvolumen",
              .top = 3480,
              .as = Field::Output,
              .captionBold = true})
        .bold_()
        .back(Color::ActiveBorder);
    right.rows({
        {"Volumen über dem Beckenboden", "", "lblGesamtvolumenBeckenboden", "", 3960,
         Field::Output},
        {"Volumen über den geneigten Flächen", "", "lblGesamtvolumenGeneigteFlächen", "", 4320,
         Field::Output},
        {"Volumen über den 4 Kehlen", "", "lblGesamtvolumenKehlen", "", 4680, Field::Output},
    });

    add(Kind::Shape, "Shape1", 5).at(5640, 5400, 5895, 1815);
    right
        .row({.caption = "Gesamtes Nutzvolumen ohne Freibord",
              .field = "lblNutzvolumen",
              .top = 5640,
              .as = Field::Output,
              .captionBold = true})
        .bold_()
        .back(Color::ActiveBorder);
    right.rows({
        {"Nutzvolumen über dem Beckenboden", "", "lblNutzvolumenBeckenboden", "", 6000,
         Field::Output},
        {"Nutzvolumen über den geneigten Flächen", "", "lblNutzvolumenGeneigteFlächen", "", 6360,
         Field::Output},
        {"Nutzvolumen über den 4 Kehlen", "", "lblNutzvolumenKehlen", "", 6720, Field::Output},
    });

    add(Kind::Shape, "Shape1", 6).at(5640, 7320, 5895, 1455);
    right.label("Parameter nach DWA-A262", 5880, 7440, 4320).bold_();
    right.rows({
        {"Gesamte Bodenfilteroberfläche AF [ m²]", "", "lblGesamteBodenfilteroberflächeAF", "",
         7920, Field::Output},
        {"Anströmfläche A [ m²]", "", "lblAnströmflächeA", "", 8280, Field::Output},
    });

    add(Kind::TextBox, "Text1")
        .caption(
            "Bemerkungen: Ergebnisse einer geometrischen Kalkulation eines "
            "pyramidenstumpförmigen Erdbeckens")
        .at(5640, 8880, 5880, 735)
        .multi(false)
        .tab(7);
    recordRow("", "Text1");
    add(Kind::Label, "Label45").caption("Datum").at(8160, 10080, 3255, 570).framed().center();
    note("Label43",
         "Verwertung: Tabelle als Graphik ausschneiden und ggf. in Word für die "
         "nachvollziehbare Kalkulation einfügen.",
         240, 10800, 6360, 495);
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
