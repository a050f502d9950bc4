#include "rain/bod_decay.h"

#include <cmath>
#include <string>

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(BodDecayForm);

namespace {
constexpr int Days = 40;
constexpr std::uint32_t Grey = 0x00C0C0C0;

Num log10checked(Num v) { return log(v) / std::log(10.0); }

struct Preset {
    const char* option;
    const char* caption;
    double value;
};
const Preset Relative[] = {{"Option1", "0,07", 0.07},
                           {"Option2", "0,10", 0.1},
                           {"Option3", "0,17", 0.17},
                           {"Option4", "0,30", 0.3}};
const Preset Absolute[] = {{"Option8", "0,07", 0.07},
                           {"Option7", "0,10", 0.1},
                           {"Option6", "0,17", 0.17},
                           {"Option5", "0,30", 0.3}};
}  // namespace

BodDecayForm::BodDecayForm(Application& app) : FormModel(app, Name) {
    onLoad([this] {
        relativeTable();
        absoluteTable();
    });
    on(On::KeyUp, "txtBSB5", [this] {
        guarded({.text = "Falsche Eingabe - Wert wird auf 25 gesetzt",
                 .reset = {{"txtBSB5", "25"}},
                 .resetAction = [this] { setCell("OLE1", "j40", "25"); }},
                [this] {
                    setCell("OLE1", "j40", text("txtBSB5"));
                    Abbau();
                });
    });
    on(On::KeyUp, "txtK1", [this] {
        guarded({.text = "Falsche Eingabe - Wert wird auf 0,1 gesetzt",
                 .reset = {{"txtK1", NumberText::plain(0.1)}},
                 .resetAction = [this] { Abbau(); }},
                [this] {
                    if (num("txtK1") == 0) FehlerNull();
                    setCell("OLE1", "m36", text("txtK1"));
                    Abbau();
                });
    });
    on(On::KeyUp, "txtK1_relativ", [this] {
        setCell("OLE2", "E36", text("txtK1_relativ"));
        relativeTable();
    });
    for (const Preset& p : Relative) {
        on(On::Click, p.option, [this, p] {
            setCell("OLE2", "E36", NumberText::plain(p.value));
            setNumber("txtK1_relativ", p.value);
            relativeTable();
        });
    }
    for (const Preset& p : Absolute) {
        on(On::Click, p.option, [this, p] {
            setCell("OLE1", std::string(p.option) == "Option8" ? "M36" : "m36",
                    NumberText::plain(p.value));
            setNumber("txtK1", p.value);
            Abbau();
        });
    }
    on(On::Scroll, "HScroll1", [this](Event& e) {
        temperatur = static_cast<double>(e.value);
        setCaption("lblTemp", temperatur.text());
        Abbau();
    });
    on(On::Click, "Command1", [this] { Abbau(); });
    // Showing a page of the tab control draws the absolute table afresh from the inputs.
    on(On::TabShown, "SSTab1", [this] { absoluteTable(); });
}

void BodDecayForm::FehlerNull() {
    setNumber("txtK1", 0.1);
    Abbau();
    message(
        "\r\nDie Eingabe der Zahl Null führt zum Fehler wegen Division durch Null - Wert wird "
        "auf 0,1 gesetzt",
        "Einga-befehler");
}

void BodDecayForm::Abbau() {
    BSB5 = text("txtBSB5");
    k1 = text("txtK1");
    temperatur = text("lblTemp");
    k1T = k1.number() * pow(1.047, temperatur.number() - 20);
    show("lblK1Temp", k1T, Pattern::Dec3Blank);
    y5 = 1 - pow(10, -5 * k1T);
    show("lblY", y5, Pattern::Dec3Blank);
    relativ = 1 / y5;
    show("lblLgesRelativ", relativ, Pattern::Dec3Blank);
    L = BSB5.number() / y5;
    show("lblBSBAbbaugrenze", L, Pattern::Dec1Blank);
    BSB25 = L * (1 - pow(10, -25 * k1T));
    show("lblBSB25", BSB25, Pattern::Dec1);
    auto decayTime = [this](double share) {
        const Num f = share * y5 / y5;
        return -log10checked(1 - f) / k1T;
    };
    t99 = decayTime(0.99);
    show("lblAbbauzeit", t99, Pattern::Dec1Blank);
    t9999 = decayTime(0.9999);
    show("lblAbbauzeit9999", t9999, Pattern::Dec1Blank);
    schwer = L - BSB5.number();
    show("lblBSB5minusBSB", schwer, Pattern::Dec1Blank);
    schwerZeit = t99 - 5;
    show("lblZeitschwerabbaubarerBSB", schwerZeit, Pattern::Dec1Blank);
    schwerTag = schwer / schwerZeit;
    show("lblSchwerabbaubarTag", schwerTag, Pattern::Dec1Blank);
    CSB = text("txtCSB");
    nichtAbbaubar = CSB.number() - L;
    show("lblNichtAbbaubar", nichtAbbaubar, Pattern::Dec1Blank);
    nichtProzent = 100 * nichtAbbaubar / CSB.number();
    show("lblNichtAbbaubarProzent", nichtProzent, Pattern::Dec1Blank);
    show("lblBSB5", BSB5.number(), Pattern::Dec1Blank);
    absoluteTable();
}

