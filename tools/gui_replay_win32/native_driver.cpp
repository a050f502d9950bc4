#include "native_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "user_input.h"
#include "win32/form_window.h"
#include "win32/win_look.h"

namespace morvane::winreplay {

using win32::FormWindow;
using win32::narrow;
using win32::wide;

namespace {
constexpr UINT MenuPollMs = 10;
constexpr int MenuAttempts = 300;
constexpr int ScrollAttempts = 3;
constexpr int ScrollClicks = 50;

// Whether some of a control lies inside the client areas of its containers and of its
// window: not below the lower edge of a window made too low for it.
bool insideItsWindow(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    for (HWND p = GetParent(h); p; p = GetParent(p)) {
        RECT c;
        GetClientRect(p, &c);
        MapWindowPoints(p, nullptr, reinterpret_cast<POINT*>(&c), 2);
        if (!IntersectRect(&r, &r, &c)) return false;
        if (!(GetWindowLongW(p, GWL_STYLE) & WS_CHILD)) break;  // the window itself
    }
    return true;
}

bool isFormWindow(HWND h) {
    wchar_t cls[16] = {};
    GetClassNameW(h, cls, 16);
    return lstrcmpW(cls, L"MorvaneForm") == 0;
}

// A script takes no time: the windows' timers tick only when a line says `tick`.
LRESULT CALLBACK stopTimers(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION) {
        auto* m = reinterpret_cast<MSG*>(lp);
        if (m->message == WM_TIMER && m->hwnd && m->lParam == 0 && isFormWindow(m->hwnd))
            m->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

LONG_PTR styleOf(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE); }

// A point of a window in screen coordinates.
POINT onScreen(HWND h, POINT p) {
    ClientToScreen(h, &p);
    return p;
}

// Two clicks of a script are two clicks of a user, never one double click: a click close
// to the last one moves out of the double-click rectangle where the control still takes
// it, or waits until the double-click time is over.
POINT lastClick{-100, -100};
ULONGLONG lastClickAt = 0;

POINT apartFromLastClick(POINT p, const std::function<bool(POINT)>& takes) {
    const int dx = GetSystemMetrics(SM_CXDOUBLECLK) / 2 + 1;
    const int dy = GetSystemMetrics(SM_CYDOUBLECLK) / 2 + 1;
    auto nearby = [&](POINT q) {
        return std::abs(q.x - lastClick.x) < dx && std::abs(q.y - lastClick.y) < dy;
    };
    // A margin for the clock of the input, which is not quite this one.
    const ULONGLONG due = lastClickAt + GetDoubleClickTime() + 100;
    if (nearby(p) && GetTickCount64() < due) {
        bool moved = false;
        for (POINT q : {POINT{p.x + dx, p.y}, POINT{p.x - dx, p.y}, POINT{p.x, p.y + dy},
                        POINT{p.x, p.y - dy}})
            if (!moved && takes(q)) p = q, moved = true;
        if (!moved) Sleep(static_cast<DWORD>(due - GetTickCount64()));
    }
    lastClick = p;
    lastClickAt = GetTickCount64();
    return p;
}

// A point of a window (screen coordinates) that the window itself takes.
std::function<bool(POINT)> takenBy(HWND target) {
    return [target](POINT q) {
        HWND hit = WindowFromPoint(q);
        return hit == target || IsChild(target, hit);
    };
}

// Between actions the mouse rests in the corner of the screen, away from every window, so
// that a window that opens or moves under it gets no mouse move from a resting mouse. The
// clicks already sent keep the point where they were made.
void toCorner() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

void parkCursor() {
    toCorner();
    pump();
}

void clickOnScreen(POINT p, const RECT& within) {
    p = apartFromLastClick(p, [&](POINT q) { return PtInRect(&within, q) != FALSE; });
    SetCursorPos(p.x, p.y);
    sendButton(false);
    sendButton(true);
    toCorner();
}

// ---- The menus, opened by clicks inside the menu loop ----

struct MenuRun {
    std::vector<NativeDriver::MenuStep> steps;
    std::vector<std::string> entries;  // the entry of each step
    std::size_t next = 1;              // the step whose popup is awaited
    HMENU lastPopup = nullptr;         // shown and closed again (an entry with a submenu)
    int attempts = 0;
    std::string fault;
    bool active = false;
} menuRun;

// The popup window that shows a menu, or nullptr.
HWND popupOf(HMENU menu) {
    struct Find {
        HMENU menu;
        HWND found;
    } f{menu, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            auto* find = reinterpret_cast<Find*>(lp);
            wchar_t cls[16] = {};
            GetClassNameW(h, cls, 16);
            if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(h) &&
                reinterpret_cast<HMENU>(SendMessageW(h, MN_GETHMENU, 0, 0)) == find->menu) {
                find->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&f));
    return f.found;
}

void CALLBACK menuTick(HWND, UINT, UINT_PTR, DWORD) {
    MenuRun& r = menuRun;
    if (!r.active) return;
    HMENU awaited = r.next < r.steps.size() ? r.steps[r.next].menu : r.lastPopup;
    if (!awaited) return;  // the last entry was chosen; the loop ends by itself
    if (!popupOf(awaited)) {
        if (++r.attempts > MenuAttempts) {
            // The entry clicked last opens the awaited menu.
            r.fault = "menu " + r.entries[r.next - 1] + " does not open";
            r.active = false;
            EndMenu();
        }
        return;
    }
    r.attempts = 0;
    if (r.next >= r.steps.size()) {  // shown: closed again
        r.active = false;
        EndMenu();
        return;
    }
    const NativeDriver::MenuStep& s = r.steps[r.next++];
    RECT rc;
    if (!GetMenuItemRect(nullptr, s.menu, static_cast<UINT>(s.position), &rc)) {
        r.fault = "menu entry " + r.entries[r.next - 1] + " has no place on the screen";
        r.active = false;
        EndMenu();
        return;
    }
    clickOnScreen({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}, rc);
}

int positionIn(HMENU menu, HMENU sub, UINT command) {
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        if (sub ? GetSubMenu(menu, i) == sub : GetMenuItemID(menu, i) == command) return i;
    }
    return -1;
}
}  // namespace

