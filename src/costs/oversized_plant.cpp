#include "costs/oversized_plant.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/links.h"
#include "shell/number_text.h"
#include "shell/patterns.h"
#include "shell/start_window.h"

namespace morvane {

MORVANE_REGISTER_FORM(OversizedPlantForm);

namespace {
constexpr const char* ResultRows[] = {"lblnichtGebührenfähigDM",
                                      "lblNichtGebührenfähigProzent",
                                      "Label1(11)",
                                      "Label1(13)",
                                      "Label2(0)",
                                      "Label2(1)",
                                      "lblKostenanteilBBNKDM",
                                      "lblKostenanteilgebührenfähig",
                                      "lblBei1",
                                      "lblBei2"};
constexpr const char* MioEuro = "##,##0.0 Mio € ";
constexpr const char* Percent = "##,##0.0 % ";
constexpr const char* Tew = "##,##0.0 TEW ";
}  // namespace

OversizedPlantForm::OversizedPlantForm(Application& app) : FormModel(app, Name) {
    on(On::Click, "Hinweise", [this] {
        schließen();
        this->app().open("frmgroseKAInfo1");
    });
    on(On::Click, "Verwendung", [this] {
        schließen();
        this->app().open("frmGroseKAInfo5");
    });
    on(On::Click, "Funktion", [this] {
        schließen();
        this->app().open("frmgroseKAInfo2");
    });
    on(On::Click, "Urteil", [this] { AdresseÖffnen(platform(), Links::CourtRuling); });
    on(On::Click, "Problemlösung", [this] {
        schließen();
        this->app().open("frmGroseKAInfo3");
    });
    on(On::Click, "Command1", [this] { Berechnung(); });
    on(On::Click, "Beispiel", [this] {
        setText("TxtEWKAreal", "30");
        setText("txtAnschlußEW", "15");
        setNumber("txtBruttoGKKA", 25.5);
        Berechnung();
    });
}

void OversizedPlantForm::schließen() {
    for (const char* w :
         {"frmgroseKAInfo1", "frmgroseKAInfo2", "frmGroseKAInfo3", "frmGroseKAInfo5"})
        app().close(w);
}

void OversizedPlantForm::reformat(std::string_view key, const char* pattern) {
    setText(key, NumberText::formatText(text(key), pattern));
}

void OversizedPlantForm::Berechnung() {
    const Guard guard{.text = "Tippfehler - Alle Eingabewerte werden zurückgesetzt",
                      .reset = {{"TxtEWKAreal", "0"},
                                {"txtAnschlußEW", "0"},
                                {"txtBruttoGKKA", "0"},
                                {"txtDdeggesKA", NumberText::plain(0.7)},
                                {"txtKostenanteilBBNKProzent", "30"},
                                {"txtzulReserveProzent", "20"}}};
    guarded(guard, [this] {
        auto A = [this] { return num("TxtEWKAreal"); };
        auto B = [this] { return num("txtAnschlußEW"); };
        auto G = [this] { return num("txtBruttoGKKA"); };
        auto D = [this] { return num("txtDdeggesKA"); };
        auto K = [this] { return num("txtKostenanteilBBNKProzent"); };
        auto R = [this] { return num("txtzulReserveProzent"); };

        setNumber("lblvorhReserveEW", A() - B());
        V = num("lblvorhReserveEW");
        reserveProzent = NumberText::fixed4(V / A() * 100);
        setNumber("lblvorhReserveProzent", reserveProzent);
        setNumber("lblzulReserveEW", A() * (R() / 100));
        C = G() * (K() / 100);
        setNumber("lblKostenanteilBBNKDM", C);
        F = 100 * B() / (100 - R());
        setNumber("lblAusbaugrößeGebührenfähig", F);
        setText("lblBei1", text("TxtEWKAreal"));
        reformat("lblBei1", Pattern::Dec1Blank);
        setText("lblBei2", text("lblAusbaugrößeGebührenfähig"));
        reformat("lblBei2", Pattern::Dec1Blank);
        E = NumberText::fixed4(C / pow(A() / F, D()));
        setNumber("lblKostenanteilgebührenfähig", E);
        N = C - E;
        setNumber("lblnichtGebührenfähigDM", N);
        P = NumberText::fixed4(N / G());
        setNumber("lblNichtGebührenfähigProzent", P);

        reformat("lblnichtGebührenfähigDM", MioEuro);
        reformat("lblNichtGebührenfähigProzent", Percent);
        reformat("lblKostenanteilgebührenfähig", MioEuro);
        for (const char* key :
             {"TxtEWKAreal", "txtAnschlußEW", "txtzulReserveProzent", "txtBruttoGKKA"})
            reformat(key, Pattern::Dec1Blank);
        reformat("txtKostenanteilBBNKProzent", Pattern::Dec1);
        for (const char* key : {"lblvorhReserveEW", "lblvorhReserveProzent", "lblzulReserveEW"})
            reformat(key, Pattern::Dec1Blank);
        reformat("lblAusbaugrößeGebührenfähig", Pattern::Dec1);
        reformat("lblKostenanteilBBNKDM", MioEuro);
        reformat("lblBei1", Tew);
        reformat("lblBei2", Tew);

        if (V < 0) {
            setForeColor("lblvorhReserveEW", Color::Red);
            setForeColor("lblvorhReserveProzent", Color::Red);
        }
        if (N > 0) {
            setBackColor("lblnichtGebührenfähigDM", Color::LightRed);
            setBackColor("lblNichtGebührenfähigProzent", Color::LightRed);
            setForeColor("Label5(0)", Color::Red);
        }
        verdict();

        if (A() <= B())
            message("\r\nAnschlußgrad ist >= Anlagenkapazität!", "Vielleicht ein Problem!");
        if (N <= 0)
            message("\r\nGewählte zulässige Reserve ist größer oder gleich vorhandener Reserve!",
                    "Meist kein Problem!");
        if (N <= 0) {
            message("\r\nAufwendungen sind dem ersten Anschein nach gebührenfähig!",
                    "Kein Problem!");
            setText("lblnichtGebührenfähigDM", "0");
            reformat("lblnichtGebührenfähigDM", MioEuro);
            setText("lblNichtGebührenfähigProzent", "0");
            reformat("lblNichtGebührenfähigProzent", Percent);
        }
    });
}

void OversizedPlantForm::verdict() {
    const bool eligible = N <= 0;
    setCaption("Label5(0)",
               eligible
                   ? "Investkosten sind dem ersten Anschein nach gebühren- und beitragsfähig!"
                   : "Nach dem ersten Anschein nicht gebühren- und beitragsfähiger Investaufwand!");
    setForeColor("Label5(0)", eligible ? Color::ButtonText : Color::Red);
    for (const char* key : ResultRows) setVisible(key, !eligible);
}

void OversizedPlantForm::design() {
    win() = {
        .title = "Nicht gebührenfähiger Aufwand infolge Überdimensionierung bei einer Kläranlage",
        .clientWidth = 9765,
        .clientHeight = 5970,
        .focus = "TxtEWKAreal"};

    add(Kind::Menu, "Hinweise").caption("Problemstellung");
    add(Kind::Menu, "Verwendung").caption("Verwendung");
    add(Kind::Menu, "Funktion").caption("Funktion");
    add(Kind::Menu, "Urteil").caption("Gerichtsurteil im Internet");
    add(Kind::Menu, "Problemlösung").caption("Auch eine Lösung!");

    Layout lay(*this, {.input = piece(Kind::TextBox).at(0, 0, 0, 285).right(),
                       .output = piece(Kind::Label)
                                     .at(0, 0, 1005, 255)
                                     .right()
                                     .framed()
                                     .colors(Color::WindowText, Color::ToolTipBackground),
                       .label = piece(Kind::Label).at(0, 0, 0, 420).wrap()});

    add(Kind::Shape, "Shape1").at(6000, 360, 3615, 735);
    add(Kind::Label, "Label6")
        .caption("Hier nur Abschätzung der Folgen aus einmaliger Aufwendung!")
        .at(6120, 420, 3375, 615)
        .bold_()
        .center()
        .wrap();
    add(Kind::Shape, "Shape2").at(6000, 1200, 3615, 2295);
    add(Kind::Label, "Label4").caption("Konstanten").at(6960, 1320, 1695, 255).bold_().center();

    lay.label("Label1", 4, "realsierte Ausbaugröße der Kläranlage in TEW", 120, 360, 4080);
    lay.input("TxtEWKAreal", 4320, 360, 1000).tab(0);
    lay.label("Label1", 5, "tatsächlicher, bzw. mittelfristig realer Anschluß in TEW", 120, 840,
              4080);
    lay.input("txtAnschlußEW", 4320, 840, 1000).tab(1);
    lay.label("Label1", 1, "Bruttokosten der realisierten Kläranlage in Mio €", 120, 1320, 4080);
    lay.input("txtBruttoGKKA", 4320, 1320, 1000).tab(2);
    lay.label("Label1", 0, "Degressionskoeffizient", 6120, 1680, 2760);
    lay.input("txtDdeggesKA", 9000, 1680, 375).caption("0,7").tab(5);
    lay.label("Label1", 10, "Kostenanteil der last- und mengenabhängigen Anlagen in %", 6120, 2100,
              2700);
    lay.input("txtKostenanteilBBNKProzent", 8880, 2160, 495).caption("30").tab(3);
    lay.label("Label1", 6, "zulässige Anlagenreserve in % ( max. 20 %)", 6120, 2580, 2700);
    lay.input("txtzulReserveProzent", 8880, 2640, 495).caption("20").tab(4);
    add(Kind::Label, "Label3")
        .caption("TEW = 1000 EW")
        .at(6120, 3120, 1500, 255)
        .fore(Color::DarkBlue);

    lay.label("Label1", 7, "vorhandene Reserve in TEW", 120, 1800, 4080);
    lay.output("lblvorhReserveEW", 4320, 1800);
    lay.label("Label1", 8, "vorhandene Reserve in %", 120, 2280, 4080);
    lay.output("lblvorhReserveProzent", 4320, 2280);
    lay.label("Label1", 9, "zulässige Reserve in TEW bei realisierter Ausbaugröße", 120, 2760,
              4080);
    lay.output("lblzulReserveEW", 4320, 2760);
    lay.label("Label1", 12, "gebührenfähige Ausbaugröße in TEW", 120, 3240, 4080);
    lay.output("lblAusbaugrößeGebührenfähig", 4320, 3240);
    lay.label("Label1", 11, "Kostenanteil der last- und mengenabhängigen Anlagen", 120, 3720, 4080);
    lay.output("lblKostenanteilBBNKDM", 4320, 3720);
    add(Kind::Label, "Label2", 0).caption("bei").at(5520, 3720, 400, 255);
    lay.output("lblBei1", 6000, 3720);
    lay.label("Label1", 13, "Kostenanteil der last- und mengenabhängigen Anlagen", 120, 4200, 4080);
    lay.output("lblKostenanteilgebührenfähig", 4320, 4200);
    add(Kind::Label, "Label2", 1).caption("bei").at(5520, 4200, 400, 255);
    lay.output("lblBei2", 6000, 4200);

    add(Kind::Line, "Line1").at(120, 4800, 9600, 4800).fore(Color::Blue).borderWidth = 3;
    add(Kind::Label, "Label5", 0)
        .caption("nicht beitrags- oder gebührenfähiger Aufwand")
        .at(120, 5040, 4575, 975)
        .font("MS Sans Serif", 12, true)
        .fore(Color::Black)
        .wrap();
    lay.output("lblnichtGebührenfähigDM", 6000, 5040);
    lay.output("lblNichtGebührenfähigProzent", 6000, 5520);
    add(Kind::Command, "Beispiel").caption("Beispiel").at(7680, 3000, 1815, 375).tab(6);
    add(Kind::Command, "Command1").caption("Berechnung").at(7680, 4080, 1815, 375).tab(7);
    add(Kind::Label, "Label7")
        .caption("Morvane")
        .at(7425, 5175, 1650, 660)
        .font("MS Sans Serif", 8.25, true)
        .fore(Color::Blue);
    add(Kind::Picture, "Image1").at(9165, 5235, 480, 480).pic("morvane_mark.svg");

    // The inputs, the constants beside them, then the results from top to bottom.
    const char* const reading[][2] = {{"Label1(4)", "TxtEWKAreal"},
                                      {"Label1(5)", "txtAnschlußEW"},
                                      {"Label1(1)", "txtBruttoGKKA"},
                                      {"Label1(0)", "txtDdeggesKA"},
                                      {"Label1(10)", "txtKostenanteilBBNKProzent"},
                                      {"Label1(6)", "txtzulReserveProzent"},
                                      {"Label1(7)", "lblvorhReserveEW"},
                                      {"Label1(8)", "lblvorhReserveProzent"},
                                      {"Label1(9)", "lblzulReserveEW"},
                                      {"Label1(12)", "lblAusbaugrößeGebührenfähig"},
                                      {"Label1(11)", "lblKostenanteilBBNKDM"}};
    for (const auto& r : reading) recordRow(r[0], r[1]);
    recordCell("Label1(11)", "Label2(0)", "lblBei1");
    recordRow("Label1(13)", "lblKostenanteilgebührenfähig");
    recordCell("Label1(13)", "Label2(1)", "lblBei2");
    recordRow("Label5(0)", "lblnichtGebührenfähigDM");
    recordRow("Label5(0)", "lblNichtGebührenfähigProzent");
}

}  // namespace morvane
