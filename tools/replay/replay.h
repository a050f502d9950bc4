// The scenario interpreter of morvane-replay: drives form models from a script and checks
// what they show.
#pragma once

#include <iosfwd>
#include <string>

namespace morvane {

class Application;

// Watches a scenario while it runs: the Qt tests put windows on its application and look at
// them after every action.
class ScenarioObserver {
public:
    virtual ~ScenarioObserver() = default;
    virtual void started(Application&) {}   // before the start window opens
    virtual void acted(Application&) {}     // after each action line
    virtual void finished(Application&) {}  // after the last line
};

struct ReplayResult {
    int passed = 0;
    int failed = 0;
};

// Runs one scenario in a fresh application. Failed checks and errors are written to err,
// each with the source name and line.
ReplayResult runScenario(std::istream& in, const std::string& sourceName, std::ostream& err,
                         ScenarioObserver* observer = nullptr);

}  // namespace morvane
