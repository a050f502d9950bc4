// bare_window.exe: the floor for the Windows start-up benchmark (bench/startup_windows.sh).
// A plain Win32 window of the same kind as the program's start window - its class and title,
// a menu bar with a few menus - with nothing else loaded.
#include <windows.h>

#include <initializer_list>

namespace {
LRESULT CALLBACK proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(h, msg, wp, lp);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"MorvaneForm";
    RegisterClassW(&wc);
    HMENU bar = CreateMenu();
    for (const wchar_t* title : {L"Datei", L"Technik", L"Kosten", L"Sonstiges", L"Hilfe"}) {
        HMENU menu = CreatePopupMenu();
        for (const wchar_t* entry : {L"Eintrag 1", L"Eintrag 2", L"Eintrag 3", L"Eintrag 4"})
            AppendMenuW(menu, MF_STRING, 1, entry);
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), title);
    }
    CreateWindowExW(0, L"MorvaneForm", L"Morvane - Kleine Programme",
                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 640, 120,
                    nullptr, bar, instance, nullptr);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
