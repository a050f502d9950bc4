#include "costs/price_index.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(PriceIndexForm);

namespace {
constexpr double DmPerEuro = 1.95583;
constexpr int FirstYear = 1980;
// Factors to 2003 for the tender years 1980 to 2002; treatment plants from 1991 on.
constexpr double Sewer[] = {1.268, 1.248, 1.261, 1.261, 1.25,  1.248, 1.231, 1.219,
                            1.208, 1.186, 1.134, 1.073, 1.016, 0.98,  0.969, 0.96,
                            0.976, 0.994, 1.004, 1.008, 1.007, 1.011, 1.01};
constexpr double Plant[] = {0,    0,     0,     0,     0,     0,     0,     0,
                            0,    0,     0,     1.16,  1.108, 1.067, 1.049, 1.03,
                            1.03, 1.037, 1.037, 1.037, 1.03,  1.023, 1.015};

std::optional<double> lookup(const double (&column)[23], double year) {
    for (int i = 0; i < 23; ++i)
        if (year == FirstYear + i && column[i] != 0) return column[i];
    return std::nullopt;
}

void rangeMessage(FormModel& f, const char* text) { f.message(std::string("\r\n") + text); }
}  // namespace

std::optional<double> PriceIndexForm::sewerFactor(double year) { return lookup(Sewer, year); }
std::optional<double> PriceIndexForm::plantFactor(double year) { return lookup(Plant, year); }

PriceIndexForm::PriceIndexForm(Application& app) : FormModel(app, Name) {
    on(On::Click, "OptKA", [this] {
        sichtindizes();
        setCaption("Label10", "Berechnung der Kläranlagenpreise für 2003");
    });
    on(On::Click, "OptKanal", [this] {
        sichtindizes();
        setCaption("Label10", "Berechnung der Ortskanalpreise für 2003");
    });
    on(On::Click, "OptDM", [this] {
        setCaption("Label11", "DM");
        setVisible("lblIKAusschreibung", true);
        setVisible("Label13", true);
    });
    on(On::Click, "OptEuro", [this] {
        setCaption("Label11", "€");
        setVisible("lblIKAusschreibung", false);
        setVisible("Label13", false);
    });
    on(On::KeyUp, "txtIkAusschreibung", [this] {
        guarded({.text = "Vergleichsanlage größer als geplante Anlage - Werte werden auf 0 gesetzt",
                 .messageFirst = true,
                 .resetAction = [this] { neu(); }},
                [this] {
                    if (!empty("txtAusschreibungsjahr")) berechnungIK();
                    setVisible("Frame1", false);
                    setVisible("Frame2", false);
                    setVisible("Text2", true);
                    setVisible("Label10", true);
                });
    });
    on(On::Click, "cmdIK", [this] { neu(); });
    on(On::Click, "Command1", [this] { this->app().open("frmIndexInfo"); });
}

void PriceIndexForm::sichtindizes() {
    for (const char* key :
         {"txtAusschreibungsjahr", "txtIkAusschreibung", "Label1", "Label2", "Label9", "Label7(0)",
          "Label11", "Label13", "lblIKAusschreibung", "lblFaktor2003", "lblIK2003", "cmdIK"})
        setVisible(key, true);
    setOuterHeight(5880);
}

void PriceIndexForm::berechnungIK() {
    setEnabled("txtAusschreibungsjahr", false);
    ikEuro.reset();
    wertebereich();
    Algo();
    if (!empty("txtAusschreibungsjahr")) Kosten2003();
}

void PriceIndexForm::wertebereich() {
    const bool plant = c("OptKA").selected;
    const bool sewer = c("OptKanal").selected;
    auto check = [this](bool refused, const char* text) {
        if (!refused) return;
        rangeMessage(*this, text);
        neu();
    };
    check(plant && Jahr() < 1991, "Kläranlagenindizes gibt es erst seit 1991");
    check(plant && Jahr() > 2002, "Kläranlagenindizes nur bis 2002 in der Datenbank");
    check(sewer && Jahr() > 2002, "Indizes nur bis 2002 in der Datenbank");
    check(sewer && Jahr() < 1980, "Indizes nur ab 1980 in der Datenbank");
}

void PriceIndexForm::Algo() {
    if (c("OptKA").selected)
        BerechnungKA();
    else
        BerechnungKanal();
    if (c("OptKanal").selected)
        BerechnungKanal();
    else
        BerechnungKA();
}

void PriceIndexForm::BerechnungKanal() {
    if (const auto f = sewerFactor(Jahr())) setNumber("lblFaktor2003", *f);
}

void PriceIndexForm::BerechnungKA() {
    if (const auto f = plantFactor(Jahr())) setNumber("lblFaktor2003", *f);
}

