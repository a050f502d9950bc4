// The kinds of controls on Windows: one binder for each, and the table that names them.
#include "win32/control_binders.h"

#include <commctrl.h>

#include <stdexcept>

#include "win32/form_window.h"
#include "win32/win_look.h"

namespace morvane::win32 {

namespace {

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

}  // namespace

// Each kind of control has its own binder: it makes the kind's native control. What every
// control shares (the subclassing, the window's map of handles) FormWindow::create() does
// itself; the table at the end names each kind's binder.
struct ControlBinders {
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
    };

    struct Label {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            return child(b, c, parent, 0, WC_STATICW, SS_NOTIFY);
        }
    };

    // Option buttons and check boxes.
    struct Choice {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            const DWORD button = c.kind == Kind::Option ? BS_RADIOBUTTON : BS_CHECKBOX;
            return child(b, c, parent, 0, WC_BUTTONW, button | BS_MULTILINE);
        }
    };

    struct Command {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            return child(b, c, parent, 0, WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE);
        }
    };

    struct Frame {
        static HWND create(FormWindow& window, Bound& b, const Control& c, HWND parent) {
            return owned(window, b, c, parent, WS_EX_CONTROLPARENT, PanelClass, WS_CLIPCHILDREN);
        }
    };

    struct ListBox {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            return child(b, c, parent, WS_EX_CLIENTEDGE, WC_LISTBOXW,
                         LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL);
        }
    };

    struct Picture {
        static HWND create(FormWindow& window, Bound& b, const Control& c, HWND parent) {
            return owned(window, b, c, parent, 0, PictureClass, SS_NOTIFY);
        }
    };

    struct HScroll {
        static HWND create(FormWindow&, Bound& b, const Control& c, HWND parent) {
            return child(b, c, parent, 0, WC_SCROLLBARW, SBS_HORZ);
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
            for (std::size_t i = 0; i < c.tabs.size(); ++i) {
                std::wstring caption = wide(c.tabs[i]);
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = caption.data();
                SendMessageW(b.face, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
            }
            return h;
        }
    };

    struct Sheet {
        static HWND create(FormWindow& window, Bound& b, const Control& c, HWND parent) {
            return owned(window, b, c, parent, 0, SheetClass, 0);
        }
    };
};

const Binder& binderOf(Kind kind) {
    using K = ControlBinders;
    // kind: makes its native control, subclassed
    static const std::pair<Kind, Binder> binders[] = {
        {Kind::TextBox, {K::TextBox::create}},
        {Kind::Label, {K::Label::create}},
        {Kind::Option, {K::Choice::create}},
        {Kind::CheckBox, {K::Choice::create}},
        {Kind::Command, {K::Command::create}},
        {Kind::Frame, {K::Frame::create, false}},
        {Kind::ListBox, {K::ListBox::create}},
        {Kind::Shape, {}},
        {Kind::Line, {}},
        {Kind::Picture, {K::Picture::create}},
        {Kind::HScroll, {K::HScroll::create}},
        {Kind::Timer, {}},
        {Kind::Tab, {K::Tab::create, false}},
        {Kind::Menu, {}},
        {Kind::Sheet, {K::Sheet::create}},
    };
    for (const auto& [k, binder] : binders)
        if (k == kind) return binder;
    throw std::logic_error("no binder for a kind of control");
}

}  // namespace morvane::win32
