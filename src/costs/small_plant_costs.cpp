#include "costs/small_plant_costs.h"

#include <span>
#include <utility>

#include "shell/application.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(SmallPlantCostsForm);

SmallPlantCostsForm::SmallPlantCostsForm(Application& app) : FormModel(app, Name) {
    on(On::Click, "Command1", [this] {
        guarded({.text = "Tippfehler - Programm wird zurückgesetzt",
                 .reset = {{"txtE", "4"},
                           {"txtIK", "0"},
                           {"txtNND", "30"},
                           {"txtZins", "6"},
                           {"txtFM", "0"},
                           {"txtSchlammlEa", "800"},
                           {"txtEK", "0"},
                           {"txtSEKEurom3", "18"},
                           {"txtTWlEd", "90"},
                           {"txtWK", "90"}},
                 .messageFirst = true},
                [this] {
                    Refinanzierungskosten();
                    Betriebskosten();
                    Jahreskosten();
                });
    });
}

void SmallPlantCostsForm::Refinanzierungskosten() {
    zins = num("txtZins") / 2;
    wasserJeEw = num("txtTWlEd") * 365 / 1000;
    wasserJahr = wasserJeEw * num("txtE");
    const Num investition = num("txtIK");
    abschreibung = investition / num("txtNND");
    durchZins = investition * (1 - num("txtFM") / 100) * zins / 100;
    refinanzierung = abschreibung + durchZins;
    show("lblTWm3Ea", wasserJeEw, Pattern::IntBlank);
    show("lblTWm3a", wasserJahr, Pattern::IntBlank);
    show("lblDurchZins", durchZins, Pattern::IntBlank);
    show("lblAbschreibung", abschreibung, Pattern::IntBlank);
    show("lblRefEuroa", refinanzierung, Pattern::IntBlank);
    show("Label36", refinanzierung, Pattern::IntBlank);
}

void SmallPlantCostsForm::Betriebskosten() {
    const Num schlammJeEw = num("txtSchlammlEa");
    const Num einwohner = num("txtE");
    schlamm = schlammJeEw * einwohner / 1000;
    show("lblSchlammm3a", schlamm, Pattern::Dec1);
    entsorgung = schlammJeEw / 1000 * einwohner * num("txtSEKEurom3");
    betrieb = num("txtEK") + entsorgung + num("txtWK");
    show("lblSEKEuroa", entsorgung, Pattern::IntBlank);
    show("lblBK", betrieb, Pattern::IntBlank);
    show("Label35", betrieb, Pattern::IntBlank);
}

void SmallPlantCostsForm::Jahreskosten() {
    jahreskosten = betrieb + refinanzierung;
    show("lblJKEuroa", jahreskosten, Pattern::IntBlank);
    spezifisch = jahreskosten / (num("txtE") * wasserJeEw);
    show("lblJKEurom3", spezifisch, Pattern::Dec2Blank);
}

