#include "shell/start_window.h"

#include "shell/application.h"
#include "shell/links.h"

namespace morvane {

MORVANE_REGISTER_FORM(StartWindow);

void AdresseÖffnen(Platform& platform, const std::string& address) { platform.shellOpen(address); }

namespace {

// The windows a menu entry closes before it opens its own, in this order.
constexpr const char* CloseList[] = {
    "frmIndex",          "frmAutor",           "frmgewährleistung", "frmUpdate",   "frmVersion",
    "frmSchlamm",        "frmSchlammA",        "frmSchlammB",       "frmSchlammC", "frmSchlammD",
    "frmSchlammEindick", "frmSchlammStart",    "frmEuro",           "frmEW",       "frmgroseKA",
    "frmgroseKAInfo1",   "frmgroseKAInfo2",    "frmGroseKAInfo5",   "frmNagel",    "frmEnergiePW",
    "frmEnergiePWInfo",  "frmThomsen",         "frmKreis",          "frmNagel",    "frmJKKKA",
    "frmRegenspende",    "frmPyramidenstumpf",
};

enum class Does { Parent, Open, Link };

struct Entry {
    int level;
    const char* name;
    int index;
    const char* caption;
    Does does;
    const char* target;  // window or address
};

// The menu tree in display order.
const Entry Menu[] = {
    {1, "Abwasserbehandlung", -1, "Abwasserbehandlung", Does::Parent, nullptr},
    {2, "Einwohnergleichwert", -1, "Einwohnergleichwert", Does::Open, "frmEW"},
    {2, "Teiche", -1, "Teiche", Does::Parent, nullptr},
    {3, "natürlichTeiche", -1, "natürlich belüftet", Does::Open, "frm_natürl_bel_Teich"},
    {3, "KOnstruktion", -1, "Konstruktion", Does::Open, "frmPyramidenstumpf"},
    {1, "Technik", -1, "Technik", Does::Parent, nullptr},
    {2, "kanhy", -1, "Hydraulik", Does::Parent, nullptr},
    {3, "Gefällegegeben", -1, "Gefälle gegeben", Does::Open, "frmGefaelle_gegeben"},
    {3, "Gefällegesucht", -1, "Gefälle gesucht", Does::Open, "frmGefaelle_gesucht"},
    {3, "Thomsen", -1, "Thomsen", Does::Open, "frmThomsen"},
    {3, "Bodenausfluss", -1, "Ausfluss", Does::Open, "frmhyAusfluss"},
    {3, "Bodendruck", -1, "Bodendruckkraft", Does::Open, "frmBodendruck"},
    {2, "Regen", -1, "Regen und Regenabfluß", Does::Open, "frmRegenspende"},
    {2, "Sauerstoffsättigung", -1, "Sauerstoffsättigung", Does::Open, "frmCs"},
    {2, "Abwasserlast", -1, "Abwasserlast", Does::Open, "frmEW"},
    {2, "Schlamm1", -1, "Schlammengen nach eigenen Daten", Does::Open, "frmSchlamm"},
    {2, "Schlamm2", -1, "Schlammengen nach Ostrelt", Does::Open, "frmSchlammStart"},
    {2, "Entwässerung", -1, "Schlammentwässerung", Does::Open, "frmSchlammEindick"},
    {2, "LeistungPumpen", 1, "Kupplungsleistung Pumpen", Does::Open, "frmEnergiePW"},
    {1, "Kosten", -1, "Kosten", Does::Parent, nullptr},
    {2, "Hochrechnung_2003", -1, "Preisbasis 2003", Does::Open, "frmIndex"},
    {2, "Überbemessung", -1, "Zu grosse KA?", Does::Open, "frmgroseKA"},
    {2, "EnergiekostenPumpen", -1, "Energiekosten Pumpen", Does::Open, "frmEnergiePW"},
    {2, "KKA", -1, "Kleinkläranlagen", Does::Open, "frmJKKKA"},
    {1, "Sonstiges", -1, "Sonstiges", Does::Parent, nullptr},
    {2, "Kreis", -1, "Kreis + Zylinder", Does::Open, "frmKreis"},
    {2, "Pyramidenstumpf", -1, "Pyramidenstumpf", Does::Open, "frmPyramidenstumpf"},
    {2, "Katze", -1, "Miezekatze", Does::Open, "frmAutor"},
    {2, "Humor", -1, "Humor - Internet", Does::Link, Links::Humour},
    {1, "Umsatzsteuer", -1, "Umsatzsteuer", Does::Open, "frmEuro"},
    {1, "Problemlösung", -1, "Problemlösung", Does::Open, "frmNagel"},
    {1, "internet", -1, "Internetverbindungen", Does::Parent, nullptr},
    {2, "Homepage", -1, "Homepage des Instituts", Does::Link, Links::HomePage},
    {2, "Newsletter", -1, "Newsletter bestellen", Does::Link, Links::HomePageSlash},
    {2, "download", -1, "Programme download", Does::Link, Links::Download},
    {2, "e_mail", -1, "e-Mail an das  Institut", Does::Link, Links::Mail},
    {2, "Abwasserkosten", -1, "Abwasserkosten 2003", Does::Link, Links::WastewaterCosts},
    {1, "Rechte", -1, "Rechte", Does::Parent, nullptr},
    {2, "Nutzungsrechte", -1, "Nutzungsfreigabe", Does::Open, "frmNutzungsrechte"},
    {2, "Gewährleistung", -1, "Gewährleistung", Does::Open, "frmgewährleistung"},
    {2, "Urheberrechte", -1, "Urheberrechte", Does::Link, Links::HomePage},
    {1, "Updatemnu", 1, "Update", Does::Open, "frmUpdate"},
    {1, "Version", -1, "Version", Does::Open, "frmVersion"},
};

}  // namespace

StartWindow::StartWindow(Application& application) : FormModel(application, Name) {
    for (const Entry& e : Menu) {
        const std::string key = controlKey(e.name, e.index);
        const std::string target = e.target ? e.target : "";
        if (e.does == Does::Open) {
            if (std::string(e.name) == "Schlamm2") {
                // The origin tables replace the sludge window but leave the others open.
                on(On::Click, key, [this] {
                    this->app().close("frmSchlamm");
                    openWindow("frmSchlammStart", false);
                });
            } else {
                on(On::Click, key, [this, target] { openWindow(target); });
            }
        } else if (e.does == Does::Link) {
            const char* address = e.target;
            on(On::Click, key, [this, address] { openLink(address); });
        }
    }
    on(On::Submenu, "Teiche", [this] { schließen(); });
}

void StartWindow::design() {
    win() = {.title = AppTitle,
             .clientWidth = 13965,
             .clientHeight = 300,
             .left = 315,
             .top = 660,
             .backColor = Color::ActiveBorder};

    std::string parents[4];
    for (const Entry& e : Menu) {
        add(Kind::Menu, e.name, e.index).caption(e.caption).menuOf(parents[e.level - 1]);
        parents[e.level] = controlKey(e.name, e.index);
    }
}

void StartWindow::schließen() {
    for (const char* form : CloseList) app().close(form);
}

void StartWindow::openWindow(const std::string& form, bool closeFirst) {
    if (closeFirst) schließen();
    app().open(form);
}

void StartWindow::openLink(const char* address) {
    schließen();
    Adresse = address;
    AdresseÖffnen(platform(), Adresse);
}

}  // namespace morvane
