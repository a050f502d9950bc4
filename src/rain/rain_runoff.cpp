#include "rain/rain_runoff.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(RainRunoffForm);

namespace {
constexpr std::uint32_t LightGreen = 0x00C0FFC0;
constexpr std::uint32_t DarkPurple = 0x00400040;
constexpr int Small = 11010;
constexpr int Large = 12885;

struct Preset {
    const char* option;
    const char* caption;
    double value;
};
// Runoff coefficients: the mean of each captioned range.
const Preset Runoff[] = {
    {"Option1", "Metall- und Schieferdächer  (0,95)", 0.95},
    {"Option2", "Dachziegel und Dachpappe (0,9)", 0.9},
    {"Option3", "Holzelement-, Preßkies- und Flachdächer (0,5.....0,7)", 0.6},
    {"Option4", "Asphalt und dichte Fußwegdecken (0,85....0,9)", 0.875},
    {"Option5", "Fugendichtes Holz- oder Steinpflaster ( 0,75....0,85)", 0.8},
    {"Option6", "Reihenpflaster ohne Fugenverguss (0,5....0,7)", 0.6},
    {"Option7", "Schotterstraßen und Kleinsteinpflaster (0,25...0,6)", 0.425},
    {"Option8", "Kieswege mit Kanalanschluß (0,1....0,2)", 0.15},
    {"Option9", "unbef. Flächen mit Kanalanschluss (0,1...0,2)", 0.15},
    {"Option10", "Park- und Gartenflächen (0,1)", 0.1},
};
// Rain frequencies per year.
const Preset Frequency[] = {
    {"Option11", "Allgemeine Baugebiete: n = 0,5....1,0", 0.5},
    {"Option12", "Straßen außerhalb bebauter Gebiete: n = 1,0", 1},
    {"Option13", "Stadtzentren: n  = 0,2...1,0 ", 0.2},
    {"Option14", " wichtige Gewerbe- und Industriegebiete: n = 0,2...1,0 ", 0.2},
    {"Option15", "Straßenunterführungen: n = 0,05...0,02", 0.02},
    {"Option16", "U-Bahnanlagen, usw. :  n = 0,05 ... 0,2", 0.02},
    {"Option17", "Vorflutanlagen für U-Bahn: n = 0,05 ... 0,2", 0.02},
    {"Option18", "Grundstücksentwässerung nach DIN 1986: n = 0,1...1,0", 0.1},
};
}  // namespace

RainRunoffForm::RainRunoffForm(Application& app) : FormModel(app, Name) {
    on(On::Click, "Command1", [this] {
        guarded({.text = "Tippfehler - Wert wird auf 0,1 gesetzt",
                 .title = "Einga-befehler",
                 .messageFirst = true,
                 .resetAction =
                     [this] {
                         psi = 0.1;
                         setCaption("lblPsi", psi.text());
                     }},
                [this] {
                    Fläche();
                    Jährlichkeit();
                    Zeitbeiwert();
                    Regenrtn();
                    Regenfall();
                    Niederschlagsintensität();
                    Gesamtregenmenge();
                    Gesamtabflussmenge();
                });
    });
    for (int k = 0; k < 10; ++k) {
        const Preset p = Runoff[k];
        const bool reformat = k == 0 || k == 1 || k == 9;
        on(On::Click, p.option, [this, p, reformat] {
            setNumber("TxtPsi", p.value);
            psi = text("TxtPsi");
            if (reformat)
                setCaption("lblPsi", NumberText::formatText(text("lblPsi"), Pattern::Dec2Blank));
        });
    }
    on(On::Click, "Command2", [this] {
        for (const Preset& p : Runoff) setSelected(p.option, false);
        setEnabled("TxtPsi", true);
        psi = text("TxtPsi");
        setCaption("lblPsi", NumberText::formatText(psi.text(), Pattern::Dec3Blank));
        setText("TxtPsi", "");
    });
    on(On::Change, "TxtPsi", [this] {
        psi = text("TxtPsi");
        setCaption("lblPsi", text("TxtPsi"));
    });
    for (const Preset& p : Frequency) {
        on(On::Click, p.option, [this, p] {
            setNumber("txtn", p.value);
            setText("txtn", NumberText::formatText(text("txtn"), Pattern::Dec2Blank));
            Jährlichkeit();
            T = text("txtT");
            Zeitbeiwert();
            Regenrtn();
        });
    }
    on(On::Change, "txtT", [this] { T = text("txtT"); });
    // While the area is being typed it may pass through texts that are no number; the area
    // in hectares then keeps its last value until the text is a number again.
    on(On::Change, "txtm2", [this] {
        try {
            Fläche();
        } catch (const Failure&) {
        }
    });
    on(On::MouseMove, "Command3", [this] { setOuterHeight(Large); });
    on(On::MouseMove, "", [this] { setOuterHeight(Small); });
}

