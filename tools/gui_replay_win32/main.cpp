// morvane-gui-replay.exe FILE... | -: runs scenario scripts through the real windows of the
// Windows edition (under Wine on Debian: a display, DISPLAY, is needed).
// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "native_driver.h"
#include "replay.h"

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    return morvane::replayMain(
        argc, argv, "morvane-gui-replay.exe",
        "Every action is user input through the Windows windows (SendInput keys and mouse\n"
        "clicks, the real menu bar); every check reads the native controls. hover moves the\n"
        "mouse onto the control; keyup and date reach only the models: they raise the model's\n"
        "event; tick sends the window its timer message. Timers do not run by themselves.\n"
        "Timers, drawn shapes and the cells of the drawn table are read from the models.\n",
        [] { return std::make_unique<morvane::winreplay::NativeDriver>(); });
}
