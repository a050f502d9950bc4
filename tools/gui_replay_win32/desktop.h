// The desktop of morvane-gui-replay.exe: the program's own message boxes (MessageBoxW),
// shown for real and answered with a real Enter press on the box; shell calls, clipboard
// writes and printouts recorded instead of reaching the desktop; a fixed date.
#pragma once

// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <string>
#include <vector>

#include "recording_platform.h"
#include "win32/win_platform.h"

namespace morvane::winreplay {

// Real key and mouse input through SendInput. A key with a character but no key of its
// own on the keyboard layout is sent as that character (VK_PACKET).
void sendKey(WORD vk, bool up);
void sendChar(wchar_t ch, bool up);
void sendButton(bool up);
// The message box that a thread shows, or nullptr.
HWND messageBoxOf(DWORD thread);
// Handles every message that is waiting, the input just sent included.
void pump();

class Desktop : public win32::WinPlatform, public Recording {
public:
    Desktop();
    ~Desktop() override;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Shows the box through the program's platform; the box is read (title, text, icon)
    // and answered with Enter as soon as it is up, and the reaction goes on.
    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    void shellOpen(const std::string& address) override { shell.push_back(address); }
    void setClipboard(const std::string& text) override { clipboard = text; }
    void print(const PrintPage& page) override { printouts.push_back(page); }
    Date today() override { return date; }

    // The system clipboard, for pastes.
    void putOnClipboard(const std::string& text) { WinPlatform::setClipboard(text); }
    // The release of the Enter that answered a box comes after the reaction went on, to
    // whichever window has the keyboard then. Call before every input.
    void releaseAnsweringKey();
    // The oldest box that could not be answered as a user would ("" when none is left).
    std::string takeFault();

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void answer();

    enum class State { Idle, Waiting, Answered };
    State state_ = State::Idle;
    HWND box_ = nullptr;
    int attempts_ = 0;
    UINT_PTR timer_ = 0;
    bool releasePending_ = false;
    std::vector<std::string> faults_;
};

}  // namespace morvane::winreplay