void RainRunoffForm::Fläche() {
    fläche = num("txtm2");
    hektar = fläche / 10000;
    show("lblAha", hektar, Pattern::Dec2Blank);
}

void RainRunoffForm::Jährlichkeit() {
    n = text("txtn");
    z = 1 / n.number();
    show("lblz", z, Pattern::Dec1Blank);
}

void RainRunoffForm::Zeitbeiwert() {
    T = text("txtT");
    phi = 38 / (T.number() + 9) * (pow(z, 0.25) - 0.369);
    show("lblphi", phi, Pattern::Dec3Blank);
}

void RainRunoffForm::Regenrtn() {
    basisregen = text("txtR151");
    rTn = phi * basisregen.number();
    show("lblrTn", rTn, Pattern::Dec1Blank);
    setCaption("Label31", T.text());
    std::string frequency = n.text();
    frequency.insert(frequency.begin(), '(');
    frequency.push_back(')');
    setCaption("Label33", frequency);
}

void RainRunoffForm::Regenfall() {
    N = T.number() * rTn / 166.7;
    show("lblNiederschlag", N, Pattern::Dec1Blank);
}

void RainRunoffForm::Niederschlagsintensität() {
    i = N / T.number();
    show("lblRegensintensität", i, Pattern::Dec1Blank);
}

void RainRunoffForm::Gesamtregenmenge() {
    const Num t = T.number();
    regenmenge = t * rTn * 60 * hektar / 1000;
    show("lblVR", regenmenge, Pattern::Dec2Blank);
    show("lblNls", regenmenge * 1000 / (60 * t), Pattern::Dec2Blank);
    show("Label46", 60 * t, Pattern::IntBlank);
    show("lblNm3h", 3.6 * num("lblNls"), Pattern::Dec2Blank);
}

void RainRunoffForm::Gesamtabflussmenge() {
    psi = text("TxtPsi");
    abflussmenge = psi.number() * regenmenge;
    show("lblVA", abflussmenge, Pattern::Dec2Blank);
    show("lblQls", abflussmenge * 1000 / (60 * T.number()), Pattern::Dec2Blank);
    show("lblQm3h", 3.6 * num("lblQls"), Pattern::Dec2Blank);
}