void BodDecayForm::fillTable(const char* sheet, const char* heading, double ultimate, double k) {
    setCell(sheet, "A1", "Tage");
    setCell(sheet, "B1", heading);
    bool marked = false;
    for (int day = 0; day <= Days; ++day) {
        const std::string row = std::to_string(day + 2);
        const double share = 1 - std::pow(10.0, -k * day);
        const double value = ultimate * share;
        setCell(sheet, "A" + row, std::to_string(day));
        setCell(sheet, "B" + row,
                std::isfinite(value) ? NumberText::format(value, Pattern::Dec3) : std::string());
        const bool mark = !marked && k > 0 && share >= 0.99;
        setCell(sheet, "C" + row, mark ? "Markierung" : "");
        marked = marked || mark;
    }
}

void BodDecayForm::relativeTable() {
    double k = 0;
    if (!NumberText::tryRead(text("txtK1_relativ"), k)) return;
    fillTable("OLE2", "BSB relativ (1 = L)", 1, k);
}

void BodDecayForm::absoluteTable() {
    double bod5 = 0, k = 0, t = 0;
    if (!NumberText::tryRead(text("txtBSB5"), bod5) || !NumberText::tryRead(text("txtK1"), k) ||
        !NumberText::tryRead(text("lblTemp"), t))
        return;
    const double kT = k * std::pow(1.047, t - 20);
    const double y = 1 - std::pow(10.0, -5 * kT);
    if (!(y != 0) || !std::isfinite(bod5 / y)) return;
    fillTable("OLE1", "BSB in mg/l", bod5 / y, kT);
}

// The legend of a table's marking.
void BodDecayForm::legend(int index, int page, int left, int top) {
    add(Kind::Label, "Label5", index)
        .in("SSTab1", page)
        .caption("Markierung")
        .at(left, top, 1335, 285)
        .framed()
        .center()
        .colors(Color::Black, Grey);
    add(Kind::Label, "Label6", index)
        .in("SSTab1", page)
        .caption("= 99 % Kohlenstoffabbau")
        .at(left + 1440, top, 2400, 285);
}

