#include "costs/price_index_info.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(PriceIndexInfoForm);

namespace {
constexpr const char* Text =
    "\r\n"
    "Das Formular erlaubt die Hochrechnung von Kläranlagen- und Kanalbaupreisen auf die "
    "Preisbasis 2003.\r\n\r\n"
    "Der Preisanstieg von Mitte 2002 bis Ende 2003 wurde für den Kläranlagenbau auf 1,5 % und "
    "für den Kanalbau auf 1 % geschätzt. Die Werte stehen in der Tabelle links.\r\n\r\n"
    "Aus bekannten Kosten früherer Jahre berechnet das Programm vergleichbare Kosten für 2003 "
    "und rechnet auf Wunsch DM in Euro um.\r\n\r\n"
    "Zuerst ist die Art des Bauwerks zu wählen, weil sich die Preise für Kläranlagen und "
    "Ortskanäle unterschiedlich entwickelt haben.\r\n\r\n"
    "So gehen Sie vor:\r\n"
    "1. Im Optionsfeld \"Bauwerk\" die Art des Bauwerks wählen.\r\n"
    "2. Im Feld \"Investitionskosteneingabe\" die Währung wählen.\r\n"
    "3. Das Basisjahr (Ausschreibungsjahr) eingeben.\r\n"
    "4. Die Investitionskosten eingeben.\r\n\r\n"
    "Für Notizen zur Herkunft der Daten öffnen sich Textfelder.\r\n\r\n"
    "Beispiel: Kläranlage, Ausschreibungsjahr 1992, Investitionskosten 1000.000 DM ergeben "
    "511.291,88 € im Ausschreibungsjahr, den Faktor 1,108 und 566.511,40 € als theoretische "
    "Kosten für 2003.\r\n";
}  // namespace

PriceIndexInfoForm::PriceIndexInfoForm(Application& app) : FormModel(app, Name) {
    appendLineBreakOnEdit("Text1");
}

void PriceIndexInfoForm::design() {
    win() = {.title = "Information - Hochrechnung der Preise auf 2003",
             .clientWidth = 14325,
             .clientHeight = 8805};
    add(Kind::Picture, "Picture1").at(240, 480, 4290, 7905).pic("price_index_table.svg");
    add(Kind::TextBox, "Text1")
        .caption(Text)
        .at(4680, 480, 9375, 7935)
        .multi()
        .back(Color::LightYellow)
        .tab(0);
}

}  // namespace morvane
