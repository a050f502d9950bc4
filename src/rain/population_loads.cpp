#include "rain/population_loads.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(PopulationLoadsForm);

PopulationLoadsForm::PopulationLoadsForm(Application& app) : FormModel(app, Name) {
    on(On::Change, "txtEW", [this] {
        guarded(resetTo("txtEW", "0"), [this] {
            Tabelle1();
            Tabelle2();
        });
    });
}

void PopulationLoadsForm::cell(std::string_view key, double factor) {
    show(key, num("txtEW") * factor, Pattern::Dec1);
}

void PopulationLoadsForm::Tabelle1() {
    setCaption("lblDimension(0)", "Ergebnisse in kg/d!");
    setForeColor("lblDimension(0)", Color::DarkRed);
    cell("lblAbsStBsb(4)", 0.02);
    cell("lblNabsStBsb(0)", 0.01);
    cell("lblGelStBsb(6)", 0.03);
    cell("lblBsb(7)", 0.06);
    // The settled BOD5 is the difference of the two rounded captions.
    show("lblOabsStBsb(8)", num("lblBsb(7)") - num("lblAbsStBsb(4)"), Pattern::Dec1);
    cell("lblabsStTs(0)", 0.05);
    cell("lblNabsStTs(1)", 0.015);
    cell("lblgelStTs(2)", 0.125);
    cell("lblTs(3)", 0.19);
    cell("lblabsStOs(13)", 0.03);
    cell("lblNabsStOs(21)", 0.01);
    cell("lblgelStOs(15)", 0.05);
    cell("lblOs(23)", 0.09);
    cell("lblAbsStMs(19)", 0.02);
    cell("lblNabsStMs(11)", 0.005);
    cell("lblGelStMs(18)", 0.075);
    cell("lblMs(10)", 0.1);
}

void PopulationLoadsForm::Tabelle2() {
    setCaption("Label6", "Ergebnisse in kg/d !");
    setForeColor("Label6", Color::DarkRed);
    const struct {
        const char* row;
        double raw, settled05, settled15;
    } rows[] = {{"BSB5", 0.06, 0.045, 0.04},
                {"CSB", 0.12, 0.09, 0.08},
                {"TSo", 0.07, 0.035, 0.025},
                {"N", 0.011, 0.01, 0.01},
                {"P", 0.0018, 0.0016, 0.0016}};
    for (const auto& r : rows) {
        const std::string base = std::string("lbl") + r.row;
        cell(base + "_0", r.raw);
        cell(base + "_05", r.settled05);
        cell(base + "_15", r.settled15);
    }
}

