// What the layout checks of the Qt and the Windows edition share: the findings and their
// report, the long number every output is given, the states of each window a user reaches,
// overlaps of texts, and the rules for contrast and for disabled controls. The checks
// themselves measure with their own toolkit (QFontMetrics, GDI).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/control.h"

namespace morvane {
class Application;
class FormModel;
}  // namespace morvane

namespace morvane::layout {

// A number as long as any result a window can show.
extern const char* const LongValue;

// Every result of every open window shows LongValue.
void showLongValues(Application& app);

// A rectangle in window pixels, right and bottom exclusive.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
};
Box intersected(const Box& a, const Box& b);

std::string size(int w, int h);  // "12x13 px"

class Findings {
public:
    std::string state;    // the state the window is in ("geöffnet", ...)
    std::string variant;  // the palette or theme the windows are drawn in
    // One finding per kind and place (per variant, too, where perVariant is set); the first
    // state it is found in is kept.
    void add(const std::string& kind, const std::string& where, const std::string& detail,
             bool perVariant = false);
    // Findings known and waiting for their mending, one a line as the report names them
    // ("KIND  WHERE"; "#" starts a comment line): reported apart and not counted.
    void know(std::istream& list);
    // Lists every finding and a summary line, then the known ones, and the known ones no
    // longer found (to be taken off the list); returns the count of the findings not known.
    int report(std::ostream& out) const;

private:
    struct Finding {
        std::string kind, where, detail, state;
    };
    std::map<std::string, Finding> findings_;
    std::set<std::string> known_;
};

// Where a control draws its text (or its whole body), for the overlap rule.
struct Ink {
    std::string key;
    Box box;  // window coordinates
};
// Every two inks of controls that do not contain each other (nested(i, j) tells) and cover
// a common pixel.
void checkOverlaps(Findings& findings, const std::string& form, const std::vector<Ink>& inks,
                   const std::function<bool(std::size_t, std::size_t)>& nested);

// Colours as 0xRRGGBB. An enabled text needs 4.5:1.
void checkContrast(Findings& findings, const std::string& where, std::uint32_t fore,
                   std::uint32_t back);
// A disabled control must not look like an enabled one: its text clearly weaker, or its
// background another.
void checkDisabledLook(Findings& findings, const std::string& where, std::uint32_t fore,
                       std::uint32_t back, std::uint32_t disabledFore, std::uint32_t disabledBack);

std::string colourName(std::uint32_t rgb);  // "#rrggbb"

// How a check looks at the windows of one application.
class WindowChecks {
public:
    virtual ~WindowChecks() = default;
    // Makes the windows of app (before the first form opens) and ends them.
    virtual void begin(Application& app) = 0;
    virtual void end() = 0;
    // Checks every open window in its present state.
    virtual void checkAll(Application& app) = 0;
    // Shows a page of a tab control as the user's click on its tab would.
    virtual void showTab(FormModel& form, const Control& tab, int page) = 0;
    // Every result shows LongValue, then checkAll with the state marked.
    virtual void checkLongValues(Application& app, Findings& findings);
};

// Each registered window alone, in an application of its own: at open, on each tab page,
// after each option and check box, and with long values (after each, checkAll).
// only: the one window to explore ("" = every one).
void exploreWindows(Findings& findings, WindowChecks& checks, const std::string& only = "");

// Each scenario file in an application of its own, its lines acting on the form models as
// morvane-replay's do, with the check's windows on them: checkAll after every action and,
// at the end of the file, checkLongValues. The states are named by the file (from
// "scenarios/" on) and the number of the action. A file that cannot be read is reported on
// err; the scenarios' own checks are not reported (they are the replay tests' business).
// Returns the number of files run.
int walkScenarios(Findings& findings, WindowChecks& checks,
                  const std::vector<std::filesystem::path>& files, std::ostream& err);

// The arguments of a check, "[--known LIST] SCENARIO...": the list read into findings (see
// Findings::know), the scenario files returned. A list that cannot be read is a
// std::runtime_error.
std::vector<std::filesystem::path> readArguments(Findings& findings,
                                                 std::vector<std::filesystem::path> args);

// The name of a scenario file in the states: its path from "scenarios/" on.
std::string scenarioName(const std::filesystem::path& file);

}  // namespace morvane::layout
