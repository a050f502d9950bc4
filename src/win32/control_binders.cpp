// The kinds of controls on Windows: one binder for each, and the table that names them.
#include "win32/control_binders.h"

#include <commctrl.h>

#include <algorithm>
#include <limits>

#include "shell/binding.h"
#include "win32/form_window.h"
#include "win32/label_text.h"
#include "win32/pictures.h"
#include "win32/sheet_view.h"
#include "win32/win_look.h"

namespace morvane::win32 {

namespace {

// Changes a window's style (GWL_STYLE) or extended style (GWL_EXSTYLE); true if it changed.
bool changeStyle(HWND h, int which, LONG_PTR add, LONG_PTR remove) {
    const LONG_PTR s = GetWindowLongPtrW(h, which);
    const LONG_PTR n = (s & ~remove) | add;
    if (n == s) return false;
    SetWindowLongPtrW(h, which, n);
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

void setExStyle(HWND h, LONG_PTR add, LONG_PTR remove) { changeStyle(h, GWL_EXSTYLE, add, remove); }

// A child control of the window's form, with its command id; a control that takes the
// keyboard is a tab stop.
HWND child(const Bound& b, const Control& c, HWND parent, DWORD ex, const wchar_t* cls,
           DWORD style) {
    const DWORD stop = takesKeys(c.kind) ? WS_TABSTOP : 0;
    return CreateWindowExW(ex, cls, L"", WS_CHILD | WS_CLIPSIBLINGS | stop | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(b.id)),
                           GetModuleHandleW(nullptr), nullptr);
}

// A control of the window's own class, whose messages come to the form window.
HWND owned(FormWindow& window, const Bound& b, const Control& c, HWND parent, DWORD ex,
           const wchar_t* cls, DWORD style) {
    HWND h = child(b, c, parent, ex, cls, style);
    SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
    return h;
}

// Scroll bars whose minimum lies above the maximum run backwards: the position on the bar
// and the value mirror each other.
int scrollPos(const Control& c, int value) {
    return c.min <= c.max ? value : c.min + c.max - value;
}

void setText(HWND h, const Control& c, Changes what) {
    if (what.has(Property::Text)) SetWindowTextW(h, wide(c.text).c_str());
}

}  // namespace

void setStyle(HWND h, LONG_PTR add, LONG_PTR remove) {
    if (changeStyle(h, GWL_STYLE, add, remove)) InvalidateRect(h, nullptr, TRUE);
}

// Each kind of control has its own binder: it makes the kind's native control, mirrors a
// change of the model's control to it, and passes the notifications of the control on to the
// model. What every control shares (the subclassing; place, font, colours, enabled, tool tip,
// tab stop, visibility; keys, focus and mouse) FormWindow does itself; the table at the end
// names each kind's binder.
struct ControlBinders {
    // Labels and buttons: a click.
    struct Clicked {
        static void notified(FormWindow& window, const std::string& key, HWND, UINT code) {
            if (code == BN_CLICKED) window.model_.click(key);  // also STN_CLICKED
        }
    };

    struct TextBox {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            DWORD style = ES_AUTOHSCROLL;
            // Single-line edit controls take their alignment when they are made.
            if (c.align == Align::Right) style |= ES_RIGHT;
            if (c.align == Align::Center) style |= ES_CENTER;
            if (c.multiLine)
                style =
                    ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (c.scrollBar ? WS_VSCROLL : 0);
            return child(b, c, parent, 0, WC_EDITW, style);
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes what) {
            HWND h = b.hwnd;
            if (windowText(h) != c.text) {
                const std::wstring text = wide(c.text);
                SetWindowTextW(h, text.c_str());
                // A text that does not fit shows its beginning, unless the user is at it.
                const auto end = static_cast<WPARAM>(text.size());
                if (GetFocus() == h) SendMessageW(h, EM_SETSEL, end, static_cast<LPARAM>(end));
            }
            if (what.has(Property::ReadOnly))
                SendMessageW(h, EM_SETREADONLY, c.readOnly ? TRUE : FALSE, 0);
            if (what.all()) {
                const LONG_PTR a = c.align == Align::Right    ? ES_RIGHT
                                   : c.align == Align::Center ? ES_CENTER
                                                              : ES_LEFT;
                setStyle(h, a, (ES_RIGHT | ES_CENTER) & ~a);
            }
            if (what.has(Property::Flat)) {
                const bool sunken = c.border && !c.flat;
                setExStyle(h, sunken ? WS_EX_CLIENTEDGE : 0, sunken ? 0 : WS_EX_CLIENTEDGE);
                setStyle(h, c.border && c.flat ? WS_BORDER : 0, c.border && c.flat ? 0 : WS_BORDER);
            }
        }
        static void notified(FormWindow& window, const std::string& key, HWND h, UINT code) {
            if (code == EN_CHANGE) window.userEdited(key, h);
        }
    };

