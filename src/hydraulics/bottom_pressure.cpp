#include "hydraulics/bottom_pressure.h"

#include "shell/application.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(BottomPressureForm);

BottomPressureForm::BottomPressureForm(Application& app) : FormModel(app, Name) {
    on(On::KeyUp, "txtd", [this] {
        guarded({.text = TypingErrorToZero, .reset = {{"txtd", ""}, {"txtWS", ""}}}, [this] {
            Kreisfläche();
            if (!empty("txtWS")) Wasser();
        });
    });
    on(On::KeyUp, "txtWS", [this] {
        guarded({.text = TypingErrorToZero, .reset = {{"txtWS", ""}}}, [this] {
            if (!empty("txtd")) Wasser();
        });
    });
    on(On::Click, "Command1", [this] {
        setNumber("txtd", 1128.37784777716);
        setText("txtWS", "10");
        Kreisfläche();
        Wasser();
    });
}

void BottomPressureForm::design() {
    win() = {.title = "Ermittlung der Bodendruckkkraft",
             .clientWidth = 5550,
             .clientHeight = 4860,
             .focus = "txtd"};

    add(Kind::Label, "Label1").caption("Durchmesser in mm").at(800, 240, 2400, 255);
    add(Kind::TextBox, "txtd").at(3360, 240, 1300, 285).right().tab(0);
    add(Kind::Label, "Label2").caption("Druckhöhe in m WS").at(800, 720, 2400, 255);
    add(Kind::TextBox, "txtWS").at(3360, 720, 1300, 285).right().tab(1);
    add(Kind::Label, "Label4").caption("Fläche in m²").at(800, 1200, 2400, 255);

    struct Row {
        const char* output;
        int top;
    };
    const Row outputs[] = {
        {"lblFläche", 1200}, {"lblkp", 1560}, {"LblN", 1920}, {"lblPa", 2280}, {"lblkpcm", 2640}};
    const char* captions[] = {"Bodendruckkraft in kp", "Bodendruckkraft in N",
                              "Bodendruck in Pa (N/m²)", "Bodendruck in kp/cm² bzw. bar"};
    for (int i = 0; i < 4; ++i)
        add(Kind::Label, "Label3", i)
            .caption(captions[i])
            .at(i == 3 ? 795 : 800, outputs[i + 1].top, 2500, 255);
    for (const Row& r : outputs)
        add(Kind::Label, r.output)
            .at(3360, r.top, 1305, 255)
            .right()
            .framed()
            .back(Color::WindowBackground)
            .fore(Color::WindowText);

    note("Label5",
         "Das Programm dient z.B. der Kalkualtion der Bodendruckkkraft auf einen "
         "geschlossenen Kanaldeckel oder auf eine Endkappe einer Rohrleitung.",
         840, 3240, 3975, 735);
    add(Kind::Command, "Command1")
        .caption("Probe: Kreisfläche = 1 m² und Druckhöhe = 10 m WS")
        .at(840, 4200, 3975, 375)
        .tab(2);

    recordRow("Label1", "txtd");
    recordRow("Label2", "txtWS");
    recordRow("Label4", "lblFläche");
    for (int i = 0; i < 4; ++i) recordRow(controlKey("Label3", i), outputs[i + 1].output);
}

void BottomPressureForm::Kreisfläche() {
    durchmesser = num("txtd") / 1000;
    fläche = 3.1416 * durchmesser * durchmesser / 4;
    show("lblFläche", fläche, Pattern::Dec4Blank);
}

void BottomPressureForm::Wasser() {
    druckhöhe = num("txtWS");
    kraftKp = druckhöhe * fläche * 1000;
    show("lblkp", kraftKp, Pattern::Dec1Blank);
    kraftN = 9.81 * kraftKp;
    show("LblN", kraftN, Pattern::Dec1Blank);
    druckPa = kraftN / fläche;
    show("lblPa", druckPa, Pattern::Dec1Blank);
    druckKpCm2 = kraftKp / (10000 * fläche);
    show("lblkpcm", druckKpCm2, Pattern::Dec1Blank);
}

}  // namespace morvane
