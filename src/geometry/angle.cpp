#include "geometry/angle.h"

#include <cmath>

#include "shell/application.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(AngleForm);

AngleForm::AngleForm(Application& app) : FormModel(app, Name) {
    on(On::Click, "Option1", [this] {
        x = num("txtBetrag");
        // An exact 1 is moved just below it, away from the division by zero.
        if (x == 1)
            setNumber("txtBetrag", 0.99999999999999);
        else
            Beginn();
        x = num("txtBetrag");
        if (x > 1) {
            message("\r\nEingabefehler - Wert außerhalb des gültigen Wertebereiches");
            return;
        }
        Beginn();
        arkusSinus = atan(x / pow(1 - x * x, 0.5));
        showDegrees(arkusSinus);
    });
    on(On::Click, "Option2", [this] {
        Beginn();
        arkusKosinus = atan(-x / pow(1 - x * x, 0.5)) + 2 * std::atan(1.0);
        setNumber("lblArkuskosinus", arkusKosinus);
        showDegrees(arkusKosinus);
    });
    on(On::Click, "Option3", [this] { Beginn(); });
    on(On::Click, "Option4", [this] { Beginn(); });
}

void AngleForm::Beginn() {
    pi = 4 * std::atan(1.0);
    x = num("txtBetrag");
    arkusTangens = std::atan(x);
    show("lblATn", arkusTangens, Pattern::Dec4Blank);
}

void AngleForm::showDegrees(double radians) {
    grad = 180 * radians / pi;
    show("lblAlphaGrad", grad, Pattern::Dec2);
    gon = 400.0 / 360.0 * grad;
    show("lblAlphaGon", gon, Pattern::Dec2);
}

void AngleForm::design() {
    win() = {.title = "Wie groß ist der Winkel?",
             .clientWidth = 12195,
             .clientHeight = 3915,
             .focus = "Option1"};

    add(Kind::Frame, "Frame1").caption("Der Betrag ").at(360, 240, 3495, 2415);
    add(Kind::TextBox, "txtBetrag").in("Frame1").caption("0").at(1080, 0, 1935, 285).right().tab(4);
    add(Kind::Label, "Label1").in("Frame1").caption("ist der ").at(120, 480, 900, 255);
    const char* captions[] = {"Sinus Alpha", "Kosinus Alpha", "Tangens Alpha", "Kotangens Alpha"};
    const int tops[] = {480, 840, 1200, 1680};
    for (int i = 0; i < 4; ++i)
        option("Option" + std::to_string(i + 1), "Frame1", captions[i], 1080, tops[i], 2200, 315)
            .tab(i);
    const struct {
        const char *output, *caption;
        int top;
    } rows[] = {{"lblATn", "ArkusTangens", 360},
                {"lblArkuskosinus", "Arcus Kosinus Alpha", 960},
                {"lblAlphaGrad", "Winkel in Grad von 360", 1560},
                {"lblAlphaGon", "Winkel in gon (400 Neugrad = 360°)", 2160}};
    recordRow("Frame1", "txtBetrag");
    recordRow("Label1", "Option1");
    int n = 2;
    for (const auto& r : rows) {
        add(Kind::Label, r.output).at(4320, r.top, 1935, 375).output();
        add(Kind::Label, "Label" + std::to_string(n))
            .caption(r.caption)
            .at(6480, r.top + 60, 5400, 255);
        recordRow("Label" + std::to_string(n++), r.output);
    }
}

}  // namespace morvane