    struct Label {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            return child(b, c, parent, 0, WC_STATICW, SS_NOTIFY);
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            HWND h = b.hwnd;
            const UINT dpi = window.dpi_;
            setText(h, c, what);
            // A text that fits on the line of a one-line label stands in its middle; longer
            // texts break at blanks and start at the top.
            const std::wstring text = wide(c.text);
            HDC dc = GetDC(h);
            HGDIOBJ old = SelectObject(dc, font(c.fontName, c.fontSize, c.bold, c.underline, dpi));
            // A result never breaks (fitResult makes its number fit): only its own line breaks
            // count, as in the Qt windows.
            const int width = isResult(c) ? std::numeric_limits<int>::max()
                                          : std::max(1, px(c.width, dpi) - (c.border ? 8 : 0));
            const bool oneLine = standsOnOneLine(dc, text, width, px(c.height, dpi));
            SelectObject(dc, old);
            ReleaseDC(h, dc);
            const LONG_PTR a = c.align == Align::Right    ? SS_RIGHT
                               : c.align == Align::Center ? SS_CENTER
                                                          : SS_LEFT;
            setStyle(h, a | (oneLine ? SS_CENTERIMAGE : 0) | (c.border ? WS_BORDER : 0),
                     ((SS_RIGHT | SS_CENTER) & ~a) | (oneLine ? 0 : SS_CENTERIMAGE) |
                         (c.border ? 0 : WS_BORDER));
            if (!isResult(c)) {  // after the border, which takes from the room
                if (!oneLine) {
                    window.fitCaption(h, c);
                } else if (HFONT full = font(c.fontName, c.fontSize, c.bold, c.underline, dpi);
                           reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)) != full) {
                    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(full), TRUE);
                }
            }
            if (window.built_) fit(window, b, c);
        }
        static void fit(FormWindow& window, Bound& b, const Control& c) {
            if (isResult(c)) window.fitResult(b, c);
        }
    };

    // Option buttons and check boxes.
    struct Choice {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            const DWORD button = c.kind == Kind::Option ? BS_RADIOBUTTON : BS_CHECKBOX;
            return child(b, c, parent, 0, WC_BUTTONW, button | BS_MULTILINE);
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            setText(b.hwnd, c, what);
            if (window.built_ && what.any(Property::Text | Property::Geometry)) fit(window, b, c);
            SendMessageW(b.hwnd, BM_SETCHECK, c.selected ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        static void fit(FormWindow& window, Bound& b, const Control& c) {
            window.fitButton(b.hwnd, c);
        }
    };

    struct Command {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            return child(b, c, parent, 0, WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE);
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            setText(b.hwnd, c, what);
            if (!what.any(Property::Picture | Property::Geometry)) return;
            if (b.picture) DeleteObject(b.picture);
            b.picture = nullptr;
            if (!c.picture.empty()) {
                const UINT dpi = window.dpi_;
                const int side = std::max(8, std::min(px(c.width, dpi), px(c.height, dpi)) - 8);
                b.picture = pictureBitmap(c.picture, side, side, dpi, toColor(c.backColor));
            }
            SendMessageW(b.hwnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(b.picture));
        }
    };

    struct Frame {
        static HWND create(FormWindow& window, Bound& b, const Control& c, HWND parent) {
            return owned(window, b, c, parent, WS_EX_CONTROLPARENT, PanelClass, WS_CLIPCHILDREN);
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            setText(b.hwnd, c, what);
            InvalidateRect(b.hwnd, nullptr, TRUE);
            // The controls that took the frame's colour take the new one.
            if (!what.all() && what.has(Property::BackColor))
                for (const Control& child : window.model_.controls())
                    if (child.container == c.key())
                        if (HWND ch = window.handleFor(child.key()))
                            InvalidateRect(ch, nullptr, TRUE);
        }
    };

    struct ListBox {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            return child(b, c, parent, WS_EX_CLIENTEDGE, WC_LISTBOXW,
                         LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL);
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes what) {
            HWND h = b.hwnd;
            if (what.has(Property::Items)) {
                SendMessageW(h, LB_RESETCONTENT, 0, 0);
                for (const auto& item : c.items)
                    SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
            }
            if (static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0)) != c.listIndex)
                SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(c.listIndex), 0);
        }
        static void notified(FormWindow& window, const std::string& key, HWND h, UINT code) {
            if (code != LBN_SELCHANGE) return;
            const int row = static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0));
            if (row >= 0) window.model_.listClick(key, row);
        }
    };

    // Shapes and lines: drawn on their container's surface, which draws them anew.
    struct Drawn {
        static void apply(FormWindow& window, Bound&, const Control& c, Changes what) {
            if (!what.all()) InvalidateRect(window.containerOf(c), nullptr, TRUE);
        }
    };

    // Pictures and tables, which the window paints itself (FormWindow::handle): painted anew
    // on any change.
    struct Painted {
        static void apply(FormWindow&, Bound& b, const Control&, Changes) {
            InvalidateRect(b.hwnd, nullptr, TRUE);
        }
    };

    struct Picture {
        static HWND create(FormWindow& window, Bound& b, const Control& c, HWND parent) {
            return owned(window, b, c, parent, 0, PictureClass, SS_NOTIFY);
        }
        static void paint(FormWindow& window, HWND, const Control& c, HDC dc, const RECT& r) {
            FillRect(dc, &r, brush(window.groundOf(c, c.backColor)));
            const bool drawn = drawPicture(dc, r, c.picture, window.dpi_);
            if (c.border || !drawn) {
                HGDIOBJ ob = SelectObject(dc, GetStockObject(NULL_BRUSH));
                HPEN pen =
                    CreatePen(PS_SOLID, 1, GetSysColor(drawn ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
                HGDIOBJ op = SelectObject(dc, pen);
                Rectangle(dc, 0, 0, r.right, r.bottom);
                SelectObject(dc, op);
                SelectObject(dc, ob);
                DeleteObject(pen);
            }
        }
    };

    struct Sheet {
        static HWND create(FormWindow& window, Bound& b, const Control& c, HWND parent) {
            return owned(window, b, c, parent, 0, SheetClass, 0);
        }
        static void paint(FormWindow& window, HWND h, const Control& c, HDC dc, const RECT& r) {
            const UINT dpi = window.dpi_;
            drawSheet(h, dc, r, c, font(c.fontName, c.fontSize, false, false, dpi), dpi);
        }
    };

    struct HScroll {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            return child(b, c, parent, 0, WC_SCROLLBARW, SBS_HORZ);
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes) {
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
            si.nMin = std::min(c.min, c.max);
            si.nMax = std::max(c.min, c.max);
            si.nPage = 0;
            si.nPos = scrollPos(c, c.value);
            SetScrollInfo(b.hwnd, SB_CTL, &si, TRUE);
        }
        static void notified(FormWindow& window, const std::string& key, HWND h, UINT code) {
            const Control& c = window.model_.c(key);
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_ALL;
            GetScrollInfo(h, SB_CTL, &si);
            int pos = si.nPos;
            switch (code) {
                case SB_LINELEFT: pos -= c.smallChange; break;
                case SB_LINERIGHT: pos += c.smallChange; break;
                case SB_PAGELEFT: pos -= c.largeChange; break;
                case SB_PAGERIGHT: pos += c.largeChange; break;
                case SB_LEFT: pos = si.nMin; break;
                case SB_RIGHT: pos = si.nMax; break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: pos = si.nTrackPos; break;
                default: return;
            }
            pos = std::clamp(pos, si.nMin, si.nMax);
            if (pos == si.nPos) return;
            SetScrollPos(h, SB_CTL, pos, TRUE);
            window.model_.scroll(key, scrollPos(c, pos));
        }
    };

    // A panel that holds the pages' controls, and the tab control that draws the tabs and
    // the pages' ground inside it.
    struct Tab {
        static HWND create(FormWindow& window, Bound& b, const Control& c, HWND parent) {
            HWND h = owned(window, b, c, parent, WS_EX_CONTROLPARENT, PanelClass, 0);
            b.face = CreateWindowExW(0, WC_TABCONTROLW, L"",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_FOCUSNEVER, 0, 0,
                                     0, 0, h, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(b.id)),
                                     GetModuleHandleW(nullptr), nullptr);
            window.keys_[b.face] = c.key();
            for (std::size_t i = 0; i < c.tabs.size(); ++i) setCaption(b, c, i, TCM_INSERTITEMW);
            return h;
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            for (std::size_t i = 0; what.all() && i < c.tabs.size(); ++i)
                setCaption(b, c, i, TCM_SETITEMW);
            if (static_cast<int>(SendMessageW(b.face, TCM_GETCURSEL, 0, 0)) != c.currentTab)
                SendMessageW(b.face, TCM_SETCURSEL, static_cast<WPARAM>(c.currentTab), 0);
            if (!what.all() && what.has(Property::CurrentTab)) window.showPage(c.key());
        }
        static void notified(FormWindow& window, const std::string& key, HWND face, UINT code) {
            if (code != TCN_SELCHANGE) return;
            const int page = static_cast<int>(SendMessageW(face, TCM_GETCURSEL, 0, 0));
            window.model_.tabShown(key, page);
            if (window.attached_) window.showPage(key);
        }
        // Inserts (TCM_INSERTITEMW) or sets (TCM_SETITEMW) the caption of tab i.
        static void setCaption(const Bound& b, const Control& c, std::size_t i, UINT message) {
            std::wstring caption = wide(c.tabs[i]);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(b.face, message, i, reinterpret_cast<LPARAM>(&item));
        }
    };

    struct Timer {
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            const bool run = window.attached_ && c.enabled && c.interval > 0;
            if (!run)
                KillTimer(window.hwnd_, b.id);
            else if (what.any(Property::Interval | Property::Enabled))
                SetTimer(window.hwnd_, b.id, static_cast<UINT>(c.interval), nullptr);
        }
    };

    struct Menu {
        static void apply(FormWindow& window, Bound&, const Control& c, Changes what) {
            if (window.menus_) window.menus_->apply(c, what);
        }
    };
};

