// morvane-win32-random.exe [FORM...]: the random user (tests/random_user) through the real
// Win32 windows under Wine: for every registered window (or the ones named) a seeded
// sequence of key presses and releases, held keys, clicks on controls and on any point,
// list items, scroll bars, tab pages, menu choices and pastes of hostile texts, all as real
// input through morvane-gui-replay.exe's driver, message boxes answered by a real Enter.
// After every action: nothing escaped, no control shows inf or NaN or a text its model does
// not hold, no box is left open, and none comes back by itself once answered. A watchdog
// reports an action that does not return (MORVANE_RANDOM_HANG_MS, default 5000 ms);
// actions slower than a second are named in the output.
//
// MORVANE_RANDOM_GUI_EVENTS sets the events per window (default 30), MORVANE_RANDOM_SEED the
// seed, MORVANE_RANDOM_GUI_PRINT=1 prints every sequence as a scenario. A failure prints the
// seed and a shortened scenario for morvane-replay and both morvane-gui-replay programs.
// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <commctrl.h>
#include <objbase.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "native_driver.h"
#include "random_user.h"
#include "shell/application.h"
#include "watchdog.h"

using namespace morvane;
using namespace morvane::random_user;
using morvane::winreplay::NativeDriver;
using Clock = std::chrono::steady_clock;

namespace {

int boxesShown() {
    int n = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(h, cls, 16);
            if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(h)) ++*reinterpret_cast<int*>(lp);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&n));
    return n;
}

// A text box or a caption that shows another text than its model holds.
std::string mismatch(NativeDriver& d) {
    for (FormModel* f : d.app().openForms()) {
        if (!d.isOpen(f->name())) continue;
        for (const Control& c : f->controls()) {
            if (c.kind != Kind::TextBox && c.kind != Kind::Label && c.kind != Kind::Command &&
                c.kind != Kind::Option && c.kind != Kind::CheckBox)
                continue;
            const std::string shown = d.shown(*f, c.key()).text;
            if (shown != c.text)
                return f->name() + "." + c.key() + " shows " + quoted(shown.substr(0, 120)) +
                       ", its model holds " + quoted(c.text.substr(0, 120));
        }
    }
    return {};
}

class Session {
public:
    explicit Session(const std::string& form) {
        d_.open("frmStart");
        d_.open(form);
    }

    // Carries out one action; a ClickAt is given the control it hit. Returns whether it
    // applied.
    bool act(Action& a) {
        messagesBefore_ = d_.recording().messages.size();
        try {
            if (a.act == Act::ClickAt) {
                if (!d_.isOpen(a.form)) return false;
                a.key = d_.clickAt(d_.app().model(a.form), a.x, a.y);
                return true;
            }
            if (a.act == Act::HeldKey && d_.isOpen(a.form) && d_.app().model(a.form).has(a.key) &&
                d_.reachable(d_.app().model(a.form), a.key)) {
                d_.hold(d_.app().model(a.form), a.key, a.text, a.code, a.value);
                return true;
            }
        } catch (const ScriptError&) {
            return false;  // as perform: not as a user would, so not at all
        }
        return perform(d_, a);
    }

    // What is wrong after the action, "" if nothing.
    std::string check() {
        if (std::string f = d_.takeFault(); !f.empty()) return f;
        const std::size_t boxes = d_.recording().messages.size() - messagesBefore_;
        if (boxes > 50) return std::to_string(boxes) + " message boxes in one action";
        if (boxesShown() > 0) return "a message box is still open";
        // Let everything that is pending run: an answered box that comes back shows here.
        const std::size_t answered = d_.recording().messages.size();
        winreplay::pump();
        Sleep(20);
        winreplay::pump();
        if (d_.recording().messages.size() != answered || boxesShown() > 0)
            return "a message box came back by itself: " +
                   quoted(d_.recording().messages.back().text);
        if (std::string p = problem(d_); !p.empty()) return p;
        return mismatch(d_);
    }

