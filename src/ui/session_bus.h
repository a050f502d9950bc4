// The desktop's session bus. Qt asks it for the accessibility bus of screen readers and for a
// global menu bar. Where no session bus runs, the bus library would start one of its own
// (dbus-launch with a bus daemon) that stays behind when the program ends; such a fresh bus
// knows neither, so the program keeps the library from starting it.
#pragma once

namespace morvane::ui {

// Before the QApplication is made: menu bars stay inside their windows, and where no session
// bus runs, none is started.
void prepareSessionBus();
// Once the QApplication exists: Qt has looked for the accessibility bus, and the environment
// is the one the program was started with, for the programs the desktop starts for it.
void settleSessionBus();

}  // namespace morvane::ui