const Binder& binderOf(Kind kind) {
    using K = ControlBinders;
    // kind: makes its native control, mirrors a change, fits it to its text, passes its
    // notifications on, paints it
    static const std::pair<Kind, Binder> binders[] = {
        {Kind::TextBox, {K::TextBox::create, K::TextBox::apply, nullptr, K::TextBox::notified}},
        {Kind::Label, {K::Label::create, K::Label::apply, K::Label::fit, K::Clicked::notified}},
        {Kind::Option, {K::Choice::create, K::Choice::apply, K::Choice::fit, K::Clicked::notified}},
        {Kind::CheckBox,
         {K::Choice::create, K::Choice::apply, K::Choice::fit, K::Clicked::notified}},
        {Kind::Command, {K::Command::create, K::Command::apply, nullptr, K::Clicked::notified}},
        {Kind::Frame, {K::Frame::create, K::Frame::apply}},
        {Kind::ListBox, {K::ListBox::create, K::ListBox::apply, nullptr, K::ListBox::notified}},
        {Kind::Shape, {nullptr, K::Drawn::apply}},
        {Kind::Line, {nullptr, K::Drawn::apply}},
        {Kind::Picture,
         {K::Picture::create, K::Painted::apply, nullptr, nullptr, K::Picture::paint}},
        {Kind::HScroll, {K::HScroll::create, K::HScroll::apply, nullptr, K::HScroll::notified}},
        {Kind::Timer, {nullptr, K::Timer::apply}},
        {Kind::Tab, {K::Tab::create, K::Tab::apply, nullptr, K::Tab::notified}},
        {Kind::Menu, {nullptr, K::Menu::apply}},
        {Kind::Sheet, {K::Sheet::create, K::Painted::apply, nullptr, nullptr, K::Sheet::paint}},
    };
    return binderIn(binders, kind);
}

}  // namespace morvane::win32
