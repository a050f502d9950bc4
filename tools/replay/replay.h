// The scenario interpreter of the replay tools: reads a script, drives a window system
// through a ReplayDriver and checks what it shows.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace morvane {

class ReplayDriver;

// A text as a quoted scenario token, with the escapes \" \\ \r \n \t.
std::string quoted(const std::string& s);

struct ReplayResult {
    int passed = 0;
    int failed = 0;
};

// Runs one scenario in a fresh application of the form models. Failed checks and errors
// are written to err, each with the source name and line.
ReplayResult runScenario(std::istream& in, const std::string& sourceName, std::ostream& err);

// Runs one scenario through a driver whose application has just been made.
ReplayResult runScenario(std::istream& in, const std::string& sourceName, std::ostream& err,
                         ReplayDriver& driver);

// The command line of a replay tool, `TOOL FILE... | -`: each file in a fresh driver, the
// failures and the closing "N passed, M failed" on standard output; 0 when nothing failed,
// 1 when something did, 2 without arguments (the usage, with its note, on standard error).
int replayMain(int argc, char** argv, const std::string& tool, const std::string& usageNote,
               const std::function<std::unique_ptr<ReplayDriver>()>& makeDriver);

}  // namespace morvane
