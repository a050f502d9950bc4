#include "hydraulics/outflow.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(OutflowForm);

namespace {
constexpr double Pi = 3.1416;
constexpr double TwoG = 19.62;
}  // namespace

OutflowForm::OutflowForm(Application& app) : FormModel(app, Name) {
    onLoad([this] {
        std::vector<std::string> items;
        for (int i = 1; i <= 20; ++i) items.push_back(NumberText::format(i * 0.05, Pattern::Dec2));
        setItems("Listmue", items);
        setListIndex("Listmue", 12);  // "0,65"
    });
    on(On::Click, "Listmue", [this](Event& e) {
        const Control& list = c("Listmue");
        if (e.value < 0 || e.value >= static_cast<int>(list.items.size())) return;
        mue = list.items[static_cast<std::size_t>(e.value)];
        setCaption("lblMue", mue.text());
        Freigabe();
    });
    on(On::Click, "Option1", [this] {
        setText("txtAnzahl", "1");
        setVisible("txtAnzahl", true);
        setFlat("txtAnzahl", true);
        setEnabled("txtAnzahl", false);
        n = 1.0;
        visFläche();
    });
    on(On::Click, "Option2", [this] {
        setText("txtAnzahl", "");
        setVisible("txtAnzahl", true);
        setEnabled("txtAnzahl", true);
        setFlat("txtAnzahl", false);
        visFläche();
    });
    on(On::KeyUp, "txtAnzahl", [this] {
        n = text("txtAnzahl");
        Freigabe();
    });
    on(On::KeyUp, "txtDurchmesser", [this] {
        Freigabe();
        guarded(resetTo("txtDurchmesser", "0"), [this] {
            if (given(n)) setEnabled("Option1", false);
            if (given(n)) BerechnungFläche();
        });
    });
    // A typed area stands: it gives the diameter, the equivalent diameter and, once every
    // input is given, the outflows; the field itself is not rewritten while the user types.
    on(On::KeyUp, "txtFläche", [this] {
        guarded(resetTo("txtFläche", "0"), [this] {
            BerechnungDurchmesser();
            if (!given(n) || !given(d) || !given(h)) return;
            äquivalenterDurchmesser();
            Ausfluss();
            einzelLoch();
            AusflussjeZeit();
        });
    });
    on(On::KeyUp, "txth", [this] {
        guarded(resetTo("txth", "0"), [this] {
            Freigabe();
            einzelLoch();
            h = num("txth") / 1000;
            einzelLoch();
            Ausfluss();
            AusflussjeZeit();
        });
    });
    on(On::KeyUp, "txtAnzahlSchächte",
       [this] { guarded(resetTo("txtAnzahlSchächte", "1"), [this] { AusflussjeZeit(); }); });
    on(On::KeyUp, "txtAusflusszeit",
       [this] { guarded(resetTo("txtAusflusszeit", "1"), [this] { AusflussjeZeit(); }); });
    on(On::Scroll, "HScroll1", [this](Event& e) {
        setText("txtAusflusszeit", std::to_string(e.value));
        AusflussjeZeit();
    });
}

bool OutflowForm::given(const Value& v) { return !v.isEmpty() && !(v.text().empty()); }

void OutflowForm::visFläche() {
    setEnabled("txtDurchmesser", true);
    setEnabled("txtFläche", true);
}

void OutflowForm::Freigabe() {
    if (!given(n) || !given(d) || !given(h)) return;
    BerechnungFläche();
    Ausfluss();
    einzelLoch();
    AusflussjeZeit();
}

void OutflowForm::BerechnungFläche() {
    n = num("txtAnzahl");
    d = num("txtDurchmesser") / 1000;
    const Num dm = d.number();
    A = n.number() * (Pi * dm * dm / 4);
    show("txtFläche", A, Pattern::Dec5Blank);
    äquivalenterDurchmesser();
    setEnabled("txth", true);
    setEnabled("Listmue", true);
}

void OutflowForm::äquivalenterDurchmesser() {
    dEq = pow(4 * A / Pi, 0.5);
    show("lblÄquiDN", 1000 * dEq, Pattern::Int);
}

void OutflowForm::BerechnungDurchmesser() {
    n = num("txtAnzahl");
    A = num("txtFläche");
    d = pow(4 * A / n.number() / Pi, 0.5);
    show("txtDurchmesser", 1000 * d.number(), Pattern::Dec5Blank);
    setEnabled("txth", true);
}

void OutflowForm::Ausfluss() {
    Q = pow(h.number() * TwoG, 0.5) * (A * mue.number());
    show("lblQm3s", Q, Pattern::Dec5Blank);
    QLs = 1000 * Q;
    show("lblQls", QLs, Pattern::Dec1Blank);
    show("lblQm3h", 3600 * Q, Pattern::Dec1Blank);
}

void OutflowForm::einzelLoch() {
    d = num("txtDurchmesser") / 1000;
    const Num dm = d.number();
    a1 = Pi * dm * dm / 4;
    h = num("txth") / 1000;
    Q1 = pow(h.number() * TwoG, 0.5) * (a1 * (mue.number() * 1000));
    show("lblAusflussjeÖffnung", Q1, Pattern::Dec1Blank);
}

void OutflowForm::AusflussjeZeit() {
    schächte = num("txtAnzahlSchächte");
    zeit = num("txtAusflusszeit");
    V = schächte * (Q * (60 * zeit));
    show("lblAusflussmenge", V, Pattern::Dec1);
}

