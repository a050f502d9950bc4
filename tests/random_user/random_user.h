// A random user of the windows: a seeded, reproducible sequence of what a user does with one
// window (typing, single and held keys, pastes of hostile texts, clicks on controls and on
// any point, list items, scroll bars, tab pages, menus), chosen from the window's form model
// so that the same seed gives the same sequence on every window system. Every action prints
// as scenario lines that morvane-replay and morvane-gui-replay run, and a failing sequence
// can be shortened to the actions that matter. Plain C++ on the core: the Qt and the Windows
// tests drive the same actions through their own widgets.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "replay.h"
#include "shell/form_model.h"

namespace morvane {
class ReplayDriver;
}

namespace morvane::random_user {

enum class Act {
    Type,         // text typed key by key at the end of the text
    Retype,       // the whole text selected, then typed over
    Paste,        // the whole text replaced by a paste
    Key,          // one press and release of a named key (code)
    HeldKey,      // a key held down: value presses (auto-repeated), one release; text or code
    Click,        // a click on the control
    ClickAt,      // a click at a point of the window (x, y as parts of its width and height)
    Select,       // a click on list item value (text: the item)
    Scroll,       // the scroll bar moved to value
    TabPage,      // tab page value shown
    Menu,         // menu entry chosen
    Submenu,      // submenu opened
    Hover,        // mouse over the control
    HoverWindow,  // mouse over the window's surface
    Tick,         // a timer's tick
    Reopen,       // the window closed and opened again
};

struct Action {
    Act act = Act::HoverWindow;
    std::string form;
    std::string key;   // the control, menu entry; for ClickAt the control hit ("" for none)
    std::string text;  // typed or pasted text, the list item, a held character
    int code = 0;      // Key, HeldKey: the key (Key::Backspace, ..., ShiftTab)
    int value = 0;     // list index, scroll value, tab page, number of presses
    double x = 0, y = 0;
};

// What the sequence may hold: a window system that cannot do something leaves it out.
struct Options {
    bool pointClicks = true;  // ClickAt
    bool heldKeys = true;     // HeldKey
    bool longTexts = true;    // the 1 MB paste
};

// Texts a hostile user pastes and types: 1 MB of digits, numbers out of range (1E309,
// 4,9E-324), full-width and Arabic-Indic digits, emoji, control characters, broken UTF-8.
// None spells a word such as "inf" or "NaN", so a field showing one has made it itself.
const std::vector<std::string>& hostileTexts();
// Texts an ordinary user types: numbers with and without separators, signs, exponents.
const std::vector<std::string>& plainTexts();
// The 1 MB text of hostileTexts().
const std::string& megabyteOfDigits();

// A seed for one window, the same on every platform and compiler.
std::uint32_t seedFor(std::uint32_t seed, const std::string& form);

class RandomUser {
public:
    RandomUser(std::string form, std::uint32_t seed, Options options = {});
    // The next action for the window as its model is now (nullptr: the window is closed).
    Action next(const FormModel* model);

private:
    int pick(int n);
    bool chance(int oneIn) { return pick(oneIn) == 0; }
    std::string someText();
    Action textBoxAction(const Control& c, Action a);

    std::string form_;
    Options options_;
    std::mt19937 rng_;
};

// The action in the scenario notation (one or more lines, each ending in a line feed).
std::string scenarioLines(const Action& a);
// A whole scenario that replays the actions from the start of the system.
std::string scenario(const std::string& form, const std::vector<Action>& actions,
                     const std::string& comment);
using morvane::quoted;  // a text as a quoted scenario token

// Carries out an action through a driver of the scenario runners. Returns false when it no
// longer applies (the window is closed, the control gone or out of reach). ClickAt is left
// to the window system's own test; here it does nothing and returns false.
bool perform(ReplayDriver& driver, const Action& a);

// A field, caption, title or message text showing "inf", "NaN" and the like as a word.
bool showsInfOrNaN(const std::string& text);
// The first thing the driver shows that no user should see: inf or NaN anywhere, a program
// fault message. "" when there is none.
std::string problem(ReplayDriver& driver);

// Removes actions while fails(actions) stays true: halves, then quarters and so on, then
// single actions, as long as the number of trials stays within budget.
std::vector<Action> shorten(std::vector<Action> actions,
                            const std::function<bool(const std::vector<Action>&)>& fails,
                            int budget = 400);

// A form's name as a test's name: its letters and digits, '_' for every other byte.
std::string testName(const std::string& form);

// An integer from the environment, or fallback.
int envInt(const char* name, int fallback);

}  // namespace morvane::random_user
