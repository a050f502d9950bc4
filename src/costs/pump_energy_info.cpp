#include "costs/pump_energy_info.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(PumpEnergyInfoForm);

namespace {
constexpr const char* Description =
    "Das Programm dient der Kalkulation der Energiekosten, die bei der Förderung von Wasser "
    "entstehen, unabhängig davon, ob es sich um Trink-, Brauch- oder Abwasser handelt. "
    "Gerechnet wird mit der Dichte von 1 kg/l.\r\n"
    "\r\n"
    "Der Berechnung liegt die bekannte Formel für die Kupplungsleistung zugrunde, die unten "
    "im Fenster abgebildet ist (vgl. die bautechnischen Tabellenbücher, Abschnitt "
    "Wasserversorgung).\r\n"
    "\r\n"
    "Eingabefelder sind dreidimensional dargestellt, Ergebnisfelder mit einem einfachen "
    "Rahmen. Das oberste Feld ist ein freies Textfeld, z. B. für den Namen des Pumpwerks oder "
    "des Projekts.\r\n"
    "\r\n"
    "Die Berechnungen starten allein durch das Eintippen der Zahlen; eine Schaltfläche zum "
    "Rechnen gibt es nicht. Mit der Tabulatortaste gelangen Sie schnell von Feld zu Feld.\r\n"
    "\r\n"
    "Zu Beginn sind alle Eingabefelder gesperrt, in denen eine Eingabe zu einer Division durch "
    "Null führen könnte. Sie werden der Reihe nach freigegeben: Volumenstrom, Förderhöhe, "
    "Pumpzeit in Stunden je Tag, Pumptage je Jahr und Energiepreis. Sind Volumenstrom, "
    "Förderhöhe und Pumpzeiten eingegeben, löst jedes Eingabefeld die Berechnung aus.\r\n"
    "\r\n"
    "Der Volumenstrom kann in l/s oder in m³/h eingegeben werden; der jeweils andere Wert wird "
    "sofort berechnet. Mit der manometrischen Förderhöhe steht die Kupplungsleistung fest. "
    "Die Pumpzeiten ergeben die elektrische Arbeit und die Energiekosten.\r\n"
    "\r\n"
    "Der Pumpengesamtwirkungsgrad \"eta\" kann in der Liste rechts verändert werden, der "
    "Energiepreis im Feld Euro/kWh. Sind die Kosten einmal berechnet, kann jede Eingabe "
    "geändert werden; die Ergebnisse folgen sofort.\r\n"
    "\r\n"
    "Für Hinweise auf Fehler sind wir dankbar.\r\n";
}  // namespace

PumpEnergyInfoForm::PumpEnergyInfoForm(Application& app) : FormModel(app, Name) {
    appendLineBreakOnEdit("Text1");
}

void PumpEnergyInfoForm::design() {
    win() = {.title = "Programminformation - Energiekosten der Wasserförderung",
             .clientWidth = 10590,
             .clientHeight = 5955};
    add(Kind::TextBox, "Text1")
        .caption(Description)
        .at(240, 360, 10095, 4215)
        .multi()
        .font("MS Sans Serif", 9.75)
        .tab(0);
    add(Kind::Label, "Label1")
        .caption("Pumpenleistung bei einer Dichte von 1 kg/l ")
        .at(2640, 5220, 3495, 315);
    add(Kind::Picture, "Image1").at(6480, 4920, 3885, 825).pic("pump_power_formula.svg");
}

}  // namespace morvane
