// The program's command line: it has no options except the two answers a terminal user
// expects, which need no window system.
#pragma once

namespace morvane::app {

// Writes the help or the version to the terminal when the arguments ask for one and
// returns the exit status; returns -1 otherwise (every other argument is ignored).
int answerCommandLine(int argc, char** argv);

}  // namespace morvane::app