void RainRunoffForm::design() {
    win() = {.title = "Regenspende - Zeitbeiwert",
             .clientWidth = 12435,
             .clientHeight = 10545,
             .height = Small,
             .focus = "txtR151",
             .fontSize = 9.75};

    Layout lay(*this, {.input = piece(Kind::TextBox).at(4080, -30, 1335, 345).right(),
                       .output = piece(Kind::Label)
                                     .at(0, 0, 1335, 285)
                                     .right()
                                     .framed()
                                     .colors(Color::WindowText, Color::WindowBackground),
                       .label = piece(Kind::Label).at(0, 0, 0, 285)});
    Layout headings(
        *this, {.label = piece(Kind::Label).font("MS Sans Serif", 12, true).fore(Color::DarkBlue),
                .captionArray = "Label42"});

    // Left column.
    headings.label(0, "Regenereignis - Bemessungsregen", 240, 120, 5400, 285);
    lay.label("Label23", -1, "Bemessungsregen", 240, 600, 2400);
    lay.label("Label13", -1, "r15(1)", 3240, 600, 780);
    lay.input("txtR151", 600).caption("150").tab(0);
    lay.label("Label1", -1, "l/(s ha)", 5520, 600, 1020);

    add(Kind::Shape, "Shape1").at(120, 960, 6240, 4200);
    lay.label("Label30", -1, "andere Regenspende rT(n)", 240, 1080, 5400)
        .font("MS Sans Serif", 12, true)
        .fore(Color::DarkBlue);
    lay.label("Label20", -1, "Regenhäufigkeit", 240, 1560, 2400);
    lay.label("Label15", -1, "n", 3240, 1560, 780);
    lay.input("txtn", 1560).caption("1").tab(1);
    lay.label("Label16", -1, "Regendauer", 240, 1980, 2400);
    lay.label("Label14", -1, "T", 3240, 1980, 780);
    lay.input("txtT", 1980).caption("15").tab(2);
    lay.label("Label2", -1, "min", 5520, 1980, 1020);
    lay.label("Label44", -1, "Regenspende", 240, 2400, 2400);
    lay.label("Label24", -1, "r", 3240, 2400, 150);
    lay.label("Label31", -1, "T", 3390, 2520, 300).font("MS Sans Serif", 7);
    lay.label("Label33", -1, "(n)", 3600, 2400, 480);
    lay.output("lblrTn", 4080, 2400).colors(DarkPurple, LightGreen);
    lay.label("Label6", -1, "l/(s ha)", 5520, 2400, 1020);
    add(Kind::Shape, "Shape2").at(180, 2760, 6120, 900);
    lay.label("Label36", -1, "Jährlichkeit", 240, 2880, 2400);
    lay.label("Label37", -1, "z", 3240, 2880, 780);
    lay.output("lblz", 4080, 2880).center();
    lay.label("Label4", -1, "Jahre erreicht oder überschritten. ", 5460, 2820, 1080)
        .font("MS Sans Serif", 8.25)
        .wrap()
        .height = 820;
    lay.label("Label26", -1, "Regenspende wird aller ", 240, 3240, 2400);
    lay.label("Label38", -1, "Niederschlag", 240, 3840, 2400);
    lay.label("Label40", -1, "N", 3240, 3840, 780);
    lay.output("lblNiederschlag", 4080, 3840);
    lay.label("Label35", -1, "mm = l/m²", 5520, 3840, 1020);
    lay.label("Label39", -1, "Regenintensität", 240, 4260, 2400);
    lay.label("Label41", -1, "i", 3240, 4260, 780);
    lay.output("lblRegensintensität", 4080, 4260);
    lay.label("Label25", -1, "mm/min", 5520, 4260, 1020);
    lay.label("Label27", -1, "Zeitbeiwert", 240, 4680, 2400);
    lay.label("Label17", -1, "Phi", 3240, 4680, 780);
    lay.output("lblphi", 4080, 4680);

    add(Kind::Shape, "Shape3").at(120, 5280, 6240, 3840);
    headings.label(1, "Regenmenge auf die Fläche \"A\"", 240, 5400, 5400, 285);
    lay.label("Label43", -1, "Fläche", 240, 5880, 2400);
    lay.label("Label19", -1, "A", 3240, 5880, 780);
    lay.input("txtm2", 5880).caption("10000").tab(3);
    lay.label("Label8", -1, "m²", 5520, 5880, 1020);
    lay.label("Label9", -1, "A", 3240, 6300, 780);
    lay.output("lblAha", 4080, 6300);
    lay.label("Label7", -1, "ha", 5520, 6300, 1020);
    lay.label("Label3", -1, "Niederschlagsmenge während einer Regendauer von ", 240, 6720, 5400);
    lay.output("Label46", 4080, 7080).back(LightGreen);
    lay.label("Label48", -1, "Sekunden", 5520, 7080, 1020);
    lay.label("Label22", -1, "Niederschlagsmenge", 240, 7560, 2400);
    lay.output("lblVR", 4080, 7560);
    lay.label("Label34", 0, "m³", 5520, 7560, 1020);
    lay.output("lblNm3h", 4080, 8040);
    lay.label("Label11", 0, "m³/h", 5520, 8040, 1020);
    lay.output("lblNls", 4080, 8400);
    lay.label("Label10", 0, "l/s", 5520, 8400, 1020);
    add(Kind::Command, "Command3").caption("Programmierung").at(240, 9360, 2400, 375).tab(5);

    // Right column: runoff coefficients.
    add(Kind::Frame, "Frame1")
        .caption("Wahl des Abflussbeiwertes")
        .at(6600, 120, 5640, 4560)
        .font("MS Sans Serif", 12, true)
        .fore(Color::DarkBlue);
    add(Kind::TextBox, "TxtPsi")
        .in("Frame1")
        .caption("0,95")
        .at(240, 420, 900, 345)
        .right()
        .disabled()
        .tab(6);
    add(Kind::Command, "Command2")
        .in("Frame1")
        .caption("andere Psi")
        .at(1320, 405, 1575, 375)
        .tab(7);
    int top = 870;
    int tab = 8;
    for (const Preset& p : Runoff) {
        option(p.option, "Frame1", p.caption, 240, top, 5280, 300).tab(tab++);
        top += 330;
    }
    mut("Option1").selected = true;
    add(Kind::Label, "Label32")
        .in("Frame1")
        .caption("gerechnet wird mit Mittelwerten!")
        .at(240, 4170, 5160, 285)
        .framed()
        .center();

    // Rain frequencies.
    add(Kind::Frame, "Frame2")
        .caption("Wahl der Regenhäufigkeit")
        .at(6600, 4800, 5640, 3060)
        .font("MS Sans Serif", 9.75, true)
        .fore(Color::DarkBlue);
    top = 360;
    for (const Preset& p : Frequency) {
        option(p.option, "Frame2", p.caption, 240, top, 5280, 285).tab(tab++);
        top += 300;
    }
    add(Kind::Label, "Label18")
        .in("Frame2")
        .caption("Ausgewählt werden in diesem Rahmen die Maximalregen!")
        .at(240, 2730, 5160, 285)
        .framed()
        .center();

    // Runoff.
    headings.label(2, "Abflußmenge von der Fläche \"A\"", 6600, 7980, 5640, 285);
    lay.label("Label28", -1, "Abflussbeiwert", 6600, 8400, 2160);
    lay.label("Label21", -1, "Psi", 8880, 8400, 480);
    lay.output("lblPsi", 9480, 8400).caption("0,95").back(LightGreen);
    lay.label("Label29", -1, "Gesamtabflussmenge", 6600, 8820, 2760);
    lay.output("lblVA", 9480, 8820);
    lay.label("Label12", -1, "m³", 10920, 8820, 600);
    lay.label("Label5", -1, "Ohne Berücksichtigung der Abflußverzögerung!", 6600, 9240, 2760)
        .framed()
        .center()
        .wrap()
        .height = 600;
    lay.output("lblQm3h", 9480, 9240);
    lay.label("Label11", 1, "m³/h", 10920, 9240, 600);
    lay.output("lblQls", 9480, 9600);
    lay.label("Label10", 1, "l/s", 10920, 9600, 600);
    add(Kind::Command, "Command1")
        .caption("Berechnung und Neuberechnung")
        .at(6600, 10020, 5640, 420)
        .font("MS Sans Serif", 12)
        .tab(4);

    // Shown only while the window is enlarged.
    add(Kind::TextBox, "Text2")
        .caption("Programmierung:\r\nMorvane-Entwicklungsteam\r\nKleine Programme\r\n2008")
        .at(240, 10680, 6120, 1500)
        .multi(false)
        .readonly()
        .colors(Color::Blue, Color::ButtonFace)
        .font("MS Sans Serif", 13.5)
        .noTab();
    add(Kind::Picture, "Picture1").at(6600, 10680, 1500, 1500).pic("morvane_mark.svg");

    const char* const rows[][3] = {{"Label23", "txtR151", "Label1"},
                                   {"Label20", "txtn", ""},
                                   {"Label16", "txtT", "Label2"},
                                   {"Label44", "lblrTn", "Label6"},
                                   {"Label36", "lblz", "Label4"},
                                   {"Label38", "lblNiederschlag", "Label35"},
                                   {"Label39", "lblRegensintensität", "Label25"},
                                   {"Label27", "lblphi", ""},
                                   {"Label43", "txtm2", "Label8"},
                                   {"Label43", "lblAha", "Label7"},
                                   {"Label3", "Label46", "Label48"},
                                   {"Label22", "lblVR", "Label34(0)"},
                                   {"Label22", "lblNm3h", "Label11(0)"},
                                   {"Label22", "lblNls", "Label10(0)"},
                                   {"Frame1", "TxtPsi", ""},
                                   {"Frame1", Runoff[0].option, ""},
                                   {"Frame2", Frequency[0].option, ""},
                                   {"Label28", "lblPsi", ""},
                                   {"Label29", "lblVA", "Label12"},
                                   {"Label29", "lblQm3h", "Label11(1)"},
                                   {"Label29", "lblQls", "Label10(1)"}};
    for (const auto& r : rows) recordRow(r[0], r[1], r[2]);
}

}  // namespace morvane
