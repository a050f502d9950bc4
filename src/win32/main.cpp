// morvane.exe: the Windows program. Shows the start window; ends when its last window is
// closed.
// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <commctrl.h>
#include <objbase.h>

#include "shell/application.h"
#include "win32/win_platform.h"
#include "win32/window_manager.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    morvane::win32::WinPlatform platform;
    morvane::Application app(platform);
    morvane::win32::WindowManager windows(app);
    app.open("frmStart");
    if (app.ended() || app.openForms().empty()) return 0;
    return morvane::win32::runMessageLoop();
}
