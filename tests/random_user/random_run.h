// One window's random run, for the drivers of every window system. A Session opens fresh
// windows for a form and has act(Action&) (false when the action no longer applies),
// check() ("" or what is wrong) and driver(); a driver has the scenario driver's calls and
// clickAt, hold, reachable and shown.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <exception>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "random_user.h"
#include "replay_driver.h"
#include "watchdog.h"

namespace morvane::random_user {

// A text box or a caption that shows another text than its model holds.
template <class Driver>
std::string mismatch(Driver& d) {
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

// Carries out one action; a ClickAt is given the control it hit. Returns whether it applied.
template <class Driver>
bool act(Driver& d, Action& a) {
    try {
        if (a.act == Act::ClickAt) {
            if (!d.isOpen(a.form)) return false;
            a.key = d.clickAt(d.app().model(a.form), a.x, a.y);
            return true;
        }
        if (a.act == Act::HeldKey && d.isOpen(a.form) && d.app().model(a.form).has(a.key) &&
            d.reachable(d.app().model(a.form), a.key)) {
            d.hold(d.app().model(a.form), a.key, a.text, a.code, a.value);
            return true;
        }
    } catch (const ScriptError&) {
        return false;  // as perform: not as a user would, so not at all
    }
    return perform(d, a);
}

// One random run's windows through a window system's driver: the form opened fresh (the
// start window first), and after every action the checks of every window system. System
// has static int boxesShown() (the message boxes standing now) and static void settle()
// (lets what is pending run).
template <class Driver, class System>
class WindowSession {
public:
    explicit WindowSession(const std::string& form) {
        d_.open("frmStart");
        d_.open(form);
    }

    // Carries out one action; a ClickAt is given the control it hit. Returns whether it
    // applied.
    bool act(Action& a) {
        messagesBefore_ = d_.recording().messages.size();
        // A window may answer every key press and every release with a box.
        std::size_t keys = a.text.size();
        if (a.act == Act::HeldKey) keys = std::max(keys, static_cast<std::size_t>(a.value));
        mostBoxes_ = 50 + 2 * keys;
        return random_user::act(d_, a);
    }

    // What is wrong after the action, "" if nothing: a fault, a flood of message boxes, one
    // left open or coming back by itself once answered, inf or NaN shown, a widget showing
    // another text than its model.
    std::string check() {
        if (std::string f = d_.takeFault(); !f.empty()) return f;
        const std::size_t boxes = d_.recording().messages.size() - messagesBefore_;
        if (boxes > mostBoxes_) return std::to_string(boxes) + " message boxes in one action";
        if (System::boxesShown() > 0) return "a message box is still open";
        const std::size_t answered = d_.recording().messages.size();
        System::settle();
        if (d_.recording().messages.size() != answered || System::boxesShown() > 0)
            return "a message box came back by itself: " +
                   morvane::quoted(d_.recording().messages.back().text);
        if (std::string p = problem(d_); !p.empty()) return p;
        return mismatch(d_);
    }

    Driver& driver() { return d_; }

private:
    Driver d_;
    std::size_t messagesBefore_ = 0;
    std::size_t mostBoxes_ = 50;
};

// The failure of the actions in fresh windows, "" if none.
template <class Session>
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

struct RunLimits {
    int events = 0;
    std::uint32_t seed = 0;
    std::chrono::seconds shortenFor{30};  // trials of the shortening, at most
    int trials = 100;
};

// The random run of one window; "" when it passed, otherwise the failure with a shortened
// scenario. Slow actions and the summary go to log.
template <class Session>
std::string randomRun(const std::string& form, const RunLimits& limits, Watchdog& dog,
                      std::ostream& log) {
    using Clock = std::chrono::steady_clock;
    RandomUser user(form, limits.seed);
    const std::string seed = std::to_string(limits.seed);
    std::vector<Action> actions;
    auto run = std::make_unique<Session>(form);
    std::chrono::milliseconds longest{0};
    std::string longestAction;
    const auto started = Clock::now();
    for (int i = 0; i < limits.events; ++i) {
        auto& d = run->driver();
        actions.push_back(user.next(d.isOpen(form) ? &d.app().model(form) : nullptr));
        Action& a = actions.back();
        dog.begin([&, i] {
            return "seed " + seed + ", event " + std::to_string(i) + ":\n" +
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
            log << form << ": event " << i << " took " << took.count()
                << " ms: " << scenarioLines(a) << std::flush;
        if (failure.empty()) failure = run->check();
        if (!applied && failure.empty()) {
            actions.pop_back();  // it changed nothing; the scenario leaves it out
            continue;
        }
        if (!failure.empty()) {
            run.reset();
            const auto deadline = Clock::now() + limits.shortenFor;
            const auto shortest = shorten(
                actions,
                [&](const std::vector<Action>& trial) {
                    return Clock::now() < deadline && !replay<Session>(form, trial).empty();
                },
                limits.trials);
            return form + ": " + failure + "\n" +
                   scenario(
                       form, shortest,
                       "seed " + seed + ", after " + std::to_string(i + 1) + " events: " + failure);
        }
    }
    if (envInt("MORVANE_RANDOM_GUI_PRINT", 0) != 0) log << scenario(form, actions, "seed " + seed);
    log << form << ": " << actions.size() << " actions in "
        << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count()
        << " ms, the longest " << longest.count() << " ms: " << longestAction << std::flush;
    return {};
}

}  // namespace morvane::random_user
