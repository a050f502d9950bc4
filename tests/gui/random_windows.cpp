// The random user (tests/random_user) through the real Qt windows, offscreen: for every
// registered window a seeded sequence of key presses and releases, held keys, clicks on
// controls and on any point, list items, scroll bars, tab pages, menu choices and pastes of
// hostile texts, with message boxes answered by a real Enter. After every action: nothing
// escaped, no widget shows inf or NaN or a text its model does not hold, no box is left
// open, and none comes back by itself once answered. A watchdog reports an action that
// does not return (MORVANE_RANDOM_HANG_MS, default 5000 ms: a hang, not a slow action);
// actions slower than a second are named in the output.
//
// MORVANE_RANDOM_GUI_EVENTS sets the events per window (default 600), MORVANE_RANDOM_SEED
// the seed, MORVANE_RANDOM_GUI_PRINT=1 prints the whole sequence as a scenario. A failure prints
// the seed and a shortened scenario for morvane-replay and morvane-gui-replay.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <cctype>
#include <chrono>
#include <iostream>

#include "random_user.h"
#include "runner_application.h"
#include "shell/application.h"
#include "watchdog.h"
#include "widget_driver.h"

namespace morvane::gui {
namespace {

using namespace random_user;
using Clock = std::chrono::steady_clock;

int boxesShown() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(w) && w->isVisible()) ++n;
    return n;
}

// A text box or a caption that shows another text than its model holds.
std::string mismatch(WidgetDriver& d) {
    for (FormModel* f : d.app().openForms()) {
        if (!d.isOpen(f->name())) continue;
        for (const Control& c : f->controls()) {
            if (c.kind != Kind::TextBox && c.kind != Kind::Label && c.kind != Kind::Command &&
                c.kind != Kind::Option && c.kind != Kind::CheckBox)
                continue;
            const std::string shown = d.shown(*f, c.key()).text;
            if (shown != c.text)
                return f->name() + "." + c.key() + " shows " +
                       random_user::quoted(shown.substr(0, 120)) + ", its model holds " +
                       random_user::quoted(c.text.substr(0, 120));
        }
    }
    return {};
}

class Session {
public:
    explicit Session(const std::string& form) : form_(form) {
        d_.open("frmStart");
        d_.open(form);
    }

    // Carries out one action; a ClickAt is given the control it hit. Returns whether it
    // applied.
    bool act(Action& a) {
        messagesBefore_ = d_.recording().messages.size();
        if (a.act == Act::ClickAt) {
            if (!d_.isOpen(a.form)) return false;
            try {
                a.key = d_.clickAt(d_.app().model(a.form), a.x, a.y);
            } catch (const ScriptError&) {
                return false;
            }
            return true;
        }
        if (a.act == Act::HeldKey && d_.isOpen(a.form) && d_.app().model(a.form).has(a.key) &&
            d_.reachable(d_.app().model(a.form), a.key)) {
            try {
                d_.hold(d_.app().model(a.form), a.key, a.text, a.code, a.value);
            } catch (const ScriptError&) {
                return false;  // as perform: not as a user would, so not at all
            }
            return true;
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
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (d_.recording().messages.size() != answered || boxesShown() > 0)
            return "a message box came back by itself: " +
                   random_user::quoted(d_.recording().messages.back().text);
        if (std::string p = problem(d_); !p.empty()) return p;
        return mismatch(d_);
    }

    WidgetDriver& driver() { return d_; }

private:
    std::string form_;
    WidgetDriver d_;
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

class RandomWindows : public ::testing::TestWithParam<std::string> {};

TEST_P(RandomWindows, NothingEndsHangsShowsInfNaNOrAnotherTextThanItsModel) {
    const std::string form = GetParam();
    const int events = envInt("MORVANE_RANDOM_GUI_EVENTS", 600);
    const auto seed = static_cast<std::uint32_t>(envInt("MORVANE_RANDOM_SEED", 20261208));
    const auto hang = std::chrono::milliseconds(envInt("MORVANE_RANDOM_HANG_MS", 5000));
    RandomUser user(form, seed);
    Watchdog dog(hang);
    std::vector<Action> actions;
    auto run = std::make_unique<Session>(form);
    std::chrono::milliseconds longest{0};
    std::string longestAction;
    const auto started = Clock::now();
    for (int i = 0; i < events; ++i) {
        WidgetDriver& d = run->driver();
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
            std::cout << form << ": event " << i << " took " << took.count()
                      << " ms: " << scenarioLines(a);
        if (failure.empty()) failure = run->check();
        if (!applied && failure.empty()) {
            actions.pop_back();  // it changed nothing; the scenario leaves it out
            continue;
        }
        if (!failure.empty()) {
            run.reset();
            // Shortened while it stays cheap: a minute of trials at most.
            const auto deadline = Clock::now() + std::chrono::minutes(1);
            const auto shortest = shorten(
                actions,
                [&](const std::vector<Action>& trial) {
                    return Clock::now() < deadline && !replay(form, trial).empty();
                },
                actions.size() < 3000 ? 200 : 0);
            FAIL() << form << ": " << failure << "\n"
                   << scenario(form, shortest,
                               "seed " + std::to_string(seed) + ", after " + std::to_string(i + 1) +
                                   " events: " + failure);
        }
    }
    if (envInt("MORVANE_RANDOM_GUI_PRINT", 0) != 0)
        std::cout << scenario(form, actions, "seed " + std::to_string(seed));
    std::cout
        << form << ": " << actions.size() << " actions in "
        << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count()
        << " ms, the longest " << longest.count() << " ms: " << longestAction;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, RandomWindows,
                         ::testing::ValuesIn(Application::registeredForms()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string n;
                             for (unsigned char ch : info.param)
                                 n += std::isalnum(ch) ? static_cast<char>(ch) : '_';
                             return n;
                         });

}  // namespace
}  // namespace morvane::gui

int main(int argc, char** argv) {
    morvane::gui::RunnerApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