void PopulationLoadsForm::design() {
    win() = {.title = "Abwasserlasten der Einwohner",
             .clientWidth = 8955,
             .clientHeight = 8070,
             .focus = "txtEW",
             .font = "MS Sans Serif",
             .fontSize = 9.75};

    Layout lay(*this, {.label = piece(Kind::Label)});
    Layout heads(*this, {.label = piece(Kind::Label)
                                      .framed()
                                      .center()
                                      .wrap()
                                      .colors(Color::WindowText, Color::ButtonHighlight),
                         .captionArray = "Label2"});
    Layout values(*this, {.label = piece(Kind::Label)
                                       .framed()
                                       .right()
                                       .colors(Color::WindowText, Color::WindowBackground)});

    // Input.
    lay.label("Label4", -1, "", 120, 120, 2400, 1380).framed().transparent = true;
    lay.label("Label5", -1, "Eingabe in EW (E + EGW)", 240, 240, 2160, 480).bold_().center().wrap();
    add(Kind::TextBox, "txtEW")
        .caption("1")
        .at(600, 840, 1200, 405)
        .right()
        .font("MS Sans Serif", 12, true)
        .tab(0);

    // Upper table.
    lay.label("Label7", -1,
              "Abwasserlast nach Ostrelt, Taschenbuch der Stadtentwässerung, 27. Auflage ", 2640,
              120, 6240, 480)
        .bold_()
        .center()
        .wrap();
    const int col[] = {4740, 5580, 6420, 7260, 8100};
    constexpr int cw = 780;
    heads.label(24, "min.", col[0], 720, cw, 285);
    heads.label(22, "org.", col[1], 720, cw, 285);
    heads.label(20, "gesamt", col[2], 720, cw, 285);
    heads.label(17, "BSB5", col[3], 720, 2 * cw + 60, 285);
    lay.label("lblDimension", 0, "Angaben in g je Einwohner und Tag nach Ostrelt", col[0], 1035,
              col[4] + cw - col[0], 285)
        .framed()
        .center()
        .colors(Color::WindowText, Color::MenuBackground);
    lay.label("Label3", -1, "", col[0] - 60, 1350, col[4] + cw + 60 - col[0] + 60, 1500)
        .framed()
        .transparent = true;
    const struct {
        int headIndex;
        const char* caption;
        const char* cells[4][2];  // name, caption for min., org., gesamt, BSB5
        int indices[4];
        bool bold;
    } rows[] = {
        {9,
         "absetzbare Stoffe",
         {{"lblAbsStMs", "20"}, {"lblabsStOs", "30"}, {"lblabsStTs", "50"}, {"lblAbsStBsb", "20"}},
         {19, 13, 0, 4},
         false},
        {12,
         "Nicht absetzbare Schwebstoffe",
         {{"lblNabsStMs", "5"},
          {"lblNabsStOs", "10"},
          {"lblNabsStTs", "15"},
          {"lblNabsStBsb", "10"}},
         {11, 21, 1, 0},
         false},
        {14,
         "gelöste Stoffe",
         {{"lblGelStMs", "75"}, {"lblgelStOs", "50"}, {"lblgelStTs", "125"}, {"lblGelStBsb", "30"}},
         {18, 15, 2, 6},
         false},
        {16,
         "Zusammen",
         {{"lblMs", "100"}, {"lblOs", "90"}, {"lblTs", "190"}, {"lblBsb", "60"}},
         {10, 23, 3, 7},
         true},
    };
    int top = 1410;
    recordRow("Label5", "txtEW");
    const int columnHeads[] = {24, 22, 20, 17};
    for (const auto& r : rows) {
        heads.label(r.headIndex, r.caption, 2640, top, 2040, 330)
            .align_(Align::Left)
            .font("MS Sans Serif", 8.25, r.bold);
        for (int c = 0; c < 4; ++c)
            values.label(r.cells[c][0], r.indices[c], r.cells[c][1], col[c], top, cw, 330)
                .bold_(r.bold);
        for (int c = 0; c < 4; ++c)
            recordCell(controlKey("Label2", r.headIndex), controlKey("Label2", columnHeads[c]),
                       controlKey(r.cells[c][0], r.indices[c]), "lblDimension(0)");
        top += 360;
    }
    heads.label(25, "ohne abs. St.", col[4], 1410 + 2 * 360, cw, 330).font("MS Sans Serif", 8.25);
    values.label("lblOabsStBsb", 8, "40", col[4], 1410 + 3 * 360, cw, 330).bold_();
    recordCell("Label2(16)", "Label2(25)", "lblOabsStBsb(8)", "lblDimension(0)");

    add(Kind::Line, "Line1").at(120, 3360, 8880, 3360);

    // Lower table.
    lay.label("lblDimension", 1, "Frachtstruktur nach dem Arbeitsblatt der ATV-DVWK- A 131", 120,
              3480, 8760, 300)
        .bold_()
        .center();
    lay.label("Label2", 11, "Bemessung von einstufigen Belebungsanlagen ab 5000 EW", 120, 3780,
              8760, 285)
        .center();
    heads.label(23, "", 120, 4140, 2880, 1230);
    lay.label("Label1", -1, "Parameter", 240, 4560, 2640, 345)
        .font("MS Sans Serif", 12, true)
        .center();
    heads.label(8, "Roh- abwasser in g/Ed", 3060, 4140, 1320, 1230);
    heads.label(6, "Durchflusszeit in Stunden in der Vorklärung bei Trockenwetterabfluss Qt", 4440,
                4140, 4440, 570);
    const int lcol[] = {4440, 5920, 7400};
    const int lwidth[] = {1420, 1420, 1480};
    heads.label(26, "Null", lcol[0], 4770, lwidth[0], 285);
    heads.label(7, "0,5 - 1,0", lcol[1], 4770, lwidth[1], 285);
    heads.label(5, "1,5 - 2,0", lcol[2], 4770, lwidth[2], 285);
    lay.label("Label6", -1, "Angabe in g/Ed nach Eingabe Ergebnisse in kg/d", 4440, 5085, 4440, 285)
        .framed()
        .center()
        .colors(Color::WindowText, Color::MenuBackground);
    const struct {
        int headIndex, rawIndex;
        const char *caption, *raw, *row, *values[3];
    } lower[] = {
        {4, 13, "BSB5", "60", "BSB5", {"60", "45", "40"}},
        {2, 15, "CSB", "120", "CSB", {"120", "90", "80"}},
        {1, 18, "abf. St. - TSo bzw. XTS/ZB", "70", "TSo", {"70", "35", "25"}},
        {0, 19, "Nges.", "11", "N", {"11", "10", "10"}},
        {3, 21, "Pges.", "1,8", "P", {"1,8", "1,6", "1,6"}},
    };
    top = 5460;
    const char* suffix[] = {"_0", "_05", "_15"};
    for (const auto& r : lower) {
        heads.label(r.headIndex, r.caption, 120, top, 2880, 330).align_(Align::Left);
        heads.label(r.rawIndex, r.raw, 3060, top, 1320, 330).align_(Align::Right);
        for (int c = 0; c < 3; ++c)
            values.label((std::string("lbl") + r.row + suffix[c]).c_str(), -1, r.values[c], lcol[c],
                         top, lwidth[c], 330);
        const std::string rowHead = controlKey("Label2", r.headIndex);
        recordCell(rowHead, "Label2(8)", controlKey("Label2", r.rawIndex));
        const int columnHeads[] = {26, 7, 5};
        for (int c = 0; c < 3; ++c)
            recordCell(rowHead, controlKey("Label2", columnHeads[c]),
                       std::string("lbl") + r.row + suffix[c], "Label6");
        top += 360;
    }
}

}  // namespace morvane
