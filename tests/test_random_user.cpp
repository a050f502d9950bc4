// The random user: its sequences are the same for the same seed, every action it makes
// prints as scenario lines that the replay tool runs without a script error, and shortening
// keeps exactly what a failure needs.
#include <gtest/gtest.h>

#include <sstream>

#include "random_user.h"
#include "replay.h"
#include "replay_driver.h"
#include "shell/application.h"
#include "user_input.h"

namespace morvane {
namespace {

using namespace random_user;

std::vector<Action> run(const std::string& form, std::uint32_t seed, int n, ModelDriver& d) {
    RandomUser user(form, seed, {.pointClicks = false});
    d.open("frmStart");
    d.open(form);
    std::vector<Action> done;
    for (int i = 0; i < n; ++i) {
        Action a = user.next(d.isOpen(form) ? &d.app().model(form) : nullptr);
        if (perform(d, a)) done.push_back(a);
    }
    return done;
}

std::string lines(const std::vector<Action>& actions) {
    std::string s;
    for (const Action& a : actions) s += scenarioLines(a);
    return s;
}

TEST(RandomUser, TheSameSeedGivesTheSameSequenceAnotherSeedAnother) {
    ModelDriver a, b, c;
    const std::string one = lines(run("frmIndexInfo", 7, 300, a));
    EXPECT_EQ(one, lines(run("frmIndexInfo", 7, 300, b)));
    EXPECT_NE(one, lines(run("frmIndexInfo", 8, 300, c)));
    // The seed of a window does not hang on the standard library's hash.
    EXPECT_EQ(seedFor(0, ""), 2166136261u);
    EXPECT_NE(seedFor(7, "frmStart"), seedFor(7, "frmWinkel"));
}

TEST(RandomUser, EveryActionReplaysThroughTheScenarioRunner) {
    for (const std::string form :
         {"frmGefaelle_gegeben", "frmEnergiePWInfo", "frmIndexInfo", "frmStart", "frmWinkel"}) {
        ASSERT_TRUE(Application::isRegistered(form)) << form;
        ModelDriver d;
        const auto actions = run(form, 11, 400, d);
        std::istringstream in(scenario(form, actions, "replayed"));
        std::ostringstream err;
        ModelDriver again;
        const ReplayResult r = runScenario(in, form, err, again);
        EXPECT_EQ(r.failed, 0) << form << ":\n" << err.str();
        // The replayed run ends where the random one did.
        ASSERT_EQ(again.app().isOpen(form), d.app().isOpen(form)) << form;
        if (!d.app().isOpen(form)) continue;
        for (const Control& c : d.app().model(form).controls())
            EXPECT_EQ(again.app().model(form).c(c.key()).text, c.text) << form << "." << c.key();
    }
}

TEST(RandomUser, HostileTextsAreAllThereAndNoneSpellsInfOrNaN) {
    EXPECT_EQ(megabyteOfDigits().size(), 1u << 20);
    for (const std::string& t : hostileTexts()) EXPECT_FALSE(showsInfOrNaN(t)) << t;
    EXPECT_TRUE(showsInfOrNaN("inf"));
    EXPECT_TRUE(showsInfOrNaN("-1,#IND"));
    EXPECT_TRUE(showsInfOrNaN("Wert: NaN m"));
    EXPECT_FALSE(showsInfOrNaN("Info"));
    EXPECT_FALSE(showsInfOrNaN("Nanofiltration"));
}

TEST(RandomUser, ShorteningKeepsExactlyTheActionsTheFailureNeeds) {
    std::vector<Action> actions(500);
    for (std::size_t i = 0; i < actions.size(); ++i) actions[i].value = static_cast<int>(i);
    int trials = 0;
    auto has = [](const std::vector<Action>& v, int x) {
        return std::any_of(v.begin(), v.end(), [&](const Action& a) { return a.value == x; });
    };
    const auto shortest = shorten(actions, [&](const std::vector<Action>& v) {
        ++trials;
        return has(v, 17) && has(v, 401);
    });
    ASSERT_EQ(shortest.size(), 2u);
    EXPECT_EQ(shortest[0].value, 17);
    EXPECT_EQ(shortest[1].value, 401);
    EXPECT_LE(trials, 400);
}

TEST(RandomUser, ScenarioLinesQuoteWhatTheScenarioTokensNeed) {
    EXPECT_EQ(quoted("a\"b\\c\r\n\t"), "\"a\\\"b\\\\c\\r\\n\\t\"");
    Action held;
    held.act = Act::HeldKey;
    held.form = "frmX";
    held.key = "txtA";
    held.code = Key::Backspace;
    held.value = 3;
    EXPECT_EQ(scenarioLines(held), "# held down\nkey frmX.txtA Backspace 3\n");
    Action back = held;
    back.act = Act::Key;
    back.code = ShiftTab;
    EXPECT_EQ(scenarioLines(back), "key frmX.txtA ShiftTab\n");
}

}  // namespace
}  // namespace morvane
