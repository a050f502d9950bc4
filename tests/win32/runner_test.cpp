// morvane-win32-replay-tests.exe: morvane-gui-replay.exe's driver on a small window under
// real input: a click whose control goes from under the mouse on its way there fails and
// reaches nothing, a covered control is named by its control name (not by the text it
// shows), and a control below the window's edge is out of reach. Needs a display (DISPLAY).
// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "native_driver.h"
#include "replay.h"
#include "shell/application.h"

namespace morvane {
namespace {

class ReplayProbe : public FormModel {
public:
    static constexpr const char* Name = "frmReplayProbe";
    explicit ReplayProbe(Application& app) : FormModel(app, Name) {
        on(On::Click, "cmdGo", [this] { setText("lblOut", "Los"); });
        on(On::Click, "cmdFlieht", [this] { setText("lblOut", "erreicht"); });
        // Each moves away as soon as the mouse comes over it.
        on(On::MouseMove, "txtFlieht",
           [this] { setLeft("txtFlieht", c("txtFlieht").left == 3200 ? 1700 : 3200); });
        on(On::MouseMove, "cmdFlieht",
           [this] { setTop("cmdFlieht", c("cmdFlieht").top == 1800 ? 2150 : 1800); });
    }

protected:
    void design() override {
        win().title = "Probe";
        win().clientWidth = 5000;
        win().clientHeight = 2500;
        add(Kind::TextBox, "txtA").at(120, 120, 1500, 285).tab(0);
        add(Kind::Command, "cmdGo").caption("Los").at(1800, 120, 1200, 375).tab(1);
        add(Kind::Label, "lblOut").at(120, 600, 1500, 255).framed();
        // Two controls in one place, each with a text of its own: one covers the other.
        add(Kind::TextBox, "txtVerdeckt").caption("Inhalt").at(120, 1000, 1500, 285).tab(2);
        add(Kind::Command, "cmdDeckel").caption("Deckel").at(120, 1000, 1500, 285).tab(3);
        add(Kind::TextBox, "txtFlieht").at(3200, 1320, 1500, 285).tab(4);
        add(Kind::Command, "cmdFlieht").caption("Weg").at(3200, 1800, 1200, 300).tab(5);
        add(Kind::TextBox, "txtUnten").at(120, 2600, 1500, 285).tab(6);
    }
};
MORVANE_REGISTER_FORM(ReplayProbe);

int passed = 0, failed = 0;

void check(bool ok, const std::string& what, const std::string& output) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAILED: %s\n%s\n", what.c_str(), output.c_str());
    std::fflush(stdout);
}

bool holds(const std::string& output, const std::string& part) {
    return output.find(part) != std::string::npos;
}

struct Run {
    ReplayResult result;
    std::string output;
};

Run run(winreplay::NativeDriver& driver, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    Run r;
    r.result = runScenario(in, "probe", out, driver);
    r.output = out.str();
    return r;
}

void ordinaryInputReachesItsControls() {
    winreplay::NativeDriver driver;
    const Run r = run(driver, R"(open frmReplayProbe
type txtA "12"
expect txtA "12"
click cmdGo
expect lblOut "Los"
)");
    check(r.result.failed == 0 && r.result.passed == 2, "typing and a click arrive", r.output);
}

void aControlGoingFromUnderTheMouseIsNotClicked() {
    winreplay::NativeDriver driver;
    const Run r = run(driver, R"(open frmReplayProbe
type txtFlieht "1"
expect txtFlieht ""
click cmdFlieht
expect lblOut ""
)");
    check(r.result.failed == 2 && r.result.passed == 2,
          "two errors, nothing typed into the box, the button's reaction did not run", r.output);
    check(holds(r.output,
                "probe:2: error: control txtFlieht is gone from under the mouse when the mouse "
                "reaches it"),
          "the text box that moved away is named", r.output);
    check(holds(r.output, "probe:4: error: control cmdFlieht is gone from under the mouse"),
          "the button that moved away is named", r.output);
}

void aCoveredControlIsNamedByItsControlName() {
    winreplay::NativeDriver driver;
    const Run r = run(driver, R"(open frmReplayProbe
click txtVerdeckt
click cmdDeckel
)");
    // Whichever of the two lies on top, the other one cannot be clicked; both are named as
    // the scripts write them, neither by the text it shows.
    check(r.result.failed == 1, "one of the two is covered", r.output);
    check(holds(r.output, "probe:2: error: control txtVerdeckt is covered by cmdDeckel") ||
              holds(r.output, "probe:3: error: control cmdDeckel is covered by txtVerdeckt"),
          "the covered control and the one on it are named by their control names", r.output);
    check(!holds(r.output, "Inhalt") && !holds(r.output, "Deckel\""),
          "no control named by its text", r.output);
}

void aControlBelowTheWindowsEdgeIsOutOfReach() {
    winreplay::NativeDriver driver;
    const Run r = run(driver, "open frmReplayProbe\ntype txtUnten \"1\"\nexpect txtUnten \"\"\n");
    check(r.result.failed == 1 && r.result.passed == 1, "one error, nothing typed", r.output);
    check(holds(r.output, "probe:2: error: control txtUnten is disabled or invisible"),
          "the control is out of reach", r.output);
}

}  // namespace
}  // namespace morvane

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    morvane::ordinaryInputReachesItsControls();
    morvane::aControlGoingFromUnderTheMouseIsNotClicked();
    morvane::aCoveredControlIsNamedByItsControlName();
    morvane::aControlBelowTheWindowsEdgeIsOutOfReach();
    std::printf("%d passed, %d failed\n", morvane::passed, morvane::failed);
    return morvane::failed == 0 && morvane::passed > 0 ? 0 : 1;
}
