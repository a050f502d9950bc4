#include "costs/pump_energy.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/links.h"
#include "shell/patterns.h"
#include "shell/start_window.h"

namespace morvane {

MORVANE_REGISTER_FORM(PumpEnergyForm);

namespace {
constexpr double KwDivisor = 102;
constexpr double LsToM3h = 3.6;
constexpr double DmPerEuro = 1.95583;

// The maker's address without the scheme, and as the button writes it.
std::string webAddress() { return Links::HomePage; }
std::string buttonAddress() {
    std::string a = Links::HomePage;
    const auto at = a.find("://");
    return at == std::string::npos ? a : a.substr(0, at) + ":\\\\" + a.substr(at + 3);
}
}  // namespace

PumpEnergyForm::PumpEnergyForm(Application& app) : FormModel(app, Name) {
    onLoad([this] {
        for (const char* item :
             {"0,05", "0,10", "0,15", "0,20", "0,25", "0,30", "0,35", "0,40", "0,45", "0,50",
              "0,55", "0,60", "0,65", "0,70", "0,75", "0,80", "0,85", "0,90", "0,95", "1,00"})
            addItem("ListEta", item);
    });
    on(On::KeyUp, "txtQls",
       [this] { guarded(resetTo("txtQls", "0"), [this] { BerechnungQm3h(); }); });
    on(On::KeyUp, "txtQm3h", [this] {
        guarded(resetTo("txtQm3h", "0"), [this] {
            show("txtQls", num("txtQm3h") / LsToM3h, Pattern::Dec2Blank);
            if (filled("txtHman")) Leistung();
            if (filled("TxtPZda")) Kosten();
            visibleLeistung();
        });
    });
    on(On::Change, "txtHman", [this] {
        guarded(resetTo("txtHman", "0"), [this] {
            setEnabled("ListEta", true);
            Leistung();
            unlock("txtPZhd");
            if (filled("TxtPZda")) Kosten();
        });
    });
    on(On::Click, "ListEta", [this](Event& e) {
        const Control& list = c("ListEta");
        if (e.value < 0 || e.value >= static_cast<int>(list.items.size())) return;
        const std::string item = list.items[static_cast<std::size_t>(e.value)];
        setText("LblEta", item);
        eta = item;
        guarded({.text = TypingErrorToZero, .resetAction = [this] { eta = 0.75; }}, [this] {
            Leistung();
            if (filled("TxtPZda")) Kosten();
        });
    });
    on(On::KeyUp, "txtPZhd", [this] {
        guarded(resetTo("txtPZhd", "0"), [this] {
            if (num("txtPZhd") > 24)
                message("\r\nTippfehler - Ein Tag hat nur 24 Stunden!", "Eingabe ändern!");
            if (filled("TxtPZda")) setNumber("LblPZha", num("TxtPZda") * num("txtPZhd"));
            if (filled("TxtPZda")) menge();
            if (filled("TxtPZda")) Kosten();
            unlock("TxtPZda");
            setText("TxtPZda", NumberText::formatText(text("TxtPZda"), Pattern::Dec1Blank));
        });
    });
    on(On::KeyUp, "TxtPZda", [this] {
        guarded(resetTo("TxtPZda", "0"), [this] {
            if (num("TxtPZda") > 365)
                message("\r\nTippfehler - Dieses Jahr hat sicher nur 365 Tage!", "Eingabe ändern!");
            if (filled("txtPZhd")) setNumber("LblPZha", num("TxtPZda") * num("txtPZhd"));
            unlock("txtDMkw");
            setText("LblPZha", NumberText::formatText(text("LblPZha"), Pattern::Dec1TwoBlanks));
            Kosten();
            menge();
        });
    });
    on(On::Change, "txtDMkw",
       [this] { guarded(resetTo("txtDMkw", NumberText::plain(0.25)), [this] { Kosten(); }); });
    on(On::Click, "Command2", [this] { this->app().open("frmEnergiePWInfo"); });
    on(On::Click, "Command1", [this] {
        setText("URL", webAddress());
        AdresseÖffnen(platform(), text("URL"));
    });
    on(On::Click, "URL", [this] { AdresseÖffnen(platform(), text("URL")); });
}

bool PumpEnergyForm::filled(std::string_view key) const { return text(key) > std::string("0"); }

void PumpEnergyForm::Leistung() {
    eta = text("LblEta");
    const Num power = num("txtHman") * num("txtQls") / (eta.number() * KwDivisor);
    setNumber("LblPk", power);
    setText("LblPk", NumberText::formatText(text("LblPk"), Pattern::Dec3));
}

void PumpEnergyForm::Kosten() {
    setNumber("lblkWha", num("LblPZha") * num("LblPk"));
    setNumber("lblEk(0)", num("txtDMkw") * num("lblkWha") / 1000);
    setNumber("lblEkEuro(1)", num("lblEk(0)") * DmPerEuro);
    for (const char* key : {"LblPZha", "LblPk", "lblkWha", "lblEk(0)", "lblEkEuro(1)"})
        setBackColor(key, Color::ActiveTitleText);
    setText("lblkWha", NumberText::formatText(text("lblkWha"), Pattern::IntBlank));
    setText("lblEk(0)", NumberText::formatText(text("lblEk(0)"), Pattern::Dec3Blank));
    setText("lblEkEuro(1)", NumberText::formatText(text("lblEkEuro(1)"), Pattern::Dec3Blank));
}

void PumpEnergyForm::menge() {
    setNumber("lblMengejeTag", num("txtPZhd") * num("txtQm3h"));
    setNumber("lblMengejeJahr", num("TxtPZda") * num("lblMengejeTag"));
    for (const char* key : {"lblMengejeTag", "lblMengejeJahr"}) {
        setBackColor(key, Color::WindowBackground);
        setText(key, NumberText::formatText(text(key), Pattern::Dec1Blank));
    }
}

void PumpEnergyForm::unlock(std::string_view key) {
    setBackColor(key, Color::WindowBackground);
    setEnabled(key, true);
}

void PumpEnergyForm::visibleLeistung() {
    unlock("txtHman");
    unlock("LblPk");
    setBackColor("LblEta", Color::WindowBackground);
}

void PumpEnergyForm::BerechnungQm3h() {
    show("txtQm3h", num("txtQls") * LsToM3h, Pattern::Dec1Blank);
    if (filled("TxtPZda")) menge();
    if (filled("txtHman")) Leistung();
    if (filled("TxtPZda")) Kosten();
    visibleLeistung();
}

void PumpEnergyForm::design() {
    win() = {.title = "Energiekosten der Trink- und Abwasserförderung",
             .clientWidth = 8955,
             .clientHeight = 8070,
             .focus = "txtQls"};

    const Control input = piece(Kind::TextBox).at(0, 0, 0, 360).right().font("MS Sans Serif", 9.75);
    Layout lay(*this, {.input = input, .label = piece(Kind::Label).at(0, 0, 0, 255)});
    // Inputs that open one after the other, as the calculation reaches them.
    Layout locked(*this, {.input = Control(input).disabled().back(Color::InactiveBorder)});
    Layout outputs(*this, {.label = piece(Kind::Label)
                                        .right()
                                        .framed()
                                        .font("MS Sans Serif", 9.75)
                                        .colors(Color::WindowText, Color::InactiveBorder)});

    add(Kind::TextBox, "Text1")
        .caption("Pumpwerk:")
        .at(240, 180, 6855, 375)
        .font("MS Sans Serif", 9.75)
        .tab(5);

    // Flow.
    add(Kind::Shape, "Shape1").at(240, 720, 2175, 1815);
    lay.label("c", 1, "Volumenstrom", 600, 960, 1575).bold_();
    lay.input("txtQls", 480, 1440, 1200)
        .tab(0)
        .tip(
            "Volumenstrom bei manometrischer Förderhöhe; kann auch in m³/h im unteren Feld "
            "eigegeben werden!");
    lay.label("Label10", -1, "l/s", 1800, 1440, 500);
    lay.input("txtQm3h", 480, 1920, 1200)
        .tab(6)
        .tip(
            "Volumenstrom bei manometrischer Förderhöhe; kann auch in l/s im oberen Feld "
            "eigegeben werden!");
    lay.label("Label1", 0, "m³/h", 1800, 1920, 500);

    // Power.
    add(Kind::Shape, "Shape2").at(2700, 795, 4455, 2100);
    lay.label("c", 0, "Leistung", 4200, 960, 1215).bold_();
    lay.label("Label8", 0, "Hman", 3000, 1440, 700).tip("manometrische Förderhöhe");
    locked.input("txtHman", 3840, 1440, 825)
        .tab(1)
        .fore(Color::MenuText)
        .tip("manometrische Förderhöhe");
    lay.label("Label9", -1, "m WS", 4800, 1440, 600);
    lay.label("lbl2", 1, "eta", 3000, 1980, 500).tip("Pumpengesamtwirkungsgrad");
    outputs.label("LblEta", -1, "", 4080, 1980, 540, 225)
        .caption("0,75  ")
        .back(Color::MenuBackground)
        .tip("Pumpengesamtwirkungsgrad");
    lay.label("Label11", -1, "Pk", 3000, 2400, 500).tip("Kupplungsleistung");
    outputs.label("LblPk", -1, "", 3840, 2340, 855, 345).bold_().tip("Kupplungsleistung");
    lay.label("Label12", -1, "kW", 4800, 2400, 500);
    lay.label("lbl2", 0, "eta", 6240, 960, 500).tip("Änderung des Pumpengesamtwirkungsgrades");
    add(Kind::ListBox, "ListEta")
        .at(6000, 1440, 795, 1230)
        .disabled()
        .tab(7)
        .tip("Änderung des Pumpenwirkungsgrades");

    // Running time.
    add(Kind::Shape, "Shape3").at(240, 2640, 2175, 3075);
    lay.label("Label17", -1, "Pumpzeit", 840, 2760, 975).bold_().center();
    locked.input("txtPZhd", 480, 3120, 1200).tab(2);
    lay.label("Label5", -1, "h/d", 1800, 3120, 500);
    locked.input("TxtPZda", 480, 3600, 1200).tab(3);
    lay.label("Label6", 0, "d/a", 1800, 3600, 500);
    outputs.label("LblPZha", -1, "", 480, 4080, 1200, 345);
    lay.label("Label6", 1, "h/a", 1800, 4080, 500);
    outputs.label("lblMengejeTag", -1, "", 480, 4560, 1200, 345);
    lay.label("Label1", 1, "m³/d", 1800, 4560, 500);
    outputs.label("lblMengejeJahr", -1, "", 480, 5040, 1200, 345);
    lay.label("Label1", 2, "m³/a", 1800, 5040, 500);

    // Energy costs.
    add(Kind::Shape, "Shape4").at(2640, 3120, 4485, 2535);
    lay.label("c", 2, "Energiekosten", 3960, 3240, 1965).bold_();
    lay.label("Label15", -1, "elektrische Arbeit", 3000, 3660, 1700);
    outputs.label("lblkWha", -1, "", 4800, 3600, 1095, 345);
    lay.label("Label14", 1, "kWh/a", 6000, 3660, 700);
    lay.label("Label13", -1, "Energiepreis", 3000, 4140, 1700);
    locked.input("txtDMkw", 5280, 4080, 615).tab(4).caption("0,16").tip("2007 = 0,16 ?");
    lay.label("Label14", 0, "Euro/kWh", 6000, 4140, 900);
    lay.label("Label3", 0, "Energiekosten", 3000, 4620, 1600);
    outputs.label("lblEk", 0, "", 4680, 4560, 1215, 345).bold_();
    lay.label("Label18", 0, "TEuro/a", 6000, 4620, 900);
    lay.label("Label3", 1, "Energiekosten", 3000, 5100, 1600);
    outputs.label("lblEkEuro", 1, "", 4680, 5040, 1215, 345);
    lay.label("Label18", 1, "TDM/a", 6000, 5100, 900);

    add(Kind::Command, "Command2").caption("Programmbeschreibung").at(240, 5880, 3135, 255).tab(9);
    add(Kind::Command, "Command1").caption(buttonAddress()).at(4320, 5880, 2775, 255).tab(8).link();
    add(Kind::Label, "URL").caption(webAddress()).at(360, 6360, 2160, 195).fore(Color::Blue).link();

    // The efficiency list only chooses the value that LblEta shows.
    const char* const reading[][3] = {
        {"", "Text1", ""},
        {"c(1)", "txtQls", "Label10"},
        {"c(1)", "txtQm3h", "Label1(0)"},
        {"Label8(0)", "txtHman", "Label9"},
        {"lbl2(1)", "LblEta", ""},
        {"Label11", "LblPk", "Label12"},
        {"Label17", "txtPZhd", "Label5"},
        {"Label17", "TxtPZda", "Label6(0)"},
        {"Label17", "LblPZha", "Label6(1)"},
        {"Label17", "lblMengejeTag", "Label1(1)"},
        {"Label17", "lblMengejeJahr", "Label1(2)"},
        {"Label15", "lblkWha", "Label14(1)"},
        {"Label13", "txtDMkw", "Label14(0)"},
        {"Label3(0)", "lblEk(0)", "Label18(0)"},
        {"Label3(1)", "lblEkEuro(1)", "Label18(1)"},
    };
    for (const auto& r : reading) recordRow(r[0], r[1], r[2]);
}

}  // namespace morvane