NativeDriver::NativeDriver() {
    timerHook_ = SetWindowsHookExW(WH_GETMESSAGE, stopTimers, nullptr, GetCurrentThreadId());
    HDC screen = GetDC(nullptr);
    twipStep_ = std::max(1, 1440 / std::max(1, GetDeviceCaps(screen, LOGPIXELSX)));
    ReleaseDC(nullptr, screen);
}

NativeDriver::~NativeDriver() {
    if (menuRun.active) EndMenu();
    pump();
    if (timerHook_) UnhookWindowsHookEx(timerHook_);
}

std::string NativeDriver::takeFault() {
    if (!faults_.empty()) {
        std::string f = faults_.front();
        faults_.erase(faults_.begin());
        return f;
    }
    return desktop_.takeFault();
}

// ---- Finding windows ----

FormWindow& NativeDriver::formWindow(const std::string& form) const {
    FormWindow* w = windows_.window(form);
    if (!w || !w->attached()) throw ScriptError("window " + form + " has no window shown");
    return *w;
}

HWND NativeDriver::handle(FormModel& f, const std::string& key) const {
    HWND h = formWindow(f.name()).handleFor(key);
    if (!h) throw ScriptError("control " + key + " has no window");
    return h;
}

FormWindow* NativeDriver::formOf(HWND h) {
    HWND root = GetAncestor(h, GA_ROOT);
    for (FormModel* f : app_.openForms())
        if (FormWindow* w = windows_.window(f->name()); w && w->attached() && w->hwnd() == root)
            return w;
    return nullptr;
}

std::string NativeDriver::keyAt(FormWindow& fw, HWND h) const {
    std::string key;
    HWND found = nullptr;
    for (const Control& c : fw.model().controls()) {
        HWND w = fw.handleFor(c.key());
        if (!w || (w != h && !IsChild(w, h))) continue;
        // A frame or tab panel holds the controls on it: the one nearest h names it.
        if (!found || IsChild(found, w)) key = c.key(), found = w;
        if (w == h) break;
    }
    return key;
}

std::string NativeDriver::nameOf(HWND h, const std::string& form, bool self) {
    FormWindow* fw = h ? formOf(h) : nullptr;
    if (!fw) return {};
    const std::string owner = fw->model().name();
    const std::string key = keyAt(*fw, h);
    if (owner == form) return key.empty() && self ? owner : key;
    return key.empty() ? "window " + owner : owner + "." + key;
}

