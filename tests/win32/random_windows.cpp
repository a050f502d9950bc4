// morvane-win32-random.exe [FORM...]: the random user (tests/random_user) through the real
// Win32 windows under Wine: for every registered window (or the ones named) a seeded
// sequence of key presses and releases, held keys, clicks on controls and on any point,
// list items, scroll bars, tab pages, menu choices and pastes of hostile texts, all as real
// input through morvane-gui-replay.exe's driver, message boxes answered by a real Enter.
// After every action: nothing escaped, no control shows inf or NaN or a text its model does
// not hold, no box is left open, and none comes back by itself once answered. A watchdog
// reports an action that does not return (MORVANE_RANDOM_HANG_MS, default 5000 ms);
// actions slower than a second are named in the output.
//
// MORVANE_RANDOM_GUI_EVENTS sets the events per window (default 30), MORVANE_RANDOM_SEED the
// seed, MORVANE_RANDOM_GUI_PRINT=1 prints every sequence as a scenario. A failure prints the
// seed and a shortened scenario for morvane-replay and both morvane-gui-replay programs.
// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <commctrl.h>
#include <objbase.h>

#include <chrono>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "native_driver.h"
#include "random_run.h"
#include "random_user.h"
#include "shell/application.h"
#include "watchdog.h"

using namespace morvane;
using namespace morvane::random_user;
using morvane::winreplay::NativeDriver;

namespace {

// What the run's checks need of Win32: the message boxes of this thread, its messages.
struct Win32 {
    static int boxesShown() {
        int n = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND h, LPARAM lp) -> BOOL {
                wchar_t cls[16] = {};
                GetClassNameW(h, cls, 16);
                if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(h))
                    ++*reinterpret_cast<int*>(lp);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&n));
        return n;
    }
    static void settle() {
        winreplay::pump();
        Sleep(20);
        winreplay::pump();
    }
};
using Session = WindowSession<NativeDriver, Win32>;

}  // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    RunLimits limits;
    limits.events = envInt("MORVANE_RANDOM_GUI_EVENTS", 30);
    limits.seed = static_cast<std::uint32_t>(envInt("MORVANE_RANDOM_SEED", 20261208));
    Watchdog dog(std::chrono::milliseconds(envInt("MORVANE_RANDOM_HANG_MS", 5000)));
    std::vector<std::string> forms(argv + 1, argv + argc);
    if (forms.empty()) forms = Application::registeredForms();
    int failed = 0;
    for (const std::string& form : forms) {
        const std::string failure = randomRun<Session>(form, limits, dog, std::cout);
        if (failure.empty()) continue;
        std::cout << "FAILED: " << failure << std::flush;
        ++failed;
    }
    std::cout << forms.size() << " windows, " << failed << " failed (seed " << limits.seed << ", "
              << limits.events << " events each)\n";
    return failed == 0 ? 0 : 1;
}
