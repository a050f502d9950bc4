// morvane-replay FILE... | -: runs scenario scripts against the form models.
#include <fstream>
#include <iostream>

#include "replay.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: morvane-replay FILE... | -\n";
        return 2;
    }
    morvane::ReplayResult total;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        morvane::ReplayResult r;
        if (name == "-") {
            r = morvane::runScenario(std::cin, "<stdin>", std::cout);
        } else {
            std::ifstream in(name);
            if (!in) {
                std::cout << name << ": cannot be read\n";
                ++total.failed;
                continue;
            }
            r = morvane::runScenario(in, name, std::cout);
        }
        total.passed += r.passed;
        total.failed += r.failed;
    }
    std::cout << total.passed << " passed, " << total.failed << " failed\n";
    return total.failed == 0 ? 0 : 1;
}
