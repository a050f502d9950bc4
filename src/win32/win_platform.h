// The desktop behind the form models on Windows: MessageBoxW, ShellExecuteW, the clipboard,
// the default printer with GDI and today's date; and the message loop, which keeps the key
// that closed a message box away from the window behind it.
#pragma once

#include <windows.h>

#include "shell/platform.h"

namespace morvane::win32 {

// Draws one page on a printer's device context: every line at its centimetre position from
// the top-left corner of the printable area, in its own font.
void renderPage(HDC printer, const PrintPage& page);

class WinPlatform : public Platform {
public:
    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    void shellOpen(const std::string& address) override;
    void setClipboard(const std::string& text) override;
    void print(const PrintPage& page) override;
    Date today() override;

    // The German message shown when there is no default printer.
    static const char* const NoPrinterText;
};

// Whether a message of the queue must not reach its window: the release (and the
// auto-repeats) of the key whose press closed a message box.
bool swallowed(const MSG& msg);
// Runs the message loop until WM_QUIT; returns its exit code.
int runMessageLoop();
// Handles the messages waiting in the queue; false once WM_QUIT arrived.
bool pumpMessages();

}  // namespace morvane::win32
