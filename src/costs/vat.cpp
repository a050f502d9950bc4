#include "costs/vat.h"

#include "shell/application.h"
#include "shell/layout.h"
#include "shell/number_text.h"
#include "shell/patterns.h"

namespace morvane {

MORVANE_REGISTER_FORM(VatForm);

namespace {
constexpr double DmPerEuro = 1.95583;
}  // namespace

VatForm::VatForm(Application& app) : FormModel(app, Name) {
    onLoad([this] {
        setText("USTProzent", NumberText::formatText(text("USTProzent"), Pattern::Dec1));
    });

    amountReaction("BruttoDM", [this] {
        Kurs = DmPerEuro;
        amount("NettoDM", num("BruttoDM") / (rate() / 100 + 1));
        amount("UstDM", num("NettoDM") * rate() / 100);
        amount("BruttoEuro", num("BruttoDM") / Kurs.number());
        amount("UstEuro", num("UstDM") / Kurs.number());
        amount("NettoEuro", num("BruttoEuro") - num("UstEuro"));
    });
    amountReaction("BruttoEuro", [this] {
        amount("NettoEuro", num("BruttoEuro") / (rate() / 100 + 1));
        amount("UstEuro", num("NettoEuro") * rate() / 100);
        Kurs = DmPerEuro;
        amount("BruttoDM", num("BruttoEuro") * Kurs.number());
        amount("UstDM", num("UstEuro") * Kurs.number());
        amount("NettoDM", num("BruttoDM") - num("UstDM"));
    });
    amountReaction("NettoDM", [this] {
        Kurs = DmPerEuro;
        Netto = fixed("NettoDM");
        setNumber("USTProzent", NumberText::fixed4(rate()));
        amount("UstDM", num("NettoDM") * rate() / 100);
        Steuer = fixed("UstDM");
        amount("BruttoDM", NumberText::fixed4(Netto + Steuer));
        setText("USTProzent", NumberText::formatText(text("USTProzent"), Pattern::Dec1Blank));
        amount("BruttoEuro", num("BruttoDM") / Kurs.number());
        amount("UstEuro", num("UstDM") / Kurs.number());
        amount("NettoEuro", num("BruttoEuro") - num("UstEuro"));
    });
    amountReaction("NettoEuro", [this] {
        amount("UstEuro", num("NettoEuro") * rate() / 100);
        Netto = fixed("NettoEuro");
        Steuer = fixed("UstEuro");
        amount("BruttoEuro", NumberText::fixed4(Netto + Steuer));
        setText("USTProzent", NumberText::formatText(text("USTProzent"), Pattern::Dec1));
        Kurs = DmPerEuro;
        amount("BruttoDM", num("BruttoEuro") * Kurs.number());
        amount("UstDM", num("UstEuro") * Kurs.number());
        amount("NettoDM", num("BruttoDM") - num("UstDM"));
    });
    // The tax in one currency gives the net and gross in it, then the other currency.
    auto fromTax = [this](const char* tax, const char* net, const char* gross, bool dm) {
        Steuer = fixed(tax);
        amount(net, num(tax) / (rate() / 100));
        amount(gross, NumberText::fixed4(num(net) + Steuer));
        setText("USTProzent", NumberText::formatText(text("USTProzent"), Pattern::Dec1));
        Kurs = DmPerEuro;
        if (dm) {
            amount("BruttoEuro", num("BruttoDM") / Kurs.number());
            amount("UstEuro", num("UstDM") / Kurs.number());
            amount("NettoEuro", num("BruttoEuro") - num("UstEuro"));
        } else {
            amount("BruttoDM", num("BruttoEuro") * Kurs.number());
            amount("UstDM", num("UstEuro") * Kurs.number());
            amount("NettoDM", num("BruttoDM") - num("UstDM"));
        }
    };
    amountReaction("UstDM", [fromTax] { fromTax("UstDM", "NettoDM", "BruttoDM", true); });
    amountReaction("UstEuro", [fromTax] { fromTax("UstEuro", "NettoEuro", "BruttoEuro", false); });

    on(On::KeyUp, "USTProzent", [this] {
        if (text("NettoDM") == "0") {
            message(
                "\r\nBitte zuerst einen anderen Parameter eingeben, um Divisionen durch Null "
                "zu vermeiden!",
                "Unzweckmäßige Eingabereihenfolge");
            return;
        }
        FunktionUSTProzent();
    });
    on(On::Click, "Option1", [this] {
        setOuterWidth(8625);
        setWidth("Shape1", 7695);
    });
    on(On::Click, "Option2", [this] { Kopierformat(); });
}

void VatForm::amountReaction(const char* field, std::function<void()> body) {
    on(On::KeyUp, field, [this, field, body = std::move(body)] {
        setEnabled("USTProzent", true);
        setBackColor("USTProzent", Color::WindowBackground);
        guarded(resetTo(field, "0"), body);
    });
}

Num VatForm::fixed(std::string_view key) const { return NumberText::fixed4(num(key)); }

void VatForm::amount(std::string_view key, Num value) { show(key, value, Pattern::Dec2Blank); }

void VatForm::FunktionUSTProzent() {
    amount("UstDM", num("NettoDM") * rate() / 100);
    Steuer = fixed("UstDM");
    amount("BruttoDM", NumberText::fixed4(num("NettoDM") + Steuer));
    amount("UstEuro", num("UstDM") / Kurs.number());
    Steuer = fixed("UstEuro");
    amount("BruttoEuro", NumberText::fixed4(num("NettoEuro") + Steuer));
}

void VatForm::Kopierformat() {
    setWindowBackColor(Color::WindowBackground);
    for (int i = 0; i <= 2; ++i) setBackColor(controlKey("Text1", i), Color::WindowBackground);
    for (int i = 1; i <= 6; ++i) setBackColor(controlKey("Label1", i), Color::WindowBackground);
    setBackColor("Frame1", Color::WindowBackground);
    for (const char* key :
         {"USTProzent", "NettoEuro", "UstEuro", "BruttoEuro", "NettoDM", "UstDM", "BruttoDM"})
        setFlat(key, true);
    setOuterHeight(2535);
}

void VatForm::design() {
    win() = {.title = "Umsatzsteuerrechner - Morvane",
             .clientWidth = 9285,
             .clientHeight = 4980,
             .focus = "NettoDM"};

    Layout lay(*this, {.input = piece(Kind::TextBox)
                                    .at(0, 0, 1815, 0)
                                    .multi(false)
                                    .right()
                                    .back(Color::ActiveTitleText),
                       .label = piece(Kind::TextBox)
                                    .at(0, 0, 0, 330)
                                    .colors(Color::MenuText, Color::ButtonFace)
                                    .framed(false)
                                    .noTab(),
                       .captionArray = "Text1"});
    lay.label(2, "Netto", 360, 360, 735);
    lay.label(1, "% UST", 1080, 840, 975);
    lay.label(0, "Brutto", 360, 1320, 735);
    add(Kind::Shape, "Shape1").at(120, 180, 4935, 1635);
    add(Kind::TextBox, "USTProzent")
        .caption("19\r\n")
        .at(360, 780, 615, 360)
        .multi(false)
        .center()
        .font("Arial", 12)
        .colors(Color::Black, Color::LightYellow)
        .disabled()
        .tab(6);

    lay.input("NettoEuro", 2280, 300, 1815, 360).tab(3);
    lay.input("UstEuro", 2280, 840, 1815, 360).tab(4);
    lay.input("BruttoEuro", 2280, 1320, 1815, 375).tab(5);
    lay.input("NettoDM", 5280, 315, 1815, 360).tab(0);
    lay.input("UstDM", 5280, 780, 1815, 360).tab(1);
    lay.input("BruttoDM", 5280, 1260, 1815, 345).tab(2);
    const int euroTops[] = {330, 795, 1305};
    const int dmTops[] = {360, 810, 1290};
    for (int i = 0; i < 3; ++i) {
        add(Kind::Label, "Label1", i + 4).caption("Euro").at(4200, euroTops[i], 700, 255);
        add(Kind::Label, "Label1", i + 1).caption("DM").at(7200, dmTops[i], 500, 255);
    }
    // The options below choose how the window looks; they are no part of the record.
    const char* const reading[][3] = {
        {"Text1(2)", "NettoEuro", "Label1(4)"},  {"Text1(1)", "UstEuro", "Label1(5)"},
        {"Text1(0)", "BruttoEuro", "Label1(6)"}, {"Text1(2)", "NettoDM", "Label1(1)"},
        {"Text1(1)", "UstDM", "Label1(2)"},      {"Text1(0)", "BruttoDM", "Label1(3)"},
        {"Text1(1)", "USTProzent", ""}};
    for (const auto& r : reading) recordRow(r[0], r[1], r[2]);
    add(Kind::Frame, "Frame1").at(120, 2040, 4935, 855);
    option("Option1", "Frame1", "in DM", 120, 300, 1335, 375).font("MS Sans Serif", 9.75).tab(7);
    option("Option2", "Frame1", "weißer Hintergrund", 2640, 300, 2175, 375)
        .font("MS Sans Serif", 9.75)
        .tab(8);
}

}  // namespace morvane