void SmallPlantCostsForm::design() {
    win() = {.title = "Kalkulation der Jahreskosten von Hauskläranlagen (Kleinkläranlagen)",
             .clientWidth = 10485,
             .clientHeight = 7050,
             .focus = "txtE"};

    const int frames[5][4] = {{5160, 4320, 5295, 1695},
                              {0, 2760, 4695, 1455},
                              {0, 4320, 4695, 1215},
                              {5160, 480, 5295, 1935},
                              {5160, 2760, 5295, 1455}};
    for (int i = 0; i < 5; ++i)
        add(Kind::Label, "Label34", i)
            .at(frames[i][0], frames[i][1], frames[i][2], frames[i][3])
            .framed()
            .transparent = true;

    struct Input {
        const char* name;
        int left, top;
        const char* text;
        const char* caption;
        const char* unit;
        const char* tip;
        int tab;
    };
    // The two columns of inputs: caption, field and unit.
    const Input left[] = {
        {"txtE", 2400, 120, "4", "Anzahl der Einwohner", "E",
         "Ermitten Sie die Konsequenzen, wenn sich der Anschlussgrad u.U. künftig reduziert!", 0},
        {"txtIK", 2400, 600, "8000", "Einmalige Investitionskosten", "Euro",
         "Eingabe der Investitionskosten zzgl.Baugrubenaushub, Transport, Montage & "
         "Inbetriebnahme (alles incl. USt.)",
         1},
        {"txtNND", 2400, 1080, "26,3", "Normative Nutzungsdauer, gewogenes arithmetische Mittel!",
         "Jahre",
         "z.B.: 26,3 Jahre im gewogenem Mittel (75 % Baukosten und NND = 30 Jahre; 25 % "
         "Ausrüstungskosten und NND = 15 Jahre) Nach wasserrechtlicher Erlaubnis mitunter NND nur "
         "15 Jahre!",
         2},
        {"txtZins", 2400, 1680, "6", "Marktüblicher Zinssatz", "%/a", "", 3},
        {"txtFM", 2400, 2160, "0", "Fördersatz, wenn Vorhaben förderfähig *)", "%", "", 4},
        {"txtTWlEd", 2400, 2880, "90", "Trinkwasserverbrauch", "l/Ed", "", 5},
        {"txtSchlammlEa", 2400, 4560, "608", "Schlammanfall", "l/Ea",
         "608 l/Ea entsprechen 50 g TS/Ed bei 3 % TS; bei Entleerung nur nach Bedarf werden in "
         "der Fachliteratur im mehrjährigen Zyklus 75 l/Ea genannt",
         6},
    };
    const Input right[] = {
        {"txtSEKEurom3", 8040, 120, "30", "Schlammentsorgungskosten", "Euro/m³", "20...55 €/m³", 8},
        {"txtEK", 8040, 1080, "20", "Energiekosten", "Euro/a",
         "wenn unbekannt-  bei Belebungsanlagen z.B. 12,5 €/Ea, bei TK = 2,5 €/Ea", 7},
        {"txtWK", 8040, 2040, "275", "Wartungskosten", "Euro/a",
         "sofern nicht bekannt z.B. 200 €/a", 9},
    };
    for (const auto& [captionLeft, column] : {std::pair{120, std::span<const Input>(left)},
                                              std::pair{5280, std::span<const Input>(right)}})
        for (const Input& in : column) {
            const std::string name = in.name;
            add(Kind::Label, "lblCaption_" + name)
                .caption(in.caption)
                .at(captionLeft, in.top, in.left - captionLeft - 120, 450)
                .wrap();
            add(Kind::TextBox, name)
                .caption(in.text)
                .at(in.left, in.top, 1335, 285)
                .right()
                .back(Color::LightYellow)
                .tip(in.tip)
                .tab(in.tab);
            add(Kind::Label, "lblUnit_" + name)
                .caption(in.unit)
                .at(in.left + 1440, in.top, 900, 255);
        }

    struct Output {
        const char* name;
        int left, top, height;
        const char* caption;      // caption text, or none
        const char* captionName;  // its label where not lblCaption_<name>
        int captionIndex;
        const char* unit;
        bool bold;
    };
    const Output outputs[] = {
        {"lblTWm3Ea", 2400, 3360, 285, nullptr, nullptr, -1, "m³/Ea", false},
        {"lblTWm3a", 2400, 3840, 255, nullptr, nullptr, -1, "m³/a", false},
        {"lblSchlammm3a", 2400, 5040, 255, nullptr, nullptr, -1, "m³/a", false},
        {"Label35", 8040, 600, 255, "Betriebskosten", "Label7", 1, "Euro/a", true},
        {"Label36", 8040, 2880, 255, "Refinanzierungskosten", "Label7", 2, "Euro/a", true},
        {"lblAbschreibung", 8040, 3360, 255, "Abschreibung", nullptr, -1, "Euro/a", false},
        {"lblDurchZins", 8040, 3840, 255, "durchschnittliche Zinsen", nullptr, -1, "Euro/a", false},
        {"lblRefEuroa", 8040, 4440, 255, "Refinanzierungskosten", nullptr, -1, "Euro/a", false},
        {"lblJKEuroa", 8040, 5160, 255, "Jahreskosten", "Label31", 1, "Euro/a", true},
        {"lblJKEurom3", 8040, 5520, 255, "spezifische Jahreskosten", "Label31", 0, "Euro/m³",
         false},
    };
    for (const Output& out : outputs) {
        const std::string name = out.name;
        if (out.caption)
            add(Kind::Label, out.captionName ? out.captionName : "lblCaption_" + name,
                out.captionIndex)
                .caption(out.caption)
                .at(5280, out.top, 2640, 255)
                .bold_(out.bold);
        add(Kind::Label, name).at(out.left, out.top, 1335, out.height).output().bold_(out.bold);
        add(Kind::Label, "lblUnit_" + name)
            .caption(out.unit)
            .at(out.left + 1440, out.top, 900, 255);
    }
    // Two results are borderless text boxes in the tab order.
    for (auto [name, top, caption, key, index, tab] :
         {std::tuple{"lblSEKEuroa", 1560, "Schlammentsorgungskosten", "Label24", 1, 11},
          std::tuple{"lblBK", 4800, "Betriebskosten", "Label32", 0, 12}}) {
        add(Kind::Label, key, index).caption(caption).at(5280, top, 2640, 255);
        add(Kind::TextBox, name)
            .at(8040, top, 1335, 285)
            .right()
            .framed(false)
            .readonly()
            .colors(Color::WindowText, Color::ButtonFace)
            .tab(tab);
        add(Kind::Label, std::string("lblUnit_") + name).caption("Euro/a").at(9480, top, 900, 255);
    }
    mut("lblJKEuroa").foreColor = Color::Red;
    mut("lblJKEuroa").toolTip = "wichtigster Parameter weil unabhängig vom Abwasseranfall";
    mut("Label31(1)").foreColor = Color::Red;
    mut("lblUnit_lblJKEuroa").foreColor = Color::Red;
    mut("lblUnit_lblJKEuroa").bold = true;
    mut("lblJKEurom3").toolTip = "eher nebensächlich";

    // The record reads the left column, then the right one; the water and sludge volumes
    // stand under the input they are worked out from.
    const char* const reading[][2] = {
        {"txtE", ""},
        {"txtIK", ""},
        {"txtNND", ""},
        {"txtZins", ""},
        {"txtFM", ""},
        {"txtTWlEd", ""},
        {"lblTWm3Ea", "lblCaption_txtTWlEd"},
        {"lblTWm3a", "lblCaption_txtTWlEd"},
        {"txtSchlammlEa", ""},
        {"lblSchlammm3a", "lblCaption_txtSchlammlEa"},
        {"txtSEKEurom3", ""},
        {"Label35", "Label7(1)"},
        {"txtEK", ""},
        {"lblSEKEuroa", "Label24(1)"},
        {"txtWK", ""},
        {"Label36", "Label7(2)"},
        {"lblAbschreibung", ""},
        {"lblDurchZins", ""},
        {"lblRefEuroa", ""},
        {"lblBK", "Label32(0)"},
        {"lblJKEuroa", "Label31(1)"},
        {"lblJKEurom3", "Label31(0)"},
    };
    for (const auto& [field, caption] : reading)
        recordRow(*caption ? caption : "lblCaption_" + std::string(field), field,
                  "lblUnit_" + std::string(field));

    add(Kind::Command, "Command1").caption("Berechnung").at(0, 5640, 4695, 375).tab(10);
    add(Kind::Line, "Line1").at(120, 6240, 10320, 6240).borderWidth = 3;
    note("Label17",
         "*) betrift nur das Bundesland Brandenburg -  vgl. Förderrichtlinie des Landes "
         "Brandenburg vom 19.12.2001",
         120, 6360, 4575, 495);
}

}  // namespace morvane
