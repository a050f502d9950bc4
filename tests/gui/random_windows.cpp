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
#include <chrono>
#include <iostream>

#include "random_run.h"
#include "random_user.h"
#include "runner_application.h"
#include "shell/application.h"
#include "watchdog.h"
#include "widget_driver.h"

namespace morvane::gui {
namespace {

using namespace random_user;

// What the run's checks need of Qt.
struct QtWindows {
    static int boxesShown() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox*>(w) && w->isVisible()) ++n;
        return n;
    }
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
};
using Session = WindowSession<WidgetDriver, QtWindows>;

class RandomWindows : public ::testing::TestWithParam<std::string> {};

TEST_P(RandomWindows, NothingEndsHangsShowsInfNaNOrAnotherTextThanItsModel) {
    const std::string form = GetParam();
    RunLimits limits;
    limits.events = envInt("MORVANE_RANDOM_GUI_EVENTS", 600);
    limits.seed = static_cast<std::uint32_t>(envInt("MORVANE_RANDOM_SEED", 20261208));
    limits.shortenFor = std::chrono::minutes(1);
    limits.trials = limits.events < 3000 ? 200 : 0;
    Watchdog dog(std::chrono::milliseconds(envInt("MORVANE_RANDOM_HANG_MS", 5000)));
    const std::string failure = randomRun<Session>(form, limits, dog, std::cout);
    if (!failure.empty()) FAIL() << failure;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, RandomWindows,
                         ::testing::ValuesIn(Application::registeredForms()),
                         [](const auto& info) { return testName(info.param); });

}  // namespace
}  // namespace morvane::gui

int main(int argc, char** argv) {
    morvane::gui::RunnerApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