POINT NativeDriver::reachablePoint(HWND target, POINT preferred) {
    FormWindow* fw = formOf(target);
    const std::string form = fw ? fw->model().name() : std::string();
    if (!insideItsWindow(target)) throw outsideItsWindow(nameOf(target, form, true));
    RECT r;
    GetClientRect(target, &r);
    int x = preferred.x, y = preferred.y;
    if (morvane::reachablePoint(r.right, r.bottom, x, y, [&](int px, int py) {
            if (px < 0 || py < 0 || px >= r.right || py >= r.bottom) return false;
            return takenBy(target)(onScreen(target, {px, py}));
        }))
        return {x, y};
    HWND over = WindowFromPoint(onScreen(target, preferred));
    throw coveredBy(nameOf(target, form, true), nameOf(over, form, false));
}

void NativeDriver::mouseOnto(HWND target, POINT p) {
    FormWindow* fw = formOf(target);
    const std::string name = fw ? nameOf(target, fw->model().name(), true) : std::string();
    try {
        moveMouseOnto(
            name, [&] { return IsWindow(target) && takenBy(target)(p); },
            [&] {
                SetCursorPos(p.x, p.y);
                pump();
            });
    } catch (const ScriptError&) {
        parkCursor();
        throw;
    }
}

// ---- Input ----

void NativeDriver::activate(FormWindow& w) {
    desktop_.releaseAnsweringKey();
    if (GetForegroundWindow() != w.hwnd()) {
        SetForegroundWindow(w.hwnd());
        BringWindowToTop(w.hwnd());
        pump();
    }
}

void NativeDriver::clickAt(HWND target, POINT at) {
    desktop_.releaseAnsweringKey();
    const POINT p =
        apartFromLastClick(onScreen(target, reachablePoint(target, at)), takenBy(target));
    mouseOnto(target, p);
    // Press and release go together: a press on a scroll bar (a text box's own one) holds
    // the program in the bar's loop until the release comes.
    sendButton(false);
    sendButton(true);
    toCorner();
    pump();
}

void NativeDriver::clickMiddle(HWND target) {
    RECT r;
    GetClientRect(target, &r);
    clickAt(target, {r.right / 2, r.bottom / 2});
}

void NativeDriver::pressAndRelease(WORD vk, HWND window) {
    desktop_.releaseAnsweringKey();
    sendKey(vk, false);
    pump();
    // The release goes where the keyboard is now: after a Tab, the next control.
    if (IsWindow(window)) {
        sendKey(vk, true);
        pump();
    }
}

void NativeDriver::focusTextBox(HWND box, bool selectAll) {
    const int n = GetWindowTextLengthW(box);
    if (!selectAll || n == 0) {
        clickMiddle(box);
        SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(n), n);
        return;
    }
    // A drag from the start of the text to its end.
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
    auto charAt = [&](int i) {
        const LRESULT p = SendMessageW(box, EM_POSFROMCHAR, static_cast<WPARAM>(i), 0);
        return POINT{static_cast<short>(LOWORD(p)), static_cast<short>(HIWORD(p))};
    };
    RECT r;
    GetClientRect(box, &r);
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    const POINT first = charAt(0);
    POINT last = charAt(n - 1);
    last.x = std::min<LONG>(r.right - 1, last.x + tm.tmMaxCharWidth);
    POINT start{std::max<LONG>(0, first.x), first.y + tm.tmHeight / 2};
    const POINT end{last.x, last.y + tm.tmHeight / 2};
    desktop_.releaseAnsweringKey();
    const POINT s = apartFromLastClick(onScreen(box, reachablePoint(box, start)), takenBy(box));
    mouseOnto(box, s);
    sendButton(false);
    const POINT e = onScreen(box, end);
    SetCursorPos(e.x, e.y);
    sendButton(true);
    parkCursor();
    DWORD from = 0, to = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    // A text longer than the box scrolls while the mouse is held beyond its edge; the
    // selection then reaches the end of it.
    if (from != 0 || to != static_cast<DWORD>(n)) SendMessageW(box, EM_SETSEL, 0, -1);
}