void PriceIndexForm::Kosten2003() {
    if (c("OptDM").selected) {
        ikEuro = IK() / DmPerEuro;
        setNumber("lblIKAusschreibung", *ikEuro);
    }
    setText("lblIKAusschreibung",
            NumberText::formatText(text("lblIKAusschreibung"), Pattern::Dec2Blank));
    if (!empty("lblFaktor2003")) setNumber("lblIK2003", IK() * num("lblFaktor2003"));
    setText("lblFaktor2003", NumberText::formatText(text("lblFaktor2003"), Pattern::Dec3Blank));
    setText("lblIK2003", NumberText::formatText(text("lblIK2003"), Pattern::Dec2Blank));
}

void PriceIndexForm::neu() {
    setText("txtAusschreibungsjahr", "0");
    setText("txtIkAusschreibung", "0");
    for (const char* key : {"lblFaktor2003", "lblIK2003", "lblIKAusschreibung"}) setText(key, "0");
    setEnabled("txtAusschreibungsjahr", true);
    setVisible("Frame1", true);
    setVisible("Frame2", true);
    setVisible("Label10", false);
    setVisible("Text2", false);
}

void PriceIndexForm::design() {
    win() = {
        .title = "Preisbasis 2003", .clientWidth = 6585, .clientHeight = 975, .focus = "Text1"};

    add(Kind::Frame, "Frame1").caption("Bauwerk").at(240, 0, 2655, 735);
    option("OptKA", "Frame1", "Kläranlagen", 120, 240, 1335, 375).tab(2);
    option("OptKanal", "Frame1", "Ortskanal", 1320, 240, 1095, 375).tab(3);
    add(Kind::Frame, "Frame2").caption("Investkosteneingabe  in").at(3120, 0, 2055, 735);
    option("OptDM", "Frame2", "DM", 120, 240, 615, 375).sel().tab(6);
    option("OptEuro", "Frame2", "€", 1200, 240, 615, 375).tab(7);
    add(Kind::Command, "Command1").caption("Info").at(5520, 120, 855, 615).tab(9);
    add(Kind::Label, "Label10")
        .caption("Berechnung der Kläranlagenpreise für 2003")
        .at(240, 240, 4935, 255)
        .bold_()
        .fore(Color::Blue)
        .hidden();
    add(Kind::TextBox, "Text2").caption("Titel:").at(240, 600, 4875, 285).hidden().tab(8);

    Layout lay(*this, {.output = piece(Kind::Label).at(240, 0, 1335, 255).output().hidden()});
    add(Kind::TextBox, "txtAusschreibungsjahr")
        .at(240, 1320, 1335, 285)
        .bold_()
        .right()
        .fore(Color::Black)
        .hidden()
        .tab(1);
    add(Kind::Label, "Label1")
        .caption("Ausschreibungsjahr / Referenzjahr")
        .at(1800, 1320, 3135, 225)
        .hidden();
    add(Kind::TextBox, "txtIkAusschreibung").at(240, 1680, 1335, 285).right().hidden().tab(4);
    add(Kind::Label, "Label11").caption("DM").at(1800, 1680, 375, 255).hidden();
    add(Kind::Label, "Label2")
        .caption("Investkosten im Ausschreibungsjahr")
        .at(2160, 1680, 2655, 255)
        .hidden();
    lay.output("lblIKAusschreibung", 2040);
    add(Kind::Label, "Label13")
        .caption("€ Investkosten im Ausschreibungsjahr")
        .at(1800, 2040, 2775, 255)
        .hidden();
    lay.output("lblFaktor2003", 2400);
    add(Kind::Label, "Label7", 0)
        .caption("Hochrechnungsfaktor zu 2003")
        .at(1800, 2400, 2655, 255)
        .hidden();
    lay.output("lblIK2003", 2760);
    add(Kind::Label, "Label9").caption("€ Investkosten 2003").at(1800, 2760, 1935, 255).hidden();
    add(Kind::Command, "cmdIK")
        .caption("Neues Ausschreibungsjahr")
        .at(1680, 3120, 2415, 255)
        .hidden()
        .tab(5);
    add(Kind::TextBox, "Text1").caption("Notitzen:").at(240, 3480, 4875, 1725).multi().tab(0);

    recordRow("Frame1", "OptKA");
    recordRow("Frame2", "OptDM");
    recordRow("", "Text2");
    recordRow("Label1", "txtAusschreibungsjahr");
    recordRow("Label2", "txtIkAusschreibung", "Label11");
    recordRow("Label13", "lblIKAusschreibung");
    recordRow("Label7(0)", "lblFaktor2003");
    recordRow("Label9", "lblIK2003");
    recordRow("", "Text1");
}

}  // namespace morvane
