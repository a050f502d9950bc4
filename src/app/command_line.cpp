#include "app/command_line.h"

#include <cstdio>
#include <cstring>

#include "shell/application.h"
#include "shell/links.h"

#ifndef MORVANE_VERSION
#define MORVANE_VERSION "0"
#endif

namespace morvane::app {

namespace {
void printHelp() {
    std::printf(
        "Aufruf: morvane [--help | --version]\n"
        "\n"
        "%s: kleine Rechenprogramme für die Abwassertechnik -\n"
        "Rohrhydraulik, Regen und Abfluss, Einwohnergleichwerte, Sauerstoffsättigung,\n"
        "Schlamm, Teiche und Becken, Kosten und Umsatzsteuer.\n"
        "\n"
        "Das Programm öffnet sein Startfenster; die Rechenprogramme wählt man in dessen\n"
        "Menü. Es liest und schreibt keine Dateien und hat keine Einstellungen.\n"
        "\n"
        "  --help     zeigt diese Hilfe und endet\n"
        "  --version  zeigt die Version und endet\n"
        "\n"
        "Alle anderen Argumente bleiben unbeachtet.\n"
        "Homepage: %s\n"
        "Fehler melden: %s\n",
        AppTitle, Links::HomePage, Links::BugReport);
}
}  // namespace

int answerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            printHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", AppTitle, MORVANE_VERSION);
            return 0;
        }
    }
    return -1;
}

}  // namespace morvane::app