void NativeDriver::focusForKeys(FormModel& f, const std::string& key) {
    FormWindow& fw = formWindow(f.name());
    activate(fw);
    HWND h = handle(f, key);
    if (f.c(key).kind == Kind::TextBox) {
        focusTextBox(h, false);
    } else if (styleOf(h) & WS_TABSTOP) {
        SetFocus(h);  // as Tab would reach it
        pump();
    }
}

void NativeDriver::close(const std::string& form) {
    if (FormWindow* w = windows_.window(form); w && w->attached()) {
        desktop_.releaseAnsweringKey();
        PostMessageW(w->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    pump();
}

void NativeDriver::openMenus(FormModel& owner, const std::string& key, bool chooseIt) {
    FormWindow& fw = formWindow(owner.name());
    HMENU bar = GetMenu(fw.hwnd());
    if (!bar) throw ScriptError("window " + owner.name() + " has no menu bar");
    const std::vector<std::string> path = menuPath(owner, key);
    std::vector<MenuStep> steps;
    HMENU in = bar;
    for (const std::string& entry : path) {
        HMENU sub = fw.menuFor(entry);
        const int pos = positionIn(in, sub, fw.commandFor(entry));
        const UINT state = pos < 0 ? 0 : GetMenuState(in, static_cast<UINT>(pos), MF_BYPOSITION);
        if (pos < 0 || (state & (MF_DISABLED | MF_GRAYED)))
            throw ScriptError("menu entry " + entry + " cannot be chosen");
        steps.push_back({in, pos, sub != nullptr});
        in = sub;
    }
    if (!steps.back().opens && !chooseIt) return;
    activate(fw);
    RECT rc;
    if (!GetMenuItemRect(fw.hwnd(), bar, static_cast<UINT>(steps.front().position), &rc))
        throw ScriptError("menu entry " + path.front() + " is not on the menu bar");
    menuRun = MenuRun{};
    menuRun.steps = steps;
    menuRun.entries = path;
    menuRun.lastPopup = steps.back().opens ? fw.menuFor(path.back()) : nullptr;
    menuRun.active = true;
    const UINT_PTR timer = SetTimer(nullptr, 0, MenuPollMs, menuTick);
    clickOnScreen({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}, rc);
    pump();
    KillTimer(nullptr, timer);
    menuRun.active = false;
    parkCursor();
    if (!menuRun.fault.empty()) faults_.push_back(menuRun.fault);
}

void NativeDriver::menu(FormModel& owner, const std::string& key) { openMenus(owner, key, true); }

void NativeDriver::submenu(FormModel& owner, const std::string& key) {
    openMenus(owner, key, false);
}

void NativeDriver::type(FormModel& f, const std::string& key, const std::string& text,
                        bool replace) {
    FormWindow& fw = formWindow(f.name());
    activate(fw);
    HWND h = handle(f, key);
    if (f.c(key).kind == Kind::TextBox)
        focusTextBox(h, replace);
    else
        focusForKeys(f, key);
    const std::string form = f.name();
    auto stillThere = [&] {
        FormWindow* w = windows_.window(form);
        return w == &fw && w->attached();
    };
    for (const std::string& ch : utf8Chars(text)) {
        if (!stillThere()) break;
        const std::wstring w = wide(ch);
        if (w.size() != 1 || w.front() == L'\n') continue;  // a line feed comes with the CR
        desktop_.releaseAnsweringKey();
        sendChar(w.front(), false);
        pump();
        if (!stillThere()) break;
        desktop_.releaseAnsweringKey();
        sendChar(w.front(), true);
        pump();
    }
}

void NativeDriver::key(FormModel& f, const std::string& key, int code) {
    focusForKeys(f, key);
    HWND window = formWindow(f.name()).hwnd();
    if (code != ShiftTab) return pressAndRelease(static_cast<WORD>(code), window);
    desktop_.releaseAnsweringKey();
    sendKey(VK_SHIFT, false);
    pressAndRelease(VK_TAB, window);
    sendKey(VK_SHIFT, true);
    pump();
}

std::string NativeDriver::clickAt(FormModel& f, double x, double y) {
    FormWindow& fw = formWindow(f.name());
    activate(fw);
    RECT r;
    GetClientRect(fw.hwnd(), &r);
    const POINT at{static_cast<LONG>(x * std::max<LONG>(0, r.right - 1)),
                   static_cast<LONG>(y * std::max<LONG>(0, r.bottom - 1))};
    const std::string key = keyAt(fw, WindowFromPoint(onScreen(fw.hwnd(), at)));
    clickAt(fw.hwnd(), at);
    return key;
}

void NativeDriver::hold(FormModel& f, const std::string& key, const std::string& text, int code,
                        int count) {
    focusForKeys(f, key);
    const std::wstring w = wide(text);
    const bool character = w.size() == 1;
    const std::string form = f.name();
    FormWindow* fw = &formWindow(form);
    auto stillThere = [&] { return windows_.window(form) == fw && fw->attached(); };
    // The presses after the first come while the key is down: the system marks them as
    // repeats.
    for (int i = 0; i < count && stillThere(); ++i) {
        character ? sendChar(w.front(), false) : sendKey(static_cast<WORD>(code), false);
        pump();
    }
    desktop_.releaseAnsweringKey();
    character ? sendChar(w.front(), true) : sendKey(static_cast<WORD>(code), true);
    pump();
}

void NativeDriver::paste(FormModel& f, const std::string& key, const std::string& text) {
    activate(formWindow(f.name()));
    HWND h = handle(f, key);
    focusTextBox(h, true);
    desktop_.putOnClipboard(text);
    // The box's own paste, which a read-only box does not offer; an empty text leaves
    // nothing to paste, the selection is cut instead.
    if (!(styleOf(h) & ES_READONLY)) SendMessageW(h, text.empty() ? WM_CUT : WM_PASTE, 0, 0);
    pump();
}

void NativeDriver::click(FormModel& f, const std::string& key) {
    FormWindow& fw = formWindow(f.name());
    activate(fw);
    const Control& c = f.c(key);
    HWND h = handle(f, key);
    RECT r;
    GetClientRect(h, &r);
    if (c.kind == Kind::Tab) {
        HWND face = FindWindowExW(h, nullptr, WC_TABCONTROLW, nullptr);
        RECT tab{};
        const auto page = SendMessageW(face, TCM_GETCURSEL, 0, 0);
        SendMessageW(face, TCM_GETITEMRECT, static_cast<WPARAM>(page),
                     reinterpret_cast<LPARAM>(&tab));
        clickAt(face, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    } else if (c.kind == Kind::Option || c.kind == Kind::CheckBox) {
        // On the round or square mark: the blank room right of a short caption takes no click.
        clickAt(h, {std::min<LONG>(8, r.right / 2), r.bottom / 2});
    } else {
        clickMiddle(h);
    }
}

void NativeDriver::select(FormModel& f, const std::string& key, int index) {
    activate(formWindow(f.name()));
    HWND h = handle(f, key);
    const auto count = SendMessageW(h, LB_GETCOUNT, 0, 0);
    if (index < 0 || index >= count)
        throw ScriptError("control " + key + " has no item " + std::to_string(index));
    // The list scrolled to the item, as its scroll bar would, then the item clicked.
    RECT item{};
    SendMessageW(h, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    RECT client;
    GetClientRect(h, &client);
    if (item.top < 0 || item.bottom > client.bottom) {
        SendMessageW(h, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageW(h, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
    }
    clickAt(h, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

void NativeDriver::scroll(FormModel& f, const std::string& key, int value) {
    activate(formWindow(f.name()));
    HWND h = handle(f, key);
    const Control& c = f.c(key);
    const int target = c.min <= c.max ? value : c.min + c.max - value;
    // The thumb dragged to the value and let go; where the pixels do not meet the value,
    // once more by the difference.
    for (int attempt = 0; attempt < ScrollAttempts; ++attempt) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        GetScrollInfo(h, SB_CTL, &si);
        if (si.nPos == target) return;
        SCROLLBARINFO sb{};
        sb.cbSize = sizeof sb;
        GetScrollBarInfo(h, OBJID_CLIENT, &sb);
        const int thumb = sb.xyThumbBottom - sb.xyThumbTop;
        const int track = (sb.rcScrollBar.right - sb.rcScrollBar.left) - 2 * sb.dxyLineButton;
        const int range = std::max(1, si.nMax - si.nMin);
        const int free = std::max(1, track - thumb);
        const int y = (sb.rcScrollBar.top + sb.rcScrollBar.bottom) / 2;
        const int from = sb.rcScrollBar.left + (sb.xyThumbTop + sb.xyThumbBottom) / 2;
        int dx =
            static_cast<int>(std::lround(static_cast<double>(target - si.nPos) * free / range));
        if (dx == 0) dx = target > si.nPos ? 1 : -1;
        desktop_.releaseAnsweringKey();
        apartFromLastClick({from, y}, [](POINT) { return false; });
        mouseOnto(h, {from, y});
        sendButton(false);
        SetCursorPos(from + dx, y);
        sendButton(true);
        pump();
    }
    // The rest by clicks on the arrows, one small change each.
    for (int click = 0; click < ScrollClicks; ++click) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_POS;
        GetScrollInfo(h, SB_CTL, &si);
        if (si.nPos == target) return parkCursor();
        SCROLLBARINFO sb{};
        sb.cbSize = sizeof sb;
        GetScrollBarInfo(h, OBJID_CLIENT, &sb);
        const RECT& bar = sb.rcScrollBar;
        const bool right = target > si.nPos;
        const int x = right ? bar.right - sb.dxyLineButton / 2 : bar.left + sb.dxyLineButton / 2;
        RECT arrow{right ? bar.right - sb.dxyLineButton : bar.left, bar.top,
                   right ? bar.right : bar.left + sb.dxyLineButton, bar.bottom};
        desktop_.releaseAnsweringKey();
        const POINT p = apartFromLastClick({x, (bar.top + bar.bottom) / 2}, [&](POINT q) {
            return PtInRect(&arrow, q) && takenBy(h)(q);
        });
        mouseOnto(h, p);
        sendButton(false);
        sendButton(true);
        pump();
        GetScrollInfo(h, SB_CTL, &si);
        if ((right && si.nPos > target) || (!right && si.nPos < target)) break;  // stepped over
    }
    parkCursor();
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_POS;
    GetScrollInfo(h, SB_CTL, &si);
    if (si.nPos != target)
        faults_.push_back("scroll bar " + key + " cannot be set to " + std::to_string(value) +
                          " with the mouse");
}

void NativeDriver::hover(FormModel& f, const std::string& key) {
    const Kind kind = f.c(key).kind;
    if (kind == Kind::Menu || kind == Kind::Timer || kind == Kind::Shape || kind == Kind::Line)
        return ReplayDriver::hover(f, key);
    activate(formWindow(f.name()));
    HWND h = handle(f, key);
    RECT r;
    GetClientRect(h, &r);
    const POINT p = onScreen(h, reachablePoint(h, {r.right / 2, r.bottom / 2}));
    SetCursorPos(p.x, p.y);
    pump();
    parkCursor();
}

void NativeDriver::hoverWindow(FormModel& f) {
    FormWindow& fw = formWindow(f.name());
    activate(fw);
    RECT r;
    GetClientRect(fw.hwnd(), &r);
    int x = 1, y = 1;
    if (!morvane::reachablePoint(r.right, r.bottom, x, y, [&](int px, int py) {
            return WindowFromPoint(onScreen(fw.hwnd(), {px, py})) == fw.hwnd();
        }))
        throw ScriptError("window " + f.name() + " has no free place for the mouse");
    const POINT p = onScreen(fw.hwnd(), {x, y});
    SetCursorPos(p.x, p.y);
    pump();
    parkCursor();
}

void NativeDriver::tick(FormModel& f, const std::string& key) {
    FormWindow& fw = formWindow(f.name());
    SendMessageW(fw.hwnd(), WM_TIMER, fw.commandFor(key), 0);
    pump();
}

void NativeDriver::tabPage(FormModel& f, const std::string& key, int page) {
    activate(formWindow(f.name()));
    HWND face = FindWindowExW(handle(f, key), nullptr, WC_TABCONTROLW, nullptr);
    if (!face) throw ScriptError("control " + key + " is no tab control");
    RECT tab{};
    SendMessageW(face, TCM_GETITEMRECT, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&tab));
    clickAt(face, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
}

// ---- Reading ----

bool NativeDriver::reachable(FormModel& f, const std::string& key) {
    pump();
    const Kind kind = f.c(key).kind;
    if (kind == Kind::Menu || kind == Kind::Timer || kind == Kind::Shape || kind == Kind::Line)
        return ReplayDriver::reachable(f, key);
    HWND h = handle(f, key);
    for (HWND p = h; p; p = GetParent(p))
        if (!IsWindowEnabled(p)) return false;
    return IsWindowVisible(h) != FALSE && insideItsWindow(h);
}

Control NativeDriver::shown(FormModel& f, const std::string& key) {
    pump();
    const Control& model = f.c(key);
    const Kind kind = model.kind;
    FormWindow& fw = formWindow(f.name());
    Control x;
    x.kind = kind;
    x.name = key;
    if (kind == Kind::Menu) {
        HMENU bar = GetMenu(fw.hwnd());
        const std::vector<std::string> path = menuPath(f, key);
        HMENU in = path.size() > 1 ? fw.menuFor(path[path.size() - 2]) : bar;
        const int pos = in ? positionIn(in, fw.menuFor(key), fw.commandFor(key)) : -1;
        x.visible = pos >= 0;
        if (pos >= 0) {
            wchar_t text[256] = {};
            MENUITEMINFOW mi{};
            mi.cbSize = sizeof mi;
            mi.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
            mi.dwTypeData = text;
            mi.cch = 255;
            GetMenuItemInfoW(in, static_cast<UINT>(pos), TRUE, &mi);
            x.text = (mi.fType & MFT_SEPARATOR) ? "-" : narrow(text);
            x.enabled = !(mi.fState & MFS_DISABLED);
            x.selected = (mi.fState & MFS_CHECKED) != 0;
        }
        return x;
    }
    if (kind == Kind::Timer || kind == Kind::Shape || kind == Kind::Line) {
        // Timers and drawn shapes have no window of their own: as the model holds them.
        return model;
    }
    HWND h = handle(f, key);
    HWND parent = GetParent(h);
    const LONG_PTR style = styleOf(h);
    x.visible = (style & WS_VISIBLE) != 0;
    // A control on a tab page that is not shown is hidden with its page.
    if (!x.visible && !model.container.empty() && model.page >= 0 && f.has(model.container) &&
        f.c(model.container).kind == Kind::Tab && f.c(model.container).currentTab != model.page)
        x.visible = model.visible;
    x.enabled = IsWindowEnabled(h) != FALSE;
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0))) {
        LOGFONTW lf{};
        GetObjectW(font, sizeof lf, &lf);
        x.bold = lf.lfWeight >= FW_BOLD;
    }
    // The tip the tooltip window holds for the control.
    for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip;
         tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
        if (GetWindow(tip, GW_OWNER) != fw.hwnd()) continue;
        wchar_t text[1024] = {};
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND;
        ti.hwnd = fw.hwnd();
        ti.uId = reinterpret_cast<UINT_PTR>(h);
        ti.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&ti));
        x.toolTip = narrow(text);
    }
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const int dpi = static_cast<int>(fw.dpi());
    auto twips = [&](LONG v) { return MulDiv(static_cast<int>(v), 1440, dpi); };
    x.left = twips(r.left), x.top = twips(r.top);
    x.width = twips(r.right - r.left), x.height = twips(r.bottom - r.top);

    // The colours as the window paints them: what it answers the control's colour message.
    UINT colourMessage = WM_CTLCOLORSTATIC;
    if (kind == Kind::TextBox && !(style & ES_READONLY) && x.enabled)
        colourMessage = WM_CTLCOLOREDIT;
    if (kind == Kind::ListBox) colourMessage = WM_CTLCOLORLISTBOX;
    if (kind == Kind::Command) colourMessage = WM_CTLCOLORBTN;
    if (kind == Kind::Tab || kind == Kind::Frame) parent = GetParent(h);
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(parent, colourMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(h));
    x.foreColor = static_cast<std::uint32_t>(GetTextColor(dc));
    x.backColor = static_cast<std::uint32_t>(GetBkColor(dc));
    DeleteDC(dc);

    switch (kind) {
        case Kind::TextBox:
            x.text = win32::windowText(h);
            x.readOnly = (style & ES_READONLY) != 0;
            x.flat =
                (style & WS_BORDER) != 0 && !(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
            break;
        case Kind::Option:
        case Kind::CheckBox:
            x.text = win32::windowText(h);
            x.selected = SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
            break;
        case Kind::ListBox: {
            const auto n = SendMessageW(h, LB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < n; ++i) {
                const auto len = SendMessageW(h, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
                std::wstring item(static_cast<std::size_t>(std::max<LRESULT>(0, len)) + 1, L'\0');
                SendMessageW(h, LB_GETTEXT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(item.data()));
                item.resize(static_cast<std::size_t>(std::max<LRESULT>(0, len)));
                x.items.push_back(narrow(item));
            }
            x.listIndex = static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0));
            if (x.listIndex >= 0 && x.listIndex < static_cast<int>(x.items.size()))
                x.text = x.items[static_cast<std::size_t>(x.listIndex)];
            break;
        }
        case Kind::HScroll: {
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_ALL;
            GetScrollInfo(h, SB_CTL, &si);
            // A bar that runs backwards shows its value mirrored.
            const bool backwards = model.min > model.max;
            x.min = backwards ? si.nMax : si.nMin;
            x.max = backwards ? si.nMin : si.nMax;
            x.value = backwards ? si.nMin + si.nMax - si.nPos : si.nPos;
            break;
        }
        case Kind::Tab: {
            HWND face = FindWindowExW(h, nullptr, WC_TABCONTROLW, nullptr);
            const auto n = SendMessageW(face, TCM_GETITEMCOUNT, 0, 0);
            for (LRESULT i = 0; i < n; ++i) {
                wchar_t text[256] = {};
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text;
                item.cchTextMax = 255;
                SendMessageW(face, TCM_GETITEMW, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(&item));
                x.tabs.push_back(narrow(text));
            }
            x.currentTab = static_cast<int>(SendMessageW(face, TCM_GETCURSEL, 0, 0));
            if (x.currentTab >= 0 && x.currentTab < static_cast<int>(x.tabs.size()))
                x.text = x.tabs[static_cast<std::size_t>(x.currentTab)];
            break;
        }
        case Kind::Sheet:
            // The table is drawn, not made of windows: its cells as the model holds them.
            x.cells = model.cells;
            break;
        default: x.text = win32::windowText(h); break;
    }
    return x;
}

