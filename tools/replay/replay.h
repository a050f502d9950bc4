// The scenario interpreter of morvane-replay: drives form models from a script and checks
// what they show.
#pragma once

#include <iosfwd>
#include <string>

namespace morvane {

struct ReplayResult {
    int passed = 0;
    int failed = 0;
};

// Runs one scenario in a fresh application. Failed checks and errors are written to err,
// each with the source name and line.
ReplayResult runScenario(std::istream& in, const std::string& sourceName, std::ostream& err);

}  // namespace morvane