    NativeDriver& driver() { return d_; }

private:
    NativeDriver d_;
    std::size_t messagesBefore_ = 0;
};

// The failure of the actions in fresh windows, "" if none.
std::string replay(const std::string& form, std::vector<Action> actions) {
    Session run(form);
    for (Action& a : actions) {
        try {
            run.act(a);
        } catch (const std::exception& e) {
            return std::string("exception escaped: ") + e.what();
        }
        if (std::string p = run.check(); !p.empty()) return p;
    }
    return {};
}

// The random run of one window; false when it failed (reported on standard output).
bool randomRun(const std::string& form, int events, std::uint32_t seed, Watchdog& dog) {
    RandomUser user(form, seed);
    std::vector<Action> actions;
    auto run = std::make_unique<Session>(form);
    std::chrono::milliseconds longest{0};
    std::string longestAction;
    const auto started = Clock::now();
    for (int i = 0; i < events; ++i) {
        NativeDriver& d = run->driver();
        actions.push_back(user.next(d.isOpen(form) ? &d.app().model(form) : nullptr));
        Action& a = actions.back();
        dog.begin([&, i] {
            return "seed " + std::to_string(seed) + ", event " + std::to_string(i) + ":\n" +
                   scenario(form, actions, "hangs at its last action");
        });
        std::string failure;
        bool applied = false;
        try {
            applied = run->act(a);
        } catch (const std::exception& e) {
            failure = std::string("exception escaped: ") + e.what();
        }
        const auto took = dog.end();
        if (took > longest) {
            longest = took;
            longestAction = scenarioLines(a);
        }
        if (took > std::chrono::seconds(1))
            std::printf("%s: event %d took %lld ms: %s", form.c_str(), i,
                        static_cast<long long>(took.count()), scenarioLines(a).c_str());
        if (failure.empty()) failure = run->check();
        if (!applied && failure.empty()) {
            actions.pop_back();  // it changed nothing; the scenario leaves it out
            continue;
        }
        if (!failure.empty()) {
            run.reset();
            // Shortened while it stays cheap: half a minute of trials at most.
            const auto deadline = Clock::now() + std::chrono::seconds(30);
            const auto shortest = shorten(
                actions,
                [&](const std::vector<Action>& trial) {
                    return Clock::now() < deadline && !replay(form, trial).empty();
                },
                100);
            std::printf("FAILED: %s: %s\n%s", form.c_str(), failure.c_str(),
                        scenario(form, shortest,
                                 "seed " + std::to_string(seed) + ", after " +
                                     std::to_string(i + 1) + " events: " + failure)
                            .c_str());
            std::fflush(stdout);
            return false;
        }
    }
    if (envInt("MORVANE_RANDOM_GUI_PRINT", 0) != 0)
        std::printf("%s", scenario(form, actions, "seed " + std::to_string(seed)).c_str());
    std::printf(
        "%s: %zu actions in %lld ms, the longest %lld ms: %s", form.c_str(), actions.size(),
        static_cast<long long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count()),
        static_cast<long long>(longest.count()), longestAction.c_str());
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    const int events = envInt("MORVANE_RANDOM_GUI_EVENTS", 30);
    const auto seed = static_cast<std::uint32_t>(envInt("MORVANE_RANDOM_SEED", 20261208));
    Watchdog dog(std::chrono::milliseconds(envInt("MORVANE_RANDOM_HANG_MS", 5000)));
    std::vector<std::string> forms(argv + 1, argv + argc);
    if (forms.empty()) forms = Application::registeredForms();
    int failed = 0;
    for (const std::string& form : forms)
        if (!randomRun(form, events, seed, dog)) ++failed;
    std::printf("%zu windows, %d failed (seed %u, %d events each)\n", forms.size(), failed, seed,
                events);
    return failed == 0 ? 0 : 1;
}
