// morvane-gui-replay FILE... | -: runs scenario scripts through the real Qt windows,
// offscreen unless QT_QPA_PLATFORM names another platform.
#include "replay.h"
#include "runner_application.h"
#include "widget_driver.h"

int main(int argc, char** argv) {
    morvane::gui::RunnerApplication app(argc, argv);
    return morvane::replayMain(
        argc, argv, "morvane-gui-replay",
        "Every action is user input through the windows; every check reads the widgets.\n"
        "keyup, tick, date and hover reach only the models: they raise the model's event.\n"
        "Timers do not run by themselves: `tick` ticks them.\n",
        [] { return std::make_unique<morvane::gui::WidgetDriver>(); });
}