void BodDecayForm::design() {
    win() = {.title = "Funktion des biologisch abbaubaren Kohlenstoffes",
             .clientWidth = 17175,
             .clientHeight = 12690,
             .focus = "txtK1_relativ"};

    add(Kind::Tab, "SSTab1").at(360, 360, 13455, 11295).tabs = {"&relativer BSB-Abbau",
                                                                "&absoluter BSB-Abbau"};
    note("Label32",
         "Die Schwere einer biologische Abbaubarkeit ist kein Beweis für eine "
         "Schadstoffwirkung. Z.B. sind Huminstoffe sehr schwer abbaubar und trozdem "
         "unbedenklich für die Umwelt.",
         360, 11820, 13455, 495);

    // Page 1: relative decay.
    add(Kind::Sheet, "OLE2").in("SSTab1", 0).at(240, 600, 5865, 9375);
    add(Kind::Frame, "Frame1")
        .in("SSTab1", 0)
        .caption("Abbaukonstante k1")
        .at(6480, 600, 5040, 1335);
    int left = 240;
    int tab = 0;
    for (const Preset& p : Relative) {
        option(p.option, "Frame1", p.caption, left, 300, 900, 315).tab(tab++);
        left += 1080;
    }
    mut("Option3").selected = true;
    add(Kind::TextBox, "txtK1_relativ")
        .in("Frame1")
        .caption("0,17")
        .at(240, 780, 1095, 315)
        .right()
        .tab(tab++);
    add(Kind::Label, "Label31").in("Frame1").caption("beliebig").at(1440, 810, 1200, 255);
    // Only the fields of the page shown come into the record.
    recordRow("Frame1", Relative[0].option);
    recordRow("Frame1", "txtK1_relativ");
    add(Kind::Label, "Label38")
        .in("SSTab1", 0)
        .caption("Eine ausführliche Programmbeschreibung ist im Internet zu finden.")
        .at(6480, 2160, 6600, 615)
        .font("Arial Unicode MS", 12, true)
        .wrap();
    add(Kind::Command, "Command1")
        .in("SSTab1", 0)
        .caption("Internetverbindung zur Datei bsb.pdf auf unserer Homepage")
        .at(6480, 2880, 6600, 495)
        .tab(tab++);
    add(Kind::Label, "Label41")
        .in("SSTab1", 0)
        .caption(
            "Bedingt durch die logarithmische Eigenschaft der Funktion gibt es keinen 100 "
            "%-igen Abbau in einer berechenbaren Zeit. Wenn hier dennoch 100 % ausgewiesen "
            "wurden, dann nur durch Rundungen im Programm und die Annahme dass ein 99 %-iger "
            "Abbau 100 % entspricht.")
        .at(6480, 3600, 6600, 1215)
        .wrap();
    legend(1, 0, 6480, 5040);
    add(Kind::Label, "Label39")
        .in("SSTab1", 0)
        .caption("Programmierung: Morvane-Entwicklungsteam")
        .at(6480, 9360, 6600, 255);
    add(Kind::Label, "Label8", 0).in("SSTab1", 0).caption("2008").at(6480, 9660, 6600, 255);

    // Page 2: absolute decay.
    add(Kind::Sheet, "OLE1").in("SSTab1", 1).at(240, 600, 5295, 9375);
    Layout lay(*this,
               {.caption = piece(Kind::Label).in("SSTab1", 1).at(5760, 0, 3960, 420).wrap(),
                .input = piece(Kind::TextBox).in("SSTab1", 1).at(9720, -30, 1335, 315).right(),
                .output = piece(Kind::Label).in("SSTab1", 1).at(9720, 0, 1335, 285).output(),
                .unit = piece(Kind::Label).in("SSTab1", 1).at(11160, 0, 1560, 255)});
    lay.row({.caption = "BSB5, gemessen = leicht abbaubar",
             .field = "txtBSB5",
             .unit = "mg BSB5/l",
             .top = 600,
             .tab = tab++,
             .text = "25",
             .captionName = "Label7",
             .unitName = "Label9"});
    // The temperature: a slider and the label that shows its value.
    add(Kind::Label, "Label2")
        .in("SSTab1", 1)
        .caption("durchschnittliche Wassertemperatur")
        .at(5760, 1080, 2400, 420)
        .wrap();
    add(Kind::HScroll, "HScroll1")
        .in("SSTab1", 1)
        .at(8160, 1080, 1440, 255)
        .range(5, 30, 1, 1)
        .val(20)
        .tab(tab++);
    add(Kind::Label, "lblTemp")
        .in("SSTab1", 1)
        .caption("20")
        .at(9720, 1080, 1335, 285)
        .right()
        .bold_()
        .fore(Color::Red);
    add(Kind::Label, "Label14").in("SSTab1", 1).caption("°C").at(11160, 1080, 1560, 255);
    recordRow("Label2", "HScroll1", "Label14");
    recordRow("Label2", "lblTemp", "Label14");
    add(Kind::Frame, "Frame2")
        .in("SSTab1", 1)
        .caption("   Abbaukonstante k1")
        .at(5760, 1500, 6960, 1215);
    left = 240;
    for (const Preset& p : Absolute) {
        option(p.option, "Frame2", p.caption, left, 300, 900, 315).tab(tab++);
        left += 1080;
    }
    mut("Option7").selected = true;
    add(Kind::TextBox, "txtK1")
        .in("Frame2")
        .caption("0,1")
        .at(240, 720, 1095, 315)
        .right()
        .tab(tab++);
    add(Kind::Label, "Label1").in("Frame2").caption("beliebig").at(1440, 750, 1200, 255);
    recordRow("Frame2", Absolute[0].option);
    recordRow("Frame2", "txtK1");
    lay.rows({
        {.caption = "Abbaukonstante k1, temperaturkorregiert",
         .field = "lblK1Temp",
         .unit = "-",
         .top = 2880,
         .as = Field::Output,
         .captionName = "Label28",
         .unitName = "Label29"},
        {.caption = "Y(5d-relativ), 1 = 100 % Kohlenstoffabbau",
         .field = "lblY",
         .unit = "-",
         .top = 3360,
         .as = Field::Output,
         .captionName = "Label11",
         .unitName = "Label15"},
        {.caption = "Gesamter Kohlenstoffabbau - relativ  1 = BSB5",
         .field = "lblLgesRelativ",
         .unit = "-",
         .top = 3840,
         .as = Field::Output,
         .captionName = "Label12",
         .unitName = "Label16"},
        {.caption = "BSB innerhalb von 25 Tagen Abbauzeit",
         .field = "lblBSB25",
         .unit = "mg BSB25/l",
         .top = 4320,
         .as = Field::Output,
         .captionName = "Label34",
         .unitName = "Label35"},
    });
    add(Kind::Shape, "Shape1").in("SSTab1", 1).at(5640, 4740, 7560, 2880);
    mut("Shape1").filled = true;
    mut("Shape1").backColor = Color::White;
    lay.row({.caption = "Gesamter Sauerstoffverbrauch gemessen als CSB",
             .field = "txtCSB",
             .unit = "mg O2/l",
             .top = 4800,
             .tab = tab++,
             .text = "200",
             .captionName = "Label21",
             .unitName = "Label40"});
    // The row's two units stand one above the other (they were laid out 120 twips apart,
    // the lower one over the upper one's text).
    lay.row({.caption = "davon in unendlicher Zeit biologisch abbaubar",
             .field = "lblBSBAbbaugrenze",
             .top = 5280,
             .as = Field::Output,
             .tip = "Gesamter BSB 100 % Abbauzeit",
             .captionName = "Label3",
             .unitName = "Label19"});
    add(Kind::Label, "Label19").in("SSTab1", 1).caption("mg O2/l").at(11160, 5145, 1560, 255);
    add(Kind::Label, "Label17").in("SSTab1", 1).caption("mg BSB/l").at(11160, 5400, 1560, 255);
    lay.rows({
        {.caption = "Schwer abbaubar,  zwischen 5 und 25 Tagen",
         .field = "lblBSB5minusBSB",
         .unit = "mg O2/l",
         .top = 5760,
         .as = Field::Output,
         .captionName = "Label13",
         .unitName = "Label37"},
        {.caption = "leicht abbaubar - innerhalb von 5 Tagen",
         .field = "lblBSB5",
         .unit = "mg O2/l",
         .top = 6240,
         .as = Field::Output,
         .captionName = "Label10",
         .unitName = "Label33"},
        {.caption = "nicht biologisch abbaubare Stoffe, bei häuslichem Abwasser z.B. Humine, "
                    "Kotfarbstoffe...",
         .field = "lblNichtAbbaubar",
         .unit = "mg O2/l",
         .top = 6720,
         .as = Field::Output,
         .captionHeight = 840,
         .captionName = "Label25",
         .unitName = "Label26"},
        {.field = "lblNichtAbbaubarProzent",
         .unit = "% CSB",
         .top = 7080,
         .as = Field::Output,
         .captionName = "Label25",
         .unitName = "Label27"},
        {.caption = "Zeit für 99,99 % Abbau, eher von akademischem Interesse",
         .field = "lblAbbauzeit9999",
         .unit = "d",
         .top = 7800,
         .as = Field::Output,
         .captionName = "Label30",
         .unitName = "Label36"},
        {.caption = "Zeit für 99%-igen Abbau",
         .field = "lblAbbauzeit",
         .unit = "d",
         .top = 8280,
         .as = Field::Output,
         .captionName = "Label4",
         .unitName = "Label18"},
    });
    legend(0, 1, 5760, 8880);
    add(Kind::Label, "Label8", 1)
        .in("SSTab1", 1)
        .caption("Programmierung: Morvane-Entwicklungsteam, 2008")
        .at(5760, 9360, 6600, 255);

    // The slow decay, below the table.
    const int row = 10200;
    add(Kind::Label, "Label20")
        .in("SSTab1", 1)
        .caption("Zeit für schwerabbaubaren BSB")
        .at(240, row, 2640, 255);
    add(Kind::Label, "Label24")
        .in("SSTab1", 1)
        .caption("durchschnittlicher schwerer Abbau")
        .at(240, row + 360, 2640, 255);
    add(Kind::Label, "lblZeitschwerabbaubarerBSB")
        .in("SSTab1", 1)
        .at(3000, row, 1335, 285)
        .output();
    add(Kind::Label, "Label22").in("SSTab1", 1).caption("d").at(4440, row, 600, 255);
    add(Kind::Label, "lblSchwerabbaubarTag")
        .in("SSTab1", 1)
        .at(3000, row + 360, 1335, 285)
        .output();
    add(Kind::Label, "Label23").in("SSTab1", 1).caption("mg BSB/ld").at(4440, row + 360, 1200, 255);

    recordRow("Label20", "lblZeitschwerabbaubarerBSB", "Label22");
    recordRow("Label24", "lblSchwerabbaubarTag", "Label23");
}

}  // namespace morvane