ShownWindow NativeDriver::window(FormModel& f) {
    pump();
    FormWindow& fw = formWindow(f.name());
    RECT client;
    GetClientRect(fw.hwnd(), &client);
    const int dpi = static_cast<int>(fw.dpi());
    return shownFromClient(win32::windowText(fw.hwnd()), MulDiv(client.right, 1440, dpi),
                           MulDiv(client.bottom, 1440, dpi), GetMenu(fw.hwnd()) != nullptr);
}

bool NativeDriver::isOpen(const std::string& form) {
    pump();
    FormWindow* w = windows_.window(form);
    return w && w->attached() && IsWindowVisible(w->hwnd());
}

std::string NativeDriver::front() {
    pump();
    HWND active = GetForegroundWindow();
    for (FormModel* f : app_.openForms())
        if (FormWindow* w = windows_.window(f->name()); w && w->attached() && w->hwnd() == active)
            return f->name();
    return {};
}

// A colour of the descriptions as the windows show it: a system colour through
// GetSysColor; the text of a disabled control in the system's grey text colour; a text
// colour made readable on its ground.
bool NativeDriver::sameColour(FormModel& f, const std::string& key, std::uint32_t shown,
                              std::uint32_t expected, bool text) {
    if (shown == static_cast<std::uint32_t>(win32::toColor(expected))) return true;
    const Kind kind = f.c(key).kind;
    if (!text || kind == Kind::Menu || kind == Kind::Timer) return false;
    HWND h = formWindow(f.name()).handleFor(key);
    if (h && !IsWindowEnabled(h) && shown == GetSysColor(COLOR_GRAYTEXT)) return true;
    // A text colour may be darkened or lightened to stay readable on what it is drawn on:
    // its own background, its container's, or the face and window colours of the desktop.
    const Control& c = f.c(key);
    for (COLORREF under : {win32::toColor(c.backColor), win32::toColor(f.containerBack(c)),
                           GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOW)})
        if (shown == static_cast<std::uint32_t>(win32::readable(win32::toColor(expected), under)))
            return true;
    return false;
}

}  // namespace morvane::winreplay
