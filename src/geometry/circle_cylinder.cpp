#include "geometry/circle_cylinder.h"

#include "shell/application.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(CircleCylinderForm);

namespace {
constexpr double Pi = 3.1416;
constexpr std::string_view VolumeCharacters = "0123456789.,-+*^";

Guard resetTo0(const char* field) { return resetTo(field, "0"); }
}  // namespace

CircleCylinderForm::CircleCylinderForm(Application& app) : FormModel(app, Name) {
    on(On::KeyUp, "txtDurchmesser", [this] {
        guarded(resetTo0("txtDurchmesser"), [this] {
            BerechnungFläche();
            if (isSet(h, "txtZylinderhöhe")) BerechnungZylindervolumen();
        });
    });
    on(On::KeyUp, "txtFläche", [this] {
        guarded(resetTo0("txtFläche"), [this] {
            BerechnungDurchmesser();
            if (isSet(h, "txtZylinderhöhe")) BerechnungZylindervolumen();
        });
    });
    on(On::KeyUp, "txtZylinderhöhe",
       [this] { guarded(resetTo0("txtZylinderhöhe"), [this] { BerechnungZylindervolumen(); }); });
    on(On::KeyUp, "txtZylindervolumen", [this] {
        guarded(resetTo0("txtZylindervolumen"), [this] {
            if (isSet(V, "txtZylindervolumen")) BerechnungZylinderhöhe();
        });
    });
    on(On::KeyPress, "txtZylindervolumen", [this](Event& e) {
        if (e.key == Key::Backspace ||
            (e.key > 0 && e.key < 128 &&
             VolumeCharacters.find(static_cast<char>(e.key)) != std::string_view::npos))
            return;
        e.key = 0;
        setText("txtZylindervolumen", "0");
        message(std::string("\r\n") + TypingErrorToZero);
    });
}

Num CircleCylinderForm::value(const Quantity& q, std::string_view field) const {
    switch (q.state) {
        case Quantity::State::Typed: return num(field);
        case Quantity::State::Computed: return q.number;
        default: return 0;
    }
}

bool CircleCylinderForm::isSet(const Quantity& q, std::string_view field) const {
    switch (q.state) {
        case Quantity::State::Typed: return !empty(field);
        case Quantity::State::Computed: return q.number != 0;
        default: return false;
    }
}

void CircleCylinderForm::write(std::string_view field, double v) {
    setText(field, NumberText::format(v, Pattern::Dec3Blank));
}

void CircleCylinderForm::BerechnungFläche() {
    typed(d);
    const Num dm = value(d, "txtDurchmesser");
    computed(A, Pi * dm * dm / 4);
    write("txtFläche", A.number);
}

void CircleCylinderForm::BerechnungDurchmesser() {
    typed(A);
    const Num area = value(A, "txtFläche");
    computed(d, pow(4 * area / Pi, 0.5));
    write("txtDurchmesser", d.number);
}

void CircleCylinderForm::BerechnungZylindervolumen() {
    typed(h);
    computed(V, value(A, "txtFläche") * value(h, "txtZylinderhöhe"));
    write("txtZylindervolumen", V.number);
}

void CircleCylinderForm::BerechnungZylinderhöhe() {
    typed(V);
    computed(h, value(V, "txtZylindervolumen") / value(A, "txtFläche"));
    write("txtZylinderhöhe", h.number);
}

void CircleCylinderForm::design() {
    win() = {.title = "Kreis und Zylinder",
             .clientWidth = 4665,
             .clientHeight = 2520,
             .focus = "txtDurchmesser"};

    add(Kind::Label, "Label3", 1).caption("Kreisberechnung").at(240, 120, 2280, 255).bold_();
    add(Kind::Label, "Label1").caption("Eingabe/Ergebnis Durchmesser").at(240, 480, 2340, 255);
    add(Kind::TextBox, "txtDurchmesser").at(2640, 480, 1635, 300).right().tab(0);
    add(Kind::Label, "Label2").caption("Eingabe/Ergebnis Fläche").at(240, 840, 2340, 255);
    add(Kind::TextBox, "txtFläche").at(2640, 840, 1635, 300).right().tab(1);
    add(Kind::Label, "Label3", 0).caption("Zylinderberechnung").at(240, 1320, 2280, 255).bold_();
    add(Kind::Shape, "Shape1").at(120, 1560, 4425, 780);
    add(Kind::Label, "Label4").caption("Zylinderhöhe").at(240, 1680, 2340, 255);
    add(Kind::TextBox, "txtZylinderhöhe").at(2640, 1620, 1695, 285).right().tab(2);
    add(Kind::Label, "Label5").caption("Zylindervolumen").at(240, 1980, 2340, 255);
    add(Kind::TextBox, "txtZylindervolumen").at(2640, 1920, 1695, 285).right().tab(3);

    recordRow("Label1", "txtDurchmesser");
    recordRow("Label2", "txtFläche");
    recordRow("Label4", "txtZylinderhöhe");
    recordRow("Label5", "txtZylindervolumen");
}

}  // namespace morvane
