#include "hydraulics/outflow.h"

#include "shell/application.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(OutflowForm);

namespace {
constexpr double Pi = 3.1416;
constexpr double TwoG = 19.62;
constexpr const char* To0 = "Tippfehler - Wert wird auf 0 gesetzt";
constexpr const char* To1 = "Tippfehler - Wert wird auf 1 gesetzt";
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
    auto& w = win();
    w.title = "Kalkulation des stationären Ausflusses aus Bodenöffnungen";
    w.clientWidth = 10530;
    w.clientHeight = 9405;

    auto caption = [this](int index, const char* text, int top, int width = 4995) -> Control& {
        return add(Kind::Label, "Label1", index).caption(text).at(360, top, width, 420).wrap();
    };
    auto unit = [this](int index, const char* text, int top) {
        add(Kind::Label, "Label2", index).caption(text).at(7545, top, 500, 255);
    };
    auto output = [this](const char* name, int left, int top, int width) -> Control& {
        return add(Kind::Label, name).at(left, top, width, 285).output();
    };

    add(Kind::Frame, "Frame1").caption("Anzahl der Bodenöffnungen").at(360, 240, 4695, 855).bold_();
    add(Kind::Option, "Option1")
        .in("Frame1")
        .caption("Eine Öffnung?")
        .at(240, 360, 2000, 315)
        .tab(0);
    add(Kind::Option, "Option2")
        .in("Frame1")
        .caption("mehr als 1 Öffnung?")
        .at(2400, 360, 2160, 315)
        .tab(1);

    caption(0, "Anzahl von Öffnungen mit gleichem Querschnitt, z.B. Schachtdeckel", 1320);
    add(Kind::TextBox, "txtAnzahl")
        .at(6480, 1320, 735, 315)
        .right()
        .hidden()
        .disabled()
        .tip("mitunter 16 Löcher")
        .tab(2);
    unit(0, "St.", 1350);
    caption(1, "Durchmesser einer Bodenöffnung, mitunter 38 mm", 1800);
    add(Kind::TextBox, "txtDurchmesser").at(5520, 1800, 1740, 315).right().disabled().tab(3);
    unit(1, "mm", 1830);
    caption(2, "Fläche einer, bzw. aller Bodenöffnung/en", 2280);
    add(Kind::TextBox, "txtFläche").at(5520, 2280, 1740, 315).right().disabled().tab(4);
    unit(2, "m²", 2310);
    caption(3, "äquivalenter Durchmesser einer gleichgroßen Gesamtfläche", 2760);
    output("lblÄquiDN", 5880, 2760, 1380);
    unit(3, "mm", 2790);
    caption(4, "Konstante Wassersäule über der Ausflußöffnung", 3240);
    add(Kind::TextBox, "txth").at(5520, 3240, 1740, 315).right().disabled().tab(5);
    unit(4, "mm", 3270);
    caption(5, "Ausfluss je Öffnung", 3720);
    output("lblAusflussjeÖffnung", 5520, 3720, 1740);
    unit(5, "l/s", 3750);

    add(Kind::Shape, "Shape2").at(120, 4440, 10065, 1695);
    add(Kind::Label, "Label4", 0)
        .caption(
            "Fremdwassermenge, die bei Überstau mit Regenwasser durch den Schachtdeckel in "
            "den Kanal fließt")
        .at(360, 4560, 4995, 900)
        .wrap()
        .bold_();
    output("lblQls", 5520, 4560, 1740);
    unit(6, "l/s", 4590);
    output("lblQm3s", 5520, 5040, 1740);
    unit(7, "m³/s", 5070);
    output("lblQm3h", 5520, 5520, 1740);
    unit(8, "m³/h", 5550);

    add(Kind::Shape, "Shape1").at(120, 6240, 10065, 2415);
    add(Kind::Label, "Label19")
        .caption(
            "Kalkulation der Fremdwassermenge bei mehreren Schächten unter analogen "
            "Verhältnissen")
        .at(360, 6360, 9600, 285)
        .bold_();
    caption(6, "Anzahl der Schächte", 6960, 2000);
    add(Kind::TextBox, "txtAnzahlSchächte").caption("1").at(6600, 6960, 735, 315).right().tab(6);
    unit(9, "St.", 6990);
    caption(7, "Ausflusszeit in Minuten", 7440, 2000);
    add(Kind::HScroll, "HScroll1").at(2520, 7440, 2535, 255).range(0, 180, 1, 10).val(0).tab(7);
    add(Kind::TextBox, "txtAusflusszeit").caption("10").at(6600, 7440, 735, 315).right().tab(8);
    unit(10, "min", 7470);
    caption(8, "Ausflussmenge", 7920, 2000);
    output("lblAusflussmenge", 5640, 7920, 1695);
    unit(11, "m³", 7950);

    add(Kind::Shape, "Shape4").at(8160, 120, 2055, 4095);
    add(Kind::Label, "Label3")
        .caption("Reibungsbeiwert mue")
        .at(8280, 240, 1815, 420)
        .wrap()
        .center();
    add(Kind::ListBox, "Listmue")
        .at(8760, 720, 795, 2460)
        .back(Color::LightYellow)
        .disabled()
        .tip("Änderung des Reibungsbeiwertes und ggf. Neuberechnung")
        .tab(9);
    add(Kind::Label, "lblMue").at(8760, 3360, 795, 285).framed().bold_().fore(Color::Blue);
    add(Kind::Label, "Label5").caption("gewählt").at(8760, 3720, 795, 255).fore(Color::Blue);

    add(Kind::Label, "Label26")
        .caption(
            "Die Öffnungen in den Schachtdeckeln dienen der Belüftung des Kanals und dürfen "
            "nicht  verschlossen werden, z.B. um zu verhindern, das Regenwasser als "
            "Fremdwasser in den Kanal tritt.")
        .at(360, 8760, 7200, 495)
        .wrap();
    add(Kind::Label, "Label27")
        .caption("Programmierung: Morvane-Entwicklungsteam")
        .at(7680, 8760, 2520, 495)
        .wrap();

    recordRow("Frame1", "Option1");
    const char* fields[] = {"txtAnzahl", "txtDurchmesser", "txtFläche",
                            "lblÄquiDN", "txth",           "lblAusflussjeÖffnung"};
    for (int i = 0; i < 6; ++i)
        recordRow(controlKey("Label1", i), fields[i], controlKey("Label2", i));
    recordRow("Label3", "lblMue");
    recordRow("Label4(0)", "lblQls", "Label2(6)");
    recordRow("Label4(0)", "lblQm3s", "Label2(7)");
    recordRow("Label4(0)", "lblQm3h", "Label2(8)");
    recordRow("Label1(6)", "txtAnzahlSchächte", "Label2(9)");
    recordRow("Label1(7)", "HScroll1", "Label2(10)");
    recordRow("Label1(7)", "txtAusflusszeit", "Label2(10)");
    recordRow("Label1(8)", "lblAusflussmenge", "Label2(11)");
}

}  // namespace morvane
