// What the layout checks of both editions share, without windows: the walk through a
// scenario's states (a check after every action, long values at the end, the windows made
// before the first form opens and ended once), and the list of known findings.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "layout_findings.h"
#include "shell/application.h"

namespace morvane::layout {
namespace {

// Notes every state it is asked to check in, and what a result shows then.
class NotingChecks : public WindowChecks {
public:
    std::vector<std::string> states;
    std::string resultAtEnd;
    int begun = 0, ended = 0;
    Findings* findings = nullptr;

    void begin(Application&) override { ++begun; }
    void end() override { ++ended; }
    void checkAll(Application& app) override {
        states.push_back(findings->state);
        if (app.isOpen("frmSchlammEindick"))
            resultAtEnd = app.model("frmSchlammEindick").text("lblTMkgh");
    }
    void showTab(FormModel&, const Control&, int) override {}
};

std::filesystem::path writeScenario(const std::string& name, const std::string& text) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "morvane-layout-walk" / "scenarios";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name) << text;
    return dir / name;
}

TEST(LayoutWalk, EveryActionOfEveryFileIsCheckedThenTheEndWithLongValues) {
    Findings findings;
    NotingChecks checks;
    checks.findings = &findings;
    const auto file = writeScenario("walk.scn", R"(# checks do not count as steps
menu Entwässerung
type txtEW "1000"
expect txtEW "1000"
expect txtEW "falsch"
)");
    std::ostringstream err;
    const int run = walkScenarios(findings, checks, {file, file.parent_path() / "fehlt.scn"}, err);
    EXPECT_EQ(run, 1);
    EXPECT_NE(err.str().find("fehlt.scn: cannot be read"), std::string::npos) << err.str();
    EXPECT_EQ(checks.states, (std::vector<std::string>{"walk.scn, Schritt 1", "walk.scn, Schritt 2",
                                                       "walk.scn, Ende, lange Werte"}));
    EXPECT_EQ(checks.resultAtEnd, LongValue);
    EXPECT_EQ(checks.begun, 1);
    EXPECT_EQ(checks.ended, 1);
}

TEST(LayoutWalk, KnownFindingsAreListedApartAndNotCounted) {
    Findings findings;
    findings.state = "geöffnet";
    findings.add("abgeschnitten", "frmA.lbl1", "zu breit");
    findings.add("abgeschnitten", "frmA.lbl2", "zu breit");
    findings.add("Überlappung", "frmA.lbl1 / txt2", "2 px");
    std::istringstream list(
        "# a comment\n"
        "abgeschnitten  frmA.lbl2\r\n"
        "Überlappung  frmA.lbl1 / txt2  \n"
        "\n"
        "abgeschnitten  frmA.gemacht\n");
    findings.know(list);
    std::ostringstream out;
    EXPECT_EQ(findings.report(out), 1);
    const std::string report = out.str();
    const auto counted = report.find("1 findings, abgeschnitten 1\n");
    const auto known = report.find("known, not counted:\n");
    ASSERT_NE(counted, std::string::npos) << report;
    ASSERT_NE(known, std::string::npos) << report;
    EXPECT_LT(report.find("abgeschnitten  frmA.lbl1: zu breit"), counted) << report;
    EXPECT_GT(report.find("abgeschnitten  frmA.lbl2: zu breit"), known) << report;
    EXPECT_GT(report.find("Überlappung  frmA.lbl1 / txt2: 2 px"), known) << report;
    EXPECT_NE(report.find("known but no longer found (off the list): abgeschnitten  frmA.gemacht"),
              std::string::npos)
        << report;
}

TEST(LayoutWalk, TheKnownListComesFirstOnTheCommandLine) {
    Findings findings;
    const auto list = writeScenario("known.txt", "abgeschnitten  frmA.lbl1\n");
    const auto files = readArguments(findings, {"--known", list, "a.scn", "b.scn"});
    EXPECT_EQ(files, (std::vector<std::filesystem::path>{"a.scn", "b.scn"}));
    findings.add("abgeschnitten", "frmA.lbl1", "zu breit");
    std::ostringstream out;
    EXPECT_EQ(findings.report(out), 0) << out.str();
    EXPECT_THROW(readArguments(findings, {"--known", list.parent_path() / "fehlt.txt"}),
                 std::runtime_error);
    EXPECT_EQ(readArguments(findings, {"a.scn"}), (std::vector<std::filesystem::path>{"a.scn"}));
    EXPECT_EQ(scenarioName("/x/tests/scenarios/sludge/a.scn"), "sludge/a.scn");
}

}  // namespace
}  // namespace morvane::layout