void OutflowForm::design() {
    win() = {.title = "Kalkulation des stationären Ausflusses aus Bodenöffnungen",
             .clientWidth = 10530,
             .clientHeight = 9405};

    Layout lay(*this, {.caption = piece(Kind::Label).at(360, 0, 4995, 420).wrap(),
                       .input = piece(Kind::TextBox).at(5520, 0, 1740, 315).right(),
                       .output = piece(Kind::Label).at(5520, 0, 1740, 285).output(),
                       .unit = piece(Kind::Label).at(7545, 30, 500, 255),
                       .captionArray = "Label1",
                       .unitArray = "Label2"});

    add(Kind::Frame, "Frame1").caption("Anzahl der Bodenöffnungen").at(360, 240, 4695, 855).bold_();
    option("Option1", "Frame1", "Eine Öffnung?", 240, 360, 2000, 315).tab(0);
    option("Option2", "Frame1", "mehr als 1 Öffnung?", 2400, 360, 2160, 315).tab(1);
    recordRow("Frame1", "Option1");

    lay.rows({
        {.caption = "Anzahl von Öffnungen mit gleichem Querschnitt, z.B. Schachtdeckel",
         .field = "txtAnzahl",
         .unit = "St.",
         .top = 1320,
         .tab = 2,
         .left = 6480,
         .width = 735,
         .tip = "mitunter 16 Löcher",
         .hidden = true,
         .disabled = true},
        {.caption = "Durchmesser einer Bodenöffnung, mitunter 38 mm",
         .field = "txtDurchmesser",
         .unit = "mm",
         .top = 1800,
         .tab = 3,
         .disabled = true},
        {.caption = "Fläche einer, bzw. aller Bodenöffnung/en",
         .field = "txtFläche",
         .unit = "m²",
         .top = 2280,
         .tab = 4,
         .disabled = true},
        {.caption = "äquivalenter Durchmesser einer gleichgroßen Gesamtfläche",
         .field = "lblÄquiDN",
         .unit = "mm",
         .top = 2760,
         .as = Field::Output,
         .left = 5880,
         .width = 1380},
        {.caption = "Konstante Wassersäule über der Ausflußöffnung",
         .field = "txth",
         .unit = "mm",
         .top = 3240,
         .tab = 5,
         .disabled = true},
        {"Ausfluss je Öffnung", "", "lblAusflussjeÖffnung", "l/s", 3720, Field::Output},
    });
    recordRow("Label3", "lblMue");

    add(Kind::Shape, "Shape2").at(120, 4440, 10065, 1695);
    note("Label4", 0,
         "Fremdwassermenge, die bei Überstau mit Regenwasser durch den Schachtdeckel in "
         "den Kanal fließt",
         360, 4560, 4995, 900)
        .bold_();
    // Three outputs under one heading.
    lay.rows({{.field = "lblQls",
               .unit = "l/s",
               .top = 4560,
               .as = Field::Output,
               .captionName = "Label4",
               .captionIndex = 0},
              {.field = "lblQm3s",
               .unit = "m³/s",
               .top = 5040,
               .as = Field::Output,
               .captionName = "Label4",
               .captionIndex = 0},
              {.field = "lblQm3h",
               .unit = "m³/h",
               .top = 5520,
               .as = Field::Output,
               .captionName = "Label4",
               .captionIndex = 0}});

    add(Kind::Shape, "Shape1").at(120, 6240, 10065, 2415);
    add(Kind::Label, "Label19")
        .caption(
            "Kalkulation der Fremdwassermenge bei mehreren Schächten unter analogen "
            "Verhältnissen")
        .at(360, 6360, 9600, 285)
        .bold_();
    lay.row({.caption = "Anzahl der Schächte",
             .field = "txtAnzahlSchächte",
             .unit = "St.",
             .top = 6960,
             .tab = 6,
             .text = "1",
             .left = 6600,
             .width = 735,
             .captionWidth = 2000});
    // The slider and the field show the same time.
    lay.caption("Ausflusszeit in Minuten", 7440).width = 2000;
    add(Kind::HScroll, "HScroll1").at(2520, 7440, 2535, 255).range(0, 180, 1, 10).val(0).tab(7);
    recordRow("Label1(7)", "HScroll1", "Label2(10)");
    lay.row({.field = "txtAusflusszeit",
             .unit = "min",
             .top = 7440,
             .tab = 8,
             .text = "10",
             .left = 6600,
             .width = 735,
             .captionName = "Label1",
             .captionIndex = 7});
    lay.row({.caption = "Ausflussmenge",
             .field = "lblAusflussmenge",
             .unit = "m³",
             .top = 7920,
             .as = Field::Output,
             .left = 5640,
             .width = 1695,
             .captionWidth = 2000});

    add(Kind::Shape, "Shape4").at(8160, 120, 2055, 4095);
    note("Label3", "Reibungsbeiwert mue", 8280, 240, 1815, 420).center();
    add(Kind::ListBox, "Listmue")
        .at(8760, 720, 795, 2460)
        .back(Color::LightYellow)
        .disabled()
        .tip("Änderung des Reibungsbeiwertes und ggf. Neuberechnung")
        .tab(9);
    add(Kind::Label, "lblMue").at(8760, 3360, 795, 285).framed().bold_().fore(Color::Blue);
    add(Kind::Label, "Label5").caption("gewählt").at(8760, 3720, 795, 255).fore(Color::Blue);

    note("Label26",
         "Die Öffnungen in den Schachtdeckeln dienen der Belüftung des Kanals und dürfen "
         "nicht  verschlossen werden, z.B. um zu verhindern, das Regenwasser als "
         "Fremdwasser in den Kanal tritt.",
         360, 8760, 7200, 495);
    note("Label27", "Programmierung: Morvane-Entwicklungsteam", 7680, 8760, 2520, 495);
}

}  // namespace morvane
