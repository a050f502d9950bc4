// Drives every registered window's form model with long random event sequences (the random
// user of tests/random_user) and checks that no failure escapes, no field shows an infinite
// or not-a-number value and every reaction returns. MORVANE_RANDOM_EVENTS sets the events
// per window (default 2000) and MORVANE_RANDOM_SEED the seed (default: a fixed one), for
// longer runs by hand. A failure prints the seed and a shortened scenario that replays it.
#include <gtest/gtest.h>

#include "random_user.h"
#include "replay_driver.h"
#include "shell/application.h"
#include "watchdog.h"

namespace morvane {
namespace {

using namespace random_user;

constexpr Options ModelOptions{.pointClicks = false};

// Runs the actions in a fresh application; returns the failure, "" if none.
std::string runActions(const std::string& form, const std::vector<Action>& actions) {
    ModelDriver d;
    d.open("frmStart");
    d.open(form);
    for (const Action& a : actions) {
        try {
            perform(d, a);
        } catch (const std::exception& e) {
            return std::string("exception escaped: ") + e.what();
        }
        if (std::string p = problem(d); !p.empty()) return p;
    }
    return {};
}

class RandomEvents : public ::testing::TestWithParam<std::string> {};

TEST_P(RandomEvents, NothingEscapesNothingShowsInfOrNaNEverythingReturns) {
    const std::string form = GetParam();
    const int events = envInt("MORVANE_RANDOM_EVENTS", 2000);
    const auto seed = static_cast<std::uint32_t>(envInt("MORVANE_RANDOM_SEED", 20261208));
    RandomUser user(form, seed, ModelOptions);
    std::vector<Action> actions;
    Watchdog dog(std::chrono::seconds(1));
    ModelDriver d;
    d.open("frmStart");
    d.open(form);
    for (int i = 0; i < events; ++i) {
        actions.push_back(user.next(d.isOpen(form) ? &d.app().model(form) : nullptr));
        std::string failure;
        bool applied = true;
        dog.begin([&] {
            return "seed " + std::to_string(seed) + ", event " + std::to_string(i) + ":\n" +
                   scenario(form, actions, "");
        });
        try {
            applied = perform(d, actions.back());
        } catch (const std::exception& e) {
            failure = std::string("exception escaped: ") + e.what();
        }
        dog.end();
        if (failure.empty()) failure = problem(d);
        // What no longer applied changed nothing; the scenario leaves it out.
        if (!applied && failure.empty()) actions.pop_back();
        if (!failure.empty()) {
            const auto shortest = shorten(actions, [&](const std::vector<Action>& trial) {
                return !runActions(form, trial).empty();
            });
            FAIL() << form << ": " << failure << "\n"
                   << scenario(form, shortest,
                               "seed " + std::to_string(seed) + ", after " + std::to_string(i + 1) +
                                   " events: " + failure);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, RandomEvents,
                         ::testing::ValuesIn(Application::registeredForms()),
                         [](const auto& info) { return random_user::testName(info.param); });

}  // namespace
}  // namespace morvane
