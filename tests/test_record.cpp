// The calculation record: what every calculator declares, and how the record reads a window.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "recording_platform.h"
#include "replay.h"
#include "shell/application.h"
#include "shell/record.h"

namespace morvane {
namespace {

const std::set<std::string> Calculators = {"frmGefaelle_gegeben",
                                           "frmGefaelle_gesucht",
                                           "frmThomsen",
                                           "frmhyAusfluss",
                                           "frmBodendruck",
                                           "frmRegenspende",
                                           "frmEW",
                                           "frmBSB",
                                           "frmCs",
                                           "frmSchlamm",
                                           "frmSchlammEindick",
                                           "frm_natürl_bel_Teich",
                                           "frmPyramidenstumpf",
                                           "frmKreis",
                                           "frmWinkel",
                                           "frmIndex",
                                           "frmgroseKA",
                                           "frmJKKKA",
                                           "frmEnergiePW",
                                           "frmEuro"};

bool shows(const Control& c) {
    switch (c.kind) {
        case Kind::TextBox:
        case Kind::Label:
        case Kind::Option:
        case Kind::CheckBox:
        case Kind::ListBox:
        case Kind::HScroll: return true;
        default: return false;
    }
}

// Every calculator has a record, nothing else has one, and every row names controls of
// the window: captions and units that show a text, fields that show a value, each field
// once.
TEST(Record, EveryCalculatorDeclaresRowsOfItsOwnControls) {
    RecordingPlatform platform;
    Application app(platform);
    for (const std::string& name : Application::registeredForms()) {
        SCOPED_TRACE(name);
        FormModel& f = app.model(name);
        f.init();
        EXPECT_EQ(hasRecord(f), Calculators.count(name) == 1);
        std::set<std::string> fields;
        for (const RecordRow& row : f.recordRows()) {
            SCOPED_TRACE(row.field);
            ASSERT_TRUE(f.has(row.field));
            EXPECT_TRUE(shows(f.c(row.field)));
            EXPECT_TRUE(fields.insert(row.field).second) << "declared twice";
            for (const std::string* key : {&row.caption, &row.unit, &row.column}) {
                if (key->empty()) continue;
                ASSERT_TRUE(f.has(*key)) << *key;
                const Kind k = f.c(*key).kind;
                EXPECT_TRUE(k == Kind::Label || k == Kind::Frame || k == Kind::Command ||
                            k == Kind::TextBox)
                    << *key;
                EXPECT_NE(*key, row.field);
            }
        }
    }
}

// Every calculator opens with a record that has its head and only rows with a value.
TEST(Record, OpenWindowsGiveTheirHeadAndFilledRows) {
    RecordingPlatform platform;
    platform.date = {2026, 12, 8};
    Application app(platform);
    app.open("frmStart");
    for (const std::string& name : Calculators) {
        SCOPED_TRACE(name);
        FormModel& f = app.open(name);
        const CalculationRecord r = makeRecord(f);
        EXPECT_EQ(r.program, "Morvane - Kleine Programme");
        EXPECT_EQ(r.title, recordText(f.window().title));
        EXPECT_EQ(r.date, "Dienstag, 8. Dezember 2026");
        for (const RecordLine& l : r.lines) {
            EXPECT_FALSE(l.value.empty());
            for (const std::string* s : {&l.caption, &l.value, &l.unit}) {
                EXPECT_EQ(s->find_first_of("\r\n\t"), std::string::npos) << *s;
                EXPECT_EQ(recordText(*s), *s);
            }
        }
        app.close(name);
    }
}

TEST(Record, ShownTextsLoseLineBreaksAndOuterBlanks) {
    EXPECT_EQ(recordText("  1.128,4 "), "1.128,4");
    EXPECT_EQ(recordText("\r\nDienstag, 8. Dezember 2026"), "Dienstag, 8. Dezember 2026");
    EXPECT_EQ(recordText("a\r\nb\nc\rd"), "a b c d");
    EXPECT_EQ(recordText("19\r\n"), "19");
    EXPECT_EQ(recordText(" \r\n "), "");
    EXPECT_EQ(recordText("a  b"), "a  b");  // inner blanks stay as shown
}

TEST(Record, FileNamesHoldNoRefusedCharacters) {
    EXPECT_EQ(recordFileName("Kreis und Zylinder", 2026, 12, 8), "Kreis und Zylinder 2026-12-08");
    EXPECT_EQ(recordFileName("a/b\\c:d*e?f\"g<h>i|j", 2026, 1, 2),
              "a-b-c-d-e-f-g-h-i-j 2026-01-02");
    EXPECT_EQ(recordFileName("Wie groß ist der Winkel?", 2026, 12, 8),
              "Wie groß ist der Winkel- 2026-12-08");
    EXPECT_EQ(recordFileName(" ... ", 2026, 12, 8), "Berechnung 2026-12-08");
    // A long title is cut before the limit of a name, never inside a character.
    std::string longTitle;
    for (int i = 0; i < 100; ++i) longTitle += "ü";
    const std::string name = recordFileName(longTitle, 2026, 12, 8);
    EXPECT_LE(name.size(), 200u);
    EXPECT_EQ(name.substr(name.size() - 11), " 2026-12-08");
    EXPECT_EQ(name.substr(0, name.size() - 11).size() % 2, 0u);
}

// The replay commands: a window without a record and a check before any record are errors;
// the record follows what the window shows at the moment it is made.
TEST(Record, ReplayMakesTheRecordOfTheCurrentWindow) {
    auto run = [](const std::string& script) {
        std::istringstream in(script);
        std::ostringstream err;
        return runScenario(in, "test", err);
    };
    ReplayResult r = run("record\n");
    EXPECT_EQ(r.failed, 1);
    r = run("menu Kreis\nexpect record \"x\"\n");
    EXPECT_EQ(r.failed, 1);
    r =
        run("menu Kreis\nrecord\ntype txtDurchmesser \"1\"\n"
            "expect record \"Morvane - Kleine Programme\\nKreis und Zylinder\\n"
            "Dienstag, 8. Dezember 2026\"\n"
            "record\nexpect record \"Morvane - Kleine Programme\\nKreis und Zylinder\\n"
            "Dienstag, 8. Dezember 2026\\nEingabe/Ergebnis Durchmesser\\t1\\t\\n"
            "Eingabe/Ergebnis Fläche\\t0,785\\t\"\n");
    EXPECT_EQ(r.failed, 0);
    EXPECT_EQ(r.passed, 2);
}

}  // namespace
}  // namespace morvane
