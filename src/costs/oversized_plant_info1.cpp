#include "costs/oversized_plant_info1.h"

#include "shell/application.h"

namespace morvane {

MORVANE_REGISTER_FORM(OversizedPlantInfo1);

namespace {
constexpr const char* Text =
    "Es ist kein Geheimnis, dass Kläranlagen mitunter aus den verschiedensten Gründen "
    "zu groß dimensioniert werden.\r\n\r\nDie Kosten einer unverhältnismäßigen "
    "Überdimensionierung dürfen nicht über Gebühren und Beiträge auf die Bürger "
    "umgelegt werden. Die daraus folgenden Beträge sind jedoch meist deutlich "
    "geringer, als zunächst angenommen wird: Eine Kläranlage für 30.000 EW, die 25,5 "
    "Mio DM gekostet hat und nur zur Hälfte ausgelastet ist, ergibt nur rund 1,7 Mio "
    "DM nicht gebührenfähigen Aufwand.\r\n\r\nWeitere Investitionen, nur um die "
    "Anlage besser auszulasten, sind deshalb selten sinnvoll.\r\n\r\nFür eine genaue "
    "Berechnung im Einzelfall empfiehlt sich Morvane als Ihr Partner.\r\n\r\nDas hier "
    "verwendete Verfahren wurde von einem Oberverwaltungsgericht bestätigt. "
    "Anlagenreserven bis zu 20 % gelten danach als zulässig.\r\n\r\nDie "
    "reinigungsrelevanten, last- und mengenabhängigen Anlagenteile machen "
    "erfahrungsgemäß etwa 30 % der Investitionskosten einer Kläranlage aus.\r\n";
}

OversizedPlantInfo1::OversizedPlantInfo1(Application& app)
    : TextWindow(
          app, Name, "Anwendungshinweise", Text, 10425, 4800,
          {{"Kläranlagen zu groß bemessen!", 120, 120, 4500}, {"Was nun?", 7800, 120, 2400}}) {}

}  // namespace morvane
