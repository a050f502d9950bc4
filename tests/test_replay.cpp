// The replay tool and the event model, on a small window made for the purpose.
#include <gtest/gtest.h>

#include <sstream>

#include "recording_platform.h"
#include "replay.h"
#include "shell/application.h"
#include "shell/number_text.h"

namespace morvane {
namespace {

class ProbeForm : public FormModel {
public:
    static constexpr const char* Name = "frmProbe";
    explicit ProbeForm(Application& app) : FormModel(app, Name) {
        // Only digits and Backspace reach txtA; a letter is discarded.
        on(On::KeyPress, "txtA", [](Event& e) {
            if (e.key != 8 && (e.key < '0' || e.key > '9')) e.key = 0;
        });
        on(On::KeyUp, "txtA", [this] {
            ++keyUps;
            guarded(resetTo("txtA", "0"),
                    [this] { show("lblOut", chk::div(100, num("txtA")), "##,##0.00 "); });
        });
        // Message first, then reset; the reset raises txtB's change, which copies.
        on(On::KeyUp, "txtB", [this] {
            guarded({.text = "Tippfehler - Wert wird zurückgesetzt",
                     .title = "Einga-befehler",
                     .reset = {{"txtB", "1"}},
                     .messageFirst = true},
                    [this] { setNumber("lblOut", chk::sqrt(num("txtB"))); });
        });
        on(On::Change, "txtB", [this] { setText("lblCopy", text("txtB")); });
        on(On::Click, "Option1", [this] { setText("lblOut", "eins"); });
        on(On::Click, "Option2", [this] { setText("lblOut", "zwei"); });
        on(On::Click, "cmdGo", [this] {
            setVisible("txtB", false);
            setOuterHeight(3000);
            setForeColor("lblOut", Color::Red);
        });
        on(On::Click, "cmdFail", [this] { setNumber("lblOut", chk::div(1, 0)); });
        on(On::Click, "List1", [this](Event& e) { setNumber("lblOut", e.value); });
        on(On::Scroll, "HScroll1", [this](Event& e) { setNumber("lblOut", e.value); });
        on(On::Tick, "Timer1", [this] { setNumber("lblTicks", ++ticks); });
        on(On::MouseMove, "lblOut", [this] { setText("lblHover", "Steuerelement"); });
        on(On::MouseMove, "", [this] { setText("lblHover", "Fenster"); });
        on(On::Click, "mnuGo", [this] {
            platform().shellOpen("https://example.org/");
            platform().setClipboard("Zeile");
            platform().print({"Probe", {{1, 1, "erste"}, {1, 2, "zweite"}}});
            setCell("OLE1", "j40", "0,99");
        });
        on(On::TabShown, "SSTab1", [this](Event& e) { setNumber("lblOut", e.value); });
        onLoad([this] { setItems("List1", {"0,5", "0,65", "0,8"}); });
    }
    int keyUps = 0;
    int ticks = 0;

protected:
    void design() override {
        win().title = "Probe";
        win().clientWidth = 4000;
        win().clientHeight = 2000;
        add(Kind::TextBox, "txtA").tab(0);
        add(Kind::TextBox, "txtB").tab(1);
        add(Kind::TextBox, "txtInfo").readonly().multi().tab(2);
        add(Kind::Label, "lblOut").framed();
        add(Kind::Label, "lblCopy");
        add(Kind::Label, "lblHover");
        add(Kind::Label, "lblTicks");
        add(Kind::Frame, "Frame1").caption("Wahl");
        add(Kind::Option, "Option1").in("Frame1").caption("eins").sel().tab(3);
        add(Kind::Option, "Option2").in("Frame1").caption("zwei").tab(4);
        add(Kind::Command, "cmdGo").caption("Los").tab(5).tip("Startet");
        add(Kind::Command, "cmdFail").caption("Fehler").tab(6);
        add(Kind::Command, "cmdHidden").hidden();
        add(Kind::ListBox, "List1").tab(7);
        add(Kind::HScroll, "HScroll1").range(5, 30, 1, 5).val(20).tab(8);
        add(Kind::Timer, "Timer1");
        add(Kind::Tab, "SSTab1").tabs = {"&Eins", "&Zwei"};
        add(Kind::Label, "Label1", 0).caption("null");
        add(Kind::Label, "Label1", 1).caption("eins");
        add(Kind::Sheet, "OLE1");
        add(Kind::Menu, "mnuFile").caption("Datei");
        add(Kind::Menu, "mnuGo").caption("Los").menuOf("mnuFile");
    }
};
MORVANE_REGISTER_FORM(ProbeForm);

struct RunResult {
    ReplayResult result;
    std::string output;
};

RunResult replay(const std::string& script) {
    std::istringstream in("open frmProbe\n" + script);
    std::ostringstream out;
    RunResult r;
    r.result = runScenario(in, "probe", out);
    r.output = out.str();
    return r;
}

void expectClean(const std::string& script) {
    const RunResult r = replay(script);
    EXPECT_EQ(r.result.failed, 0) << r.output;
    EXPECT_GT(r.result.passed, 0);
}

TEST(Replay, TypingFiltersKeysAndRaisesKeyReleasePerCharacter) {
    expectClean(R"(
type txtA "4x"
expect txtA "4"
expect lblOut "25,00 "
retype txtA "5"
expect txtA "5"
expect lblOut "20,00 "
key txtA Backspace
expect txtA "0"
expect message "Eingabefehler" "{nonumber}\r\nTippfehler - Wert wird auf 0 gesetzt"
expect nomessage
key txtA Right
expect message "Eingabefehler" "{divzero}\r\nTippfehler - Wert wird auf 0 gesetzt"
expect lblOut "20,00 "
)");
}

TEST(Replay, GuardWithMessageFirstAndNestedChange) {
    expectClean(R"(
type txtB "-4"
expect message "Einga-befehler" "{nonumber}\r\nTippfehler - Wert wird zurückgesetzt"
expect txtB "14"
expect lblCopy "14"
paste txtB "-4"
expect lblCopy "-4"
keyup txtB Enter
expect message * "{invalid}\r\nTippfehler - Wert wird zurückgesetzt"
expect txtB "1"
expect lblCopy "1"
expect nomessage
)");
}

TEST(Replay, ChecksFailAndReportTheLine) {
    const RunResult r = replay("expect txtA \"7\"\nexpect nosuchcontrol \"\"\nclick cmdHidden\n");
    EXPECT_EQ(r.result.failed, 3);
    EXPECT_NE(r.output.find("probe:2: expected \"7\", found \"\""), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("probe:4"), std::string::npos) << r.output;
}

TEST(Replay, OptionsListsScrollBarsTimersAndTabs) {
    expectClean(R"(
expect Option1.selected true
click Option2
expect Option2.selected true
expect Option1.selected false
expect lblOut "zwei"
expect List1.count 3
select List1 "0,65"
expect List1.listindex 1
expect lblOut "1"
expect HScroll1.value 20
expect HScroll1.min 5
scroll HScroll1 30
expect lblOut "30"
tick Timer1 3
expect lblTicks "3"
tabpage SSTab1 1
expect SSTab1.tab 1
expect lblOut "1"
expect Label1(1) "eins"
)");
}

TEST(Replay, PropertiesWindowsAndHover) {
    expectClean(R"(
expect frmProbe "Probe"
expect cmdGo.tooltip "Startet"
expect txtB.visible true
click cmdGo
expect txtB.visible false
expect frmProbe.height 3000
expect lblOut.forecolor &H000000FF
expect lblOut.backcolor &H8000000F
hover lblOut
expect lblHover "Steuerelement"
hover frmProbe
expect lblHover "Fenster"
expect front frmProbe
expect open frmStart
close frmProbe
expect closed frmProbe
)");
}

TEST(Replay, ReadOnlyTextTakesKeysButDoesNotChange) {
    expectClean(R"(
type txtInfo "abc"
expect txtInfo ""
key txtA Tab
expect message "Einga-befehler" "{nonumber}\r\nTippfehler - Wert wird zurückgesetzt"
expect txtB "1"
)");
}

TEST(Replay, PlatformRecordsShellClipboardPrintAndCells) {
    expectClean(R"(
menu mnuGo
expect shell
expect noshell
expect clipboard "Zeile"
expect printed "erste\nzweite"
expect cell OLE1 J40 "0,99"
)");
}

TEST(Replay, UnguardedFailureIsReportedAndTheWindowStaysOpen) {
    expectClean(R"(
click cmdFail
expect message "Morvane - Kleine Programme" "{divzero}\r\nDie Berechnung wurde abgebrochen." error
expect open frmProbe
expect lblOut ""
)");
}

TEST(FormModel, CloseRestoresDesignValuesButKeepsVariables) {
    RecordingPlatform platform;
    Application app(platform);
    auto& form = static_cast<ProbeForm&>(app.open("frmProbe"));
    form.keyUp("txtA", '5');
    form.click("cmdGo");
    EXPECT_FALSE(form.c("txtB").visible);
    app.close("frmProbe");
    app.open("frmProbe");
    EXPECT_TRUE(form.c("txtB").visible);
    EXPECT_EQ(form.outerHeight(), 2000 + FrameHeightTwips + MenuBarTwips);
    EXPECT_EQ(form.keyUps, 1);
    EXPECT_EQ(form.c("List1").items.size(), 3u);  // the load reaction ran again
}

TEST(FormModel, SettingTheSameTextRaisesNoChange) {
    RecordingPlatform platform;
    Application app(platform);
    FormModel& form = app.open("frmProbe");
    form.userEdit("txtB", "9");
    EXPECT_EQ(form.text("lblCopy"), "9");
    form.userEdit("txtB", "9");
    form.setText("lblCopy", "x");
    form.setText("txtB", "9");
    EXPECT_EQ(form.text("lblCopy"), "x");
}

// A view that notes what it is told.
struct NotedChanges : FormView {
    std::vector<std::pair<std::string, Changes>> seen;
    void controlChanged(const Control& control, Changes what) override {
        seen.emplace_back(control.key(), what);
    }
    void windowChanged() override {}
    void focusChanged(const std::string&) override {}
    // What the last change told of the control, and that it was told once.
    Changes only(const std::string& key) {
        EXPECT_EQ(seen.size(), 1u);
        Changes what = seen.empty() || seen.back().first != key ? Changes() : seen.back().second;
        seen.clear();
        return what;
    }
};

TEST(FormModel, ViewsLearnWhichPropertiesOfWhichControlChanged) {
    RecordingPlatform platform;
    Application app(platform);
    FormModel& form = app.open("frmProbe");
    NotedChanges view;
    form.addView(&view);

    form.setText("lblHover", "a");
    EXPECT_TRUE(view.only("lblHover").has(Property::Text));
    form.setText("lblHover", "a");  // the same text: nothing to tell
    EXPECT_TRUE(view.seen.empty());

    form.setToolTip("cmdGo", "Startet");  // told, but nothing changed
    EXPECT_TRUE(view.only("cmdGo").none());
    form.setToolTip("cmdGo", "Los");
    const Changes tip = view.only("cmdGo");
    EXPECT_TRUE(tip.has(Property::ToolTip));
    EXPECT_FALSE(tip.any(Property::Text | Property::Geometry));

    form.setGeometry("lblOut", 10, 20, 30, 40);
    EXPECT_TRUE(view.only("lblOut").has(Property::Geometry));
    form.setGeometry("lblOut", 10, 20, 30, 40);
    EXPECT_TRUE(view.only("lblOut").none());

    // A list's choice changes its index and its text; the same choice again changes neither.
    form.listClick("List1", 1);
    ASSERT_FALSE(view.seen.empty());
    const Changes choice = view.seen.front().second;
    EXPECT_EQ(view.seen.front().first, "List1");
    EXPECT_TRUE(choice.has(Property::ListIndex) && choice.has(Property::Text));
    view.seen.clear();
    form.listClick("List1", 1);
    ASSERT_FALSE(view.seen.empty());
    EXPECT_TRUE(view.seen.front().second.none());
    view.seen.clear();

    // Selecting an option deselects the other of its group: both are told.
    form.click("Option2");
    ASSERT_GE(view.seen.size(), 2u);
    EXPECT_EQ(view.seen[0].first, "Option1");
    EXPECT_TRUE(view.seen[0].second.has(Property::Selected));
    EXPECT_EQ(view.seen[1].first, "Option2");
    EXPECT_TRUE(view.seen[1].second.has(Property::Selected));
    view.seen.clear();

    form.setCell("OLE1", "a1", "1");
    EXPECT_TRUE(view.only("OLE1").has(Property::Cells));
    form.setCell("OLE1", "A1", "1");
    EXPECT_TRUE(view.only("OLE1").none());

    // A scroll beyond the end stays at the end: told, but the value is the same.
    form.scroll("HScroll1", 99);
    EXPECT_TRUE(view.seen.front().second.has(Property::Value));
    view.seen.clear();
    form.scroll("HScroll1", 100);
    EXPECT_TRUE(view.seen.front().second.none());
    view.seen.clear();

    form.setVisible("txtB", false);
    EXPECT_TRUE(view.only("txtB").has(Property::Visible));
    EXPECT_FALSE(Changes(Property::Visible).all());
    EXPECT_TRUE(Changes::everything().has(Property::Cells));
    form.removeView(&view);
}

TEST(FormModel, ApplicationEndsWithTheLastWindow) {
    RecordingPlatform platform;
    Application app(platform);
    app.open("frmStart");
    app.open("frmProbe");
    app.close("frmStart");
    EXPECT_FALSE(app.ended());
    EXPECT_EQ(app.front()->name(), "frmProbe");
    app.close("frmProbe");
    EXPECT_TRUE(app.ended());
}

// The binding that hears of the last window's close must already see the end, or the
// program goes on running without a window.
TEST(FormModel, ListenersSeeTheEndWhenTheLastWindowCloses) {
    struct Listener : AppListener {
        Application* app = nullptr;
        std::vector<bool> endedAtClose;
        void opened(FormModel&) override {}
        void raised(FormModel&) override {}
        void closed(FormModel&) override { endedAtClose.push_back(app->ended()); }
    };
    RecordingPlatform platform;
    Application app(platform);
    Listener listener;
    listener.app = &app;
    app.addListener(&listener);
    app.open("frmStart");
    app.open("frmProbe");
    app.close("frmStart");
    app.close("frmProbe");
    app.removeListener(&listener);
    EXPECT_EQ(listener.endedAtClose, (std::vector<bool>{false, true}));
}

TEST(StartMenu, EveryEntryOpensItsWindowOrHandsOverItsAddress) {
    RecordingPlatform platform;
    Application app(platform);
    FormModel& start = app.open("frmStart");
    for (const Control& c : start.controls()) {
        if (c.kind != Kind::Menu) continue;
        start.menu(c.key());
        EXPECT_TRUE(platform.messages.empty()) << c.key() << ": " << platform.messages.front().text;
        platform.messages.clear();
    }
    EXPECT_EQ(platform.shell.size(), 7u);
}

}  // namespace
}  // namespace morvane
