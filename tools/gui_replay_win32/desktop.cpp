#include "desktop.h"

#include "win32/win_look.h"

namespace morvane::winreplay {

namespace {
// How long a box may take to come up, and to go on Enter, before it counts as a fault.
constexpr int AnswerAttempts = 300;
constexpr UINT AnswerPollMs = 10;
Desktop* current = nullptr;

void send(INPUT& in) { SendInput(1, &in, sizeof in); }

bool extended(WORD vk) {
    switch (vk) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_DELETE:
        case VK_INSERT:
        case VK_PRIOR:
        case VK_NEXT: return true;
        default: return false;
    }
}

// The icon the box shows: the error icon or none.
MessageIcon iconOf(HWND box) {
    HICON error = LoadIconW(nullptr, IDI_ERROR);
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(c, cls, 16);
        if (lstrcmpiW(cls, L"Static") != 0 || !IsWindowVisible(c)) continue;
        if ((GetWindowLongPtrW(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        const auto icon = reinterpret_cast<HICON>(SendMessageW(c, STM_GETICON, 0, 0));
        if (icon) return icon == error ? MessageIcon::Error : MessageIcon::None;
    }
    return MessageIcon::None;
}
}  // namespace

HWND messageBoxOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND h, LPARAM lp) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(h, cls, 16);
            if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(h)) {
                *reinterpret_cast<HWND*>(lp) = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void sendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    send(in);
}

void sendChar(wchar_t ch, bool up) {
    const SHORT scan = VkKeyScanW(ch);
    const int shifts = scan == -1 ? -1 : HIBYTE(scan);
    if (shifts == 0 || shifts == 1) {  // on the keyboard, with or without Shift
        if (shifts == 1 && !up) sendKey(VK_SHIFT, false);
        sendKey(LOBYTE(scan), up);
        if (shifts == 1 && up) sendKey(VK_SHIFT, true);
        return;
    }
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = ch;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    send(in);
}

void sendButton(bool up) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    send(in);
}

void pump() {
    for (int idle = 0; idle < 2;) {
        win32::pumpMessages();
        if (GetQueueStatus(QS_ALLINPUT) == 0) {
            ++idle;
            Sleep(0);
        } else {
            idle = 0;
        }
    }
}

Desktop::Desktop() { current = this; }

Desktop::~Desktop() {
    if (current == this) current = nullptr;
}

void Desktop::message(const std::string& text, const std::string& title, MessageIcon icon) {
    releaseAnsweringKey();  // a box that follows a box: the first Enter is let go first
    state_ = State::Waiting;
    attempts_ = 0;
    box_ = nullptr;
    timer_ = SetTimer(nullptr, 0, AnswerPollMs, onTimer);
    WinPlatform::message(text, title, icon);
    if (state_ == State::Waiting) faults_.push_back("a message box was not shown in time");
    KillTimer(nullptr, timer_);
    state_ = State::Idle;
    releasePending_ = true;
}

void CALLBACK Desktop::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (current) current->answer();
}

void Desktop::answer() {
    if (state_ == State::Waiting) {
        HWND box = messageBoxOf(GetCurrentThreadId());
        if (!box || GetForegroundWindow() != box) {
            if (++attempts_ > AnswerAttempts) {
                state_ = State::Idle;
                if (box) EndDialog(box, IDOK);
            }
            return;
        }
        wchar_t text[4096] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 4096);
        messages.push_back({win32::narrow(text), win32::windowText(box), iconOf(box)});
        box_ = box;
        state_ = State::Answered;
        attempts_ = 0;
        sendKey(VK_RETURN, false);
        return;
    }
    if (state_ == State::Answered && IsWindow(box_) && IsWindowVisible(box_) &&
        ++attempts_ > AnswerAttempts) {
        // Enter did not close the box: closed without a key, so that nothing hangs.
        faults_.push_back("the message box \"" + win32::windowText(box_) +
                          "\" did not close on Enter");
        state_ = State::Idle;
        EndDialog(box_, IDOK);
    }
}

void Desktop::releaseAnsweringKey() {
    if (!releasePending_) return;
    releasePending_ = false;
    sendKey(VK_RETURN, true);
    pump();
}

std::string Desktop::takeFault() {
    if (faults_.empty()) return {};
    std::string f = faults_.front();
    faults_.erase(faults_.begin());
    return f;
}

}  // namespace morvane::winreplay
