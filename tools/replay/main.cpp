// morvane-replay FILE... | -: runs scenario scripts against the form models.
#include "replay.h"
#include "replay_driver.h"

int main(int argc, char** argv) {
    return morvane::replayMain(argc, argv, "morvane-replay", "",
                               [] { return std::make_unique<morvane::ModelDriver>(); });
}
