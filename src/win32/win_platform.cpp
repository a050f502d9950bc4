#include "win32/win_platform.h"

#include <shellapi.h>
#include <winspool.h>

#include <cmath>
#include <cstring>

#include "win32/sheet_view.h"
#include "win32/win_look.h"

namespace morvane::win32 {

const char* const WinPlatform::NoPrinterText =
    "Es ist kein Standarddrucker eingerichtet. Bitte richten Sie in den Windows-Einstellungen "
    "einen Drucker ein (zum Beispiel \"Microsoft Print to PDF\") und drucken Sie dann noch "
    "einmal.";

namespace {
// The key pressed while a message box was open and not released before it closed.
int closeKey = 0;
int swallowKey = 0;
HHOOK keyHook = nullptr;

LRESULT CALLBACK watchKeys(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION) {
        const bool released = (lp & (1u << 31)) != 0;
        const bool repeat = (lp & (1 << 30)) != 0;
        if (!released && !repeat) closeKey = static_cast<int>(wp);
        if (released && static_cast<int>(wp) == closeKey) closeKey = 0;
    }
    return CallNextHookEx(keyHook, code, wp, lp);
}

HWND activeOwner() {
    HWND h = GetActiveWindow();
    return h && IsWindowVisible(h) ? h : nullptr;
}
}  // namespace

bool swallowed(const MSG& m) {
    if (swallowKey == 0) return false;
    const int vk = static_cast<int>(m.wParam);
    if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
        const bool repeat = (m.lParam & (1 << 30)) != 0;
        if (vk == swallowKey && repeat) return true;
        if (!repeat) swallowKey = 0;  // a new key: the old release is gone
    } else if ((m.message == WM_KEYUP || m.message == WM_SYSKEYUP) && vk == swallowKey) {
        swallowKey = 0;
        return true;
    } else if (m.message == WM_LBUTTONDOWN) {
        swallowKey = 0;
    }
    return false;
}

bool pumpMessages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam));
            return false;
        }
        if (swallowed(m)) continue;
        wheelToTable(m);
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return true;
}

int runMessageLoop() {
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        if (swallowed(m)) continue;
        wheelToTable(m);
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return static_cast<int>(m.wParam);
}

void WinPlatform::message(const std::string& text, const std::string& title, MessageIcon icon) {
    closeKey = 0;
    keyHook = SetWindowsHookExW(WH_KEYBOARD, watchKeys, nullptr, GetCurrentThreadId());
    MessageBoxW(
        activeOwner(), wide(text).c_str(), wide(title).c_str(),
        MB_OK | MB_TASKMODAL | MB_SETFOREGROUND | (icon == MessageIcon::Error ? MB_ICONERROR : 0));
    if (keyHook) UnhookWindowsHookEx(keyHook);
    keyHook = nullptr;
    swallowKey = closeKey;
    closeKey = 0;
}

void WinPlatform::shellOpen(const std::string& address) {
    // A failure is ignored: the return value is not looked at.
    ShellExecuteW(nullptr, nullptr, wide(address).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void WinPlatform::setClipboard(const std::string& text) {
    if (!OpenClipboard(activeOwner())) return;
    EmptyClipboard();
    const std::wstring w = wide(text);
    const SIZE_T bytes = (w.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* p = GlobalLock(mem)) {
            std::memcpy(p, w.c_str(), bytes);
            GlobalUnlock(mem);
            if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
        } else {
            GlobalFree(mem);
        }
    }
    CloseClipboard();
}

void renderPage(HDC dc, const PrintPage& page) {
    const double perCmX = GetDeviceCaps(dc, LOGPIXELSX) / 2.54;
    const double perCmY = GetDeviceCaps(dc, LOGPIXELSY) / 2.54;
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT);  // the position is the top of the line of text
    for (const PrintLine& line : page.lines) {
        LOGFONTW lf{};
        lf.lfHeight = -static_cast<LONG>(std::lround((line.fontSize > 0 ? line.fontSize : 10) *
                                                     GetDeviceCaps(dc, LOGPIXELSY) / 72.0));
        lf.lfWeight = line.bold ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(lf.lfFaceName, wide(line.fontName).c_str(), LF_FACESIZE);
        HFONT f = CreateFontIndirectW(&lf);
        HGDIOBJ old = SelectObject(dc, f);
        const std::wstring w = wide(line.text);
        TextOutW(dc, static_cast<int>(std::lround(line.xCm * perCmX)),
                 static_cast<int>(std::lround(line.yCm * perCmY)), w.c_str(),
                 static_cast<int>(w.size()));
        SelectObject(dc, old);
        DeleteObject(f);
    }
}

void WinPlatform::print(const PrintPage& page) {
    DWORD n = 0;
    GetDefaultPrinterW(nullptr, &n);
    std::wstring name(n, L'\0');
    HDC dc = nullptr;
    if (n > 0 && GetDefaultPrinterW(name.data(), &n)) {
        name.resize(wcslen(name.c_str()));
        dc = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
    }
    if (!dc) {
        message(NoPrinterText, page.title.empty() ? std::string("Drucken") : page.title,
                MessageIcon::None);
        return;
    }
    const std::wstring title = wide(page.title.empty() ? std::string("Ausdruck") : page.title);
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.c_str();
    if (StartDocW(dc, &doc) > 0) {
        if (StartPage(dc) > 0) {
            renderPage(dc, page);
            EndPage(dc);
        }
        EndDoc(dc);
    }
    DeleteDC(dc);
}

Date WinPlatform::today() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return Date{t.wYear, t.wMonth, t.wDay};
}

}  // namespace morvane::win32
