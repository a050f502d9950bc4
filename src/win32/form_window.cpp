#include "win32/form_window.h"

#include <commctrl.h>

#include <algorithm>

#include "shell/application.h"
#include "win32/label_text.h"
#include "win32/win_look.h"
#include "win32/win_platform.h"

namespace morvane::win32 {

namespace {
const wchar_t* const FormClass = L"MorvaneForm";
constexpr UINT FirstId = 100;

// Shapes and lines are drawn on their container's surface, below every control.
bool drawnOnSurface(Kind k) { return k == Kind::Shape || k == Kind::Line; }

// Drawing off screen: a bitmap the size of a window's client area r, shown on target at once
// when the drawing is done.
class OffScreen {
public:
    OffScreen(HDC target, const RECT& r)
        : target_(target),
          r_(r),
          dc_(CreateCompatibleDC(target)),
          bmp_(CreateCompatibleBitmap(target, std::max<LONG>(1, r.right),
                                      std::max<LONG>(1, r.bottom))),
          old_(SelectObject(dc_, bmp_)) {}
    ~OffScreen() {
        BitBlt(target_, 0, 0, r_.right, r_.bottom, dc_, 0, 0, SRCCOPY);
        SelectObject(dc_, old_);
        DeleteObject(bmp_);
        DeleteDC(dc_);
    }
    OffScreen(const OffScreen&) = delete;
    OffScreen& operator=(const OffScreen&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC target_;
    RECT r_;
    HDC dc_;
    HBITMAP bmp_;
    HGDIOBJ old_;
};

UINT windowDpi(HWND h) {
    const UINT d = h ? GetDpiForWindow(h) : 0;
    return d ? d : 96;
}
}  // namespace

void FormWindow::registerClasses(HINSTANCE instance) {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, L"MORVANE");
    wc.hIconSm = wc.hIcon;
    wc.lpszClassName = FormClass;
    wc.style = CS_DBLCLKS;
    RegisterClassExW(&wc);
    wc.hIcon = wc.hIconSm = nullptr;
    wc.lpszClassName = PanelClass;
    RegisterClassExW(&wc);
    wc.lpszClassName = PictureClass;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    RegisterClassExW(&wc);
    wc.lpszClassName = SheetClass;
    RegisterClassExW(&wc);
}

FormWindow::FormWindow(Application& app, FormModel& model) : app_(app), model_(model) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClasses(instance);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN |
                        (model.window().sizable ? WS_THICKFRAME | WS_MAXIMIZEBOX : 0);
    hwnd_ =
        CreateWindowExW(WS_EX_CONTROLPARENT, FormClass, wide(model.window().title).c_str(), style,
                        CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr, nullptr, instance, this);
    dpi_ = windowDpi(hwnd_);
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                            nullptr, instance, nullptr);
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
    build();
    model_.addView(this);
}

FormWindow::~FormWindow() {
    if (attached_) model_.removeView(this);
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (auto& [key, b] : bound_)
        if (b.picture) DeleteObject(b.picture);
}

void FormWindow::show() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
    if (!model_.focus().empty()) focusChanged(model_.focus());
}

void FormWindow::detach() {
    if (!attached_) return;
    attached_ = false;
    model_.removeView(this);
    for (auto& [id, key] : timers_) KillTimer(hwnd_, id);
    ShowWindow(hwnd_, SW_HIDE);
}

HWND FormWindow::handleFor(const std::string& key) const {
    const Bound* b = bound_.find(key);
    return b ? b->hwnd : nullptr;
}

HMENU FormWindow::menuFor(const std::string& key) const {
    return menus_ ? menus_->menuFor(key) : nullptr;
}

UINT FormWindow::commandFor(const std::string& key) const {
    if (UINT id = menus_ ? menus_->commandFor(key) : 0) return id;
    const Bound* b = bound_.find(key);
    return b ? b->id : 0;
}

const std::string* FormWindow::keyOf(HWND h) const {
    auto it = keys_.find(h);
    return it == keys_.end() ? nullptr : &it->second;
}

// ---- Building ----

void FormWindow::build() {
    UINT id = FirstId;
    for (const Control& c : model_.controls()) bound_[c.key()].id = id++;
    if (model_.hasMenu()) {
        menus_ = std::make_unique<MenuBar>(hwnd_, model_, dpi_);
        SetMenu(hwnd_, menus_->bar());
    }
    // Containers first, so that every child finds its parent.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Control& c : model_.controls()) {
            if ((pass == 0) != isContainer(c.kind) || c.kind == Kind::Menu) continue;
            Bound& b = bound_[c.key()];
            if (c.kind == Kind::Timer) {
                timers_[b.id] = c.key();
            } else if (!drawnOnSurface(c.kind)) {
                b.hwnd = create(b, c, containerOf(c));
                if (b.hwnd) keys_[b.hwnd] = c.key();
            }
        }
    }
    for (const Control& c : model_.controls()) apply(bound_[c.key()], c, Changes::everything());
    built_ = true;
    for (const Control& c : model_.controls())
        if (const auto fit = binderOf(c.kind).fit) fit(*this, bound_[c.key()], c);
    // Stacking: drawn controls (labels, pictures) below windowed ones, each group in
    // declaration order, the later above the earlier; a tab control below its pages.
    for (int pass = 0; pass < 2; ++pass)
        for (const Control& c : model_.controls()) {
            if (HWND h = bound_[c.key()].hwnd; h && windowed(c.kind) == (pass == 1))
                SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    for (const Control& c : model_.controls())
        if (c.kind == Kind::Tab) {
            Bound& b = bound_[c.key()];
            SetWindowPos(b.face, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            showPage(c.key());
        }
    applyWindow();
}

HWND FormWindow::create(Bound& b, const Control& c, HWND parent) {
    const Binder& binder = binderOf(c.kind);
    if (!binder.create) return nullptr;
    HWND h = binder.create(*this, b, c, parent);
    // The window passes the keys, focus and mouse of a control to the model; the panels of
    // frames and tab controls are of its own class, their messages come to it.
    if (h && !isContainer(c.kind))
        SetWindowSubclass(h, controlProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return h;
}

HWND FormWindow::containerOf(const Control& c) const {
    if (c.container.empty()) return hwnd_;
    const Bound* box = bound_.find(c.container);
    return box && box->hwnd ? box->hwnd : hwnd_;
}

void FormWindow::showPage(const std::string& tabKey) {
    for (const Control& c : model_.controls()) {
        if (c.container != tabKey || c.page < 0) continue;
        if (HWND h = handleFor(c.key()))
            ShowWindow(h, c.visible && model_.shownOnPage(c) ? SW_SHOWNA : SW_HIDE);
    }
    if (HWND h = handleFor(tabKey)) InvalidateRect(h, nullptr, TRUE);
}

void FormWindow::place(Bound& b, const Control& c) {
    if (!b.hwnd) return;
    const int w = std::max(0, px(c.width, dpi_)), h = std::max(0, px(c.height, dpi_));
    SetWindowPos(b.hwnd, nullptr, px(c.left, dpi_), px(c.top, dpi_), w, h,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (b.face) SetWindowPos(b.face, nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Mirroring the model ----

void FormWindow::apply(Bound& b, const Control& c, Changes what) {
    const Binder& binder = binderOf(c.kind);
    // Kinds without a native control of their own are their binder's alone.
    if (!binder.create) {
        binder.apply(*this, b, c, what);
        return;
    }
    HWND h = b.hwnd;
    if (!h) return;
    ++applying_;

    if (what.has(Property::Geometry)) place(b, c);
    if (what.has(Property::Font)) {
        HFONT f = font(c.fontName, c.fontSize, c.bold, c.underline, dpi_);
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
        if (b.face) SendMessageW(b.face, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
    }
    if (what.any(Property::BackColor | Property::ForeColor)) InvalidateRect(h, nullptr, TRUE);
    if (what.has(Property::Enabled)) EnableWindow(h, c.enabled ? TRUE : FALSE);
    if (what.has(Property::ToolTip) && c.kind != Kind::Sheet && !isResult(c))
        applyTip(h, c.toolTip);
    if (what.has(Property::TabStop) && takesKeys(c.kind))
        setStyle(h, c.tabStop ? WS_TABSTOP : 0, c.tabStop ? 0 : WS_TABSTOP);
    binder.apply(*this, b, c, what);
    if (what.has(Property::Visible))
        ShowWindow(h, c.visible && model_.shownOnPage(c) ? SW_SHOWNA : SW_HIDE);
    --applying_;
}

// A caption that breaks onto more lines than its label holds, or breaks a word inside, runs
// up to 3 px (at 96 dpi) smaller until it fits (else it keeps its size).
void FormWindow::fitCaption(HWND h, const Control& c) {
    const std::wstring text = wide(c.text);
    RECT room;
    GetClientRect(h, &room);
    if (room.right <= 0 || text.empty()) return;
    HDC dc = GetDC(h);
    // First the free room below the label, where the whole text fits there: up to the next
    // control below it and the container's edge.
    {
        HGDIOBJ old = SelectObject(dc, font(c.fontName, c.fontSize, c.bold, c.underline, dpi_));
        const SIZE r = wrappedSize(dc, text, room.right);
        const bool wordsFit = widestWord(dc, text) <= room.right;
        SelectObject(dc, old);
        HWND parent = GetParent(h);
        RECT g, pr;
        GetWindowRect(h, &g);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&g), 2);
        GetClientRect(parent, &pr);
        const int border = (g.bottom - g.top) - room.bottom;
        LONG limit = pr.bottom;
        for (const Control& o : model_.controls()) {
            HWND w = handleFor(o.key());
            // Hidden ones too: a control shown later must not cover the grown label.
            if (!w || w == h || GetParent(w) != parent || o.page != c.page) continue;
            RECT og;
            GetWindowRect(w, &og);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&og), 2);
            if (og.right > g.left && og.left < g.right && og.top >= g.bottom)
                limit = std::min(limit, og.top);
        }
        if (r.cy > room.bottom && wordsFit && g.top + r.cy + border <= limit) {
            SetWindowPos(h, nullptr, 0, 0, g.right - g.left, r.cy + border,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            GetClientRect(h, &room);
        }
    }
    const double points = c.fontSize > 0 ? c.fontSize : 8.25;
    const int fullPixels = fontPixels(points, dpi_);
    const int least = fullPixels - MulDiv(3, static_cast<int>(dpi_), 96);
    HFONT chosen = font(c.fontName, points, c.bold, c.underline, dpi_);
    for (int pixels = fullPixels; pixels >= least && pixels > 1; --pixels) {
        HFONT f = fontOfPixels(c.fontName, pixels, c.bold, c.underline);
        HGDIOBJ old = SelectObject(dc, f);
        const SIZE r = wrappedSize(dc, text, room.right);
        const bool wordsFit = widestWord(dc, text) <= room.right;
        SelectObject(dc, old);
        if (wordsFit && r.cy <= room.bottom + 1) {
            chosen = f;
            break;
        }
    }
    ReleaseDC(h, dc);
    if (reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)) != chosen)
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
}

// An option button or check box whose caption is wider than the control breaks it onto
// further lines where the control is tall enough, else takes the free room to its right.
void FormWindow::fitButton(HWND h, const Control& c) {
    if (!h) return;
    RECT r{px(c.left, dpi_), px(c.top, dpi_), px(c.left, dpi_) + std::max(0, px(c.width, dpi_)),
           px(c.top, dpi_) + std::max(0, px(c.height, dpi_))};
    const std::wstring text = wide(c.text);
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, font(c.fontName, c.fontSize, c.bold, c.underline, dpi_));
    // The button draws its box, half a digit's width of space, then the caption.
    INT digit = 0;
    GetCharWidth32W(dc, L'0', L'0', &digit);
    const int before = MulDiv(12, static_cast<int>(dpi_), 96) + 1 + digit / 2;
    const int room = std::max<int>(1, r.right - r.left - before);
    RECT one{0, 0, room, 0}, wrapped{0, 0, room, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &one, DT_CALCRECT | DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &wrapped,
              DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    if (one.right > room && (wrapped.bottom > r.bottom - r.top + 1 || wrapped.right > room))
        r = widened(c, h, r, one.right + before + 2, false);
    SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A result (a framed, right-aligned label) shows its whole number on one line, never
// wrapped or cut: where it is wider than its label, the label grows to the left into the free
// room before it (the digits keep their right edge), then to the right; only where the row has
// no room left, its font runs smaller until every digit is shown, and the whole number shows
// at full size as its tool tip.
void FormWindow::fitResult(Bound& b, const Control& c) {
    HWND h = b.hwnd;
    if (!h) return;
    RECT r{px(c.left, dpi_), px(c.top, dpi_), px(c.left, dpi_) + std::max(0, px(c.width, dpi_)),
           px(c.top, dpi_) + std::max(0, px(c.height, dpi_))};
    const std::wstring text = wide(c.text);
    HDC dc = GetDC(h);
    const int edges = (c.border ? 2 : 0) + 2;
    auto need = [&](HFONT f, int* height) {
        HGDIOBJ old = SelectObject(dc, f);
        SIZE s{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &s);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        if (height) *height = tm.tmHeight;
        return static_cast<int>(s.cx) + edges;
    };
    const double points = c.fontSize > 0 ? c.fontSize : 8.25;
    HFONT f = font(c.fontName, points, c.bold, c.underline, dpi_);
    if (need(f, nullptr) > r.right - r.left) r = widened(c, h, r, need(f, nullptr), true);
    const int lineRoom = r.bottom - r.top - (c.border ? 2 : 0) + 1;
    const int fullPixels = fontPixels(points, dpi_);
    int pixels = fullPixels, lineHeight = 0;
    while ((need(f, &lineHeight) > r.right - r.left || lineHeight > lineRoom) && pixels > 1) {
        --pixels;
        f = fontOfPixels(c.fontName, pixels, c.bold, c.underline);
    }
    ReleaseDC(h, dc);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
    SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    applyTip(h, c.toolTip.empty() && pixels < fullPixels ? c.text : c.toolTip);
}

// The room a control may grow into along its row: up to the next control of the same
// container page and the container's edge (lines and shapes do not stop it).
RECT FormWindow::widened(const Control& c, HWND self, RECT r, int need, bool leftFirst) const {
    HWND parent = GetParent(self);
    RECT pr;
    GetClientRect(parent, &pr);
    const int edge = parent == hwnd_ ? 0 : 3;
    int leftLimit = edge, rightLimit = pr.right - edge;
    for (const Control& o : model_.controls()) {
        if (o.key() == c.key() || o.container != c.container || o.page != c.page || !o.visible ||
            drawnOnSurface(o.kind))
            continue;
        HWND w = handleFor(o.key());
        if (!w || GetParent(w) != parent) continue;
        RECT g;
        GetWindowRect(w, &g);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&g), 2);
        if (g.bottom <= r.top || g.top >= r.bottom) continue;  // not in the row: no measuring
        // An unframed label stops the growth where its text is, not where its box is.
        if (o.kind == Kind::Label && !o.border && !o.text.empty()) {
            HDC dc = GetDC(w);
            HGDIOBJ old = SelectObject(dc, font(o.fontName, o.fontSize, o.bold, o.underline, dpi_));
            const std::wstring t = wide(o.text);
            const SIZE tr = wrappedSize(dc, t, g.right - g.left);
            SelectObject(dc, old);
            ReleaseDC(w, dc);
            const int tw = std::min<int>(tr.cx, g.right - g.left);
            if (o.align == Align::Right)
                g.left = g.right - tw;
            else if (o.align == Align::Center)
                g.left += (g.right - g.left - tw) / 2, g.right = g.left + tw;
            else
                g.right = g.left + tw;
        }
        if (g.right <= g.left || g.bottom <= r.top || g.top >= r.bottom) continue;
        if (g.right <= r.left)
            leftLimit = std::max<int>(leftLimit, g.right + 2);
        else if (g.left >= r.right)
            rightLimit = std::min<int>(rightLimit, g.left - 2);
    }
    int grow = need - (r.right - r.left);
    for (int side = 0; side < 2 && grow > 0; ++side) {
        if ((side == 0) == leftFirst) {
            const int take = std::clamp<int>(r.left - leftLimit, 0, grow);
            r.left -= take, grow -= take;
        } else {
            const int take = std::clamp<int>(rightLimit - r.right, 0, grow);
            r.right += take, grow -= take;
        }
    }
    return r;
}

void FormWindow::applyTip(HWND h, const std::string& text) {
    auto it = keys_.find(h);
    if (it != keys_.end()) {
        Bound& b = bound_[it->second];
        if (b.tip == text) return;
        b.tip = text;
    }
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hwnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(h);
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    if (text.empty()) return;
    std::wstring tip = wide(text);
    ti.lpszText = tip.data();
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void FormWindow::applyWindow() {
    const WindowProps& wp = model_.window();
    SetWindowTextW(hwnd_, wide(wp.title).c_str());
    RECT r{0, 0, std::max(1, px(model_.clientWidth(), dpi_)),
           std::max(0, px(model_.clientHeight(), dpi_))};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    AdjustWindowRectExForDpi(&r, style, menus_ != nullptr, WS_EX_CONTROLPARENT, dpi_);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int x = 0, y = 0;
    if ((wp.left != lastLeft_ || wp.top != lastTop_) && wp.left >= 0 && wp.top >= 0) {
        x = px(wp.left, dpi_), y = px(wp.top, dpi_);
    } else {
        flags |= SWP_NOMOVE;
    }
    lastLeft_ = wp.left, lastTop_ = wp.top;
    SetWindowPos(hwnd_, nullptr, x, y, r.right - r.left, r.bottom - r.top, flags);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void FormWindow::controlChanged(const Control& control, Changes what) {
    if (Bound* b = bound_.find(control.key())) apply(*b, control, what);
}

void FormWindow::windowChanged() { applyWindow(); }

void FormWindow::focusChanged(const std::string& key) {
    HWND h = handleFor(key);
    if (!h || !IsWindowVisible(hwnd_)) return;
    const Control& c = model_.c(key);
    if (takesKeys(c.kind) && GetFocus() != h) SetFocus(h);
}

void FormWindow::relayout() {
    for (const Control& c : model_.controls()) apply(bound_[c.key()], c, Changes::everything());
    applyWindow();
}

// ---- Drawing ----

void FormWindow::paintSurface(HWND h, HDC dc) {
    RECT all;
    GetClientRect(h, &all);
    const std::string* boxKey = h == hwnd_ ? nullptr : keyOf(h);
    const Control* box = boxKey ? &model_.c(*boxKey) : nullptr;
    const std::uint32_t back = box ? (box->kind == Kind::Frame ? box->backColor : Color::ButtonFace)
                                   : model_.window().backColor;
    // A frame on a tab page in the page's colour takes the colour the tab control draws.
    const COLORREF backColour =
        box && box->kind == Kind::Frame ? groundOf(*box, back) : toColor(back);
    FillRect(dc, &all, brush(backColour));
    if (box && box->kind == Kind::Frame) {
        // The group box: an etched frame with its caption in the top line.
        HFONT f = font(box->fontName, box->fontSize, box->bold, box->underline, dpi_);
        HGDIOBJ old = SelectObject(dc, f);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT frame = all;
        frame.top += tm.tmHeight / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        const std::wstring caption = wide(plainCaption(box->text));
        if (!caption.empty()) {
            SetBkColor(dc, backColour);
            SetBkMode(dc, OPAQUE);
            SetTextColor(dc, box->enabled ? readable(toColor(box->foreColor), backColour)
                                          : GetSysColor(COLOR_GRAYTEXT));
            TextOutW(dc, MulDiv(8, static_cast<int>(dpi_), 96), 0, caption.c_str(),
                     static_cast<int>(caption.size()));
        }
        SelectObject(dc, old);
    }
    // Shapes and lines of this surface, in declaration order.
    const std::string surfaceKey = boxKey ? *boxKey : std::string();
    for (const Control& c : model_.controls()) {
        if (!drawnOnSurface(c.kind) || c.container != surfaceKey || !c.visible ||
            !model_.shownOnPage(c))
            continue;
        const int width = std::max(1, MulDiv(c.borderWidth, static_cast<int>(dpi_), 96));
        HPEN pen = CreatePen(PS_SOLID, width, toColor(c.foreColor));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        if (c.kind == Kind::Line) {
            MoveToEx(dc, px(c.left, dpi_), px(c.top, dpi_), nullptr);
            LineTo(dc, px(c.width, dpi_), px(c.height, dpi_));
        } else {
            HGDIOBJ oldBrush = SelectObject(
                dc, c.filled ? brush(toColor(c.backColor)) : GetStockObject(NULL_BRUSH));
            int l = px(c.left, dpi_), t = px(c.top, dpi_);
            int w = px(c.width, dpi_), hh = px(c.height, dpi_);
            if (c.shape == 1 || c.shape == 3 || c.shape == 5) {  // square forms: centred
                const int side = std::min(w, hh);
                l += (w - side) / 2, t += (hh - side) / 2, w = hh = side;
            }
            if (c.shape == 2 || c.shape == 3)
                Ellipse(dc, l, t, l + w, t + hh);
            else if (c.shape == 4 || c.shape == 5)
                RoundRect(dc, l, t, l + w, t + hh, std::min(w, hh) / 3, std::min(w, hh) / 3);
            else
                Rectangle(dc, l, t, l + w, t + hh);
            SelectObject(dc, oldBrush);
        }
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
}

// A label draws its own text (label_text.h). Where its background is its container's, it
// shows what the container draws under it, the lines of frames and shapes included.
void FormWindow::paintLabel(HWND h, HDC target, const Control& c) {
    RECT r;
    GetClientRect(h, &r);
    const OffScreen off(target, r);
    HDC dc = off.dc();
    HBRUSH back = colorsFor(h, dc);
    HWND parent = GetParent(h);
    const std::string* parentKey = parent == hwnd_ ? nullptr : keyOf(parent);
    const bool surface = parent == hwnd_ || (parentKey && model_.c(*parentKey).kind == Kind::Frame);
    if (surface && (c.transparent || c.backColor == model_.containerBack(c))) {
        POINT at{0, 0};
        MapWindowPoints(h, parent, &at, 1);
        SetViewportOrgEx(dc, -at.x, -at.y, nullptr);
        paintSurface(parent, dc);
        SetViewportOrgEx(dc, 0, 0, nullptr);
        colorsFor(h, dc);  // the surface leaves its own colours in the DC
    } else {
        FillRect(dc, &r, back);
    }
    const std::wstring text = windowTextW(h);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    const UINT align = (style & SS_TYPEMASK) == SS_RIGHT    ? DT_RIGHT
                       : (style & SS_TYPEMASK) == SS_CENTER ? DT_CENTER
                                                            : DT_LEFT;
    drawLabelText(dc, r, text, align, (style & SS_CENTERIMAGE) != 0);
    SelectObject(dc, oldFont);
}

HBRUSH FormWindow::colorsFor(HWND control, HDC dc) {
    const std::string* key = keyOf(control);
    if (!key) return nullptr;
    const Control& c = model_.c(*key);
    std::uint32_t back = c.backColor;
    if (c.kind == Kind::Tab) back = Color::ButtonFace;
    if (c.kind == Kind::Label && c.transparent) back = model_.containerBack(c);
    COLORREF colour = toColor(back);
    // A background like the container's is left to the container: on a tab page that is
    // the colour the tab control draws its page in.
    const bool plain = c.kind == Kind::Label || c.kind == Kind::Option || c.kind == Kind::CheckBox;
    if (plain) colour = groundOf(c, back);
    // A disabled text box in the window's colour shows the face colour behind its grey text,
    // as Windows draws it; enabled texts stay readable on whatever the desktop's colours are.
    if (c.kind == Kind::TextBox && !c.enabled &&
        (back == Color::WindowBackground || colour == GetSysColor(COLOR_WINDOW)))
        colour = GetSysColor(COLOR_BTNFACE);
    SetTextColor(dc,
                 c.enabled ? readable(toColor(c.foreColor), colour) : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, colour);
    SetBkMode(dc, OPAQUE);
    return brush(colour);
}

// The colour of a control whose background is its container's: on a tab page, directly or
// inside frames in the page's colour, the colour the tab control draws its page in.
COLORREF FormWindow::groundOf(const Control& c, std::uint32_t back) {
    const Control* x = &c;
    while (back == model_.containerBack(*x) && !x->container.empty() && model_.has(x->container)) {
        const Control& box = model_.c(x->container);
        if (box.kind == Kind::Tab) return pageColour(box.key());
        if (box.kind != Kind::Frame) break;
        x = &box;
    }
    return toColor(back);
}

COLORREF FormWindow::pageColour(const std::string& tabKey) {
    Bound* tab = bound_.find(tabKey);
    if (!tab || !tab->face) return GetSysColor(COLOR_BTNFACE);
    Bound& b = *tab;
    if (b.pageColour == CLR_INVALID) {
        // Whatever the desktop's theme: the colour the tab control draws inside its page.
        RECT r;
        GetClientRect(b.face, &r);
        HDC screen = GetDC(b.face);
        HDC mem = CreateCompatibleDC(screen);
        HBITMAP bmp =
            CreateCompatibleBitmap(screen, std::max<LONG>(1, r.right), std::max<LONG>(1, r.bottom));
        HGDIOBJ old = SelectObject(mem, bmp);
        SendMessageW(b.face, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem),
                     PRF_CLIENT | PRF_ERASEBKGND);
        b.pageColour = r.right > 20 && r.bottom > 20 ? GetPixel(mem, 8, r.bottom - 8) : CLR_INVALID;
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
        ReleaseDC(b.face, screen);
        if (b.pageColour == CLR_INVALID) return GetSysColor(COLOR_BTNFACE);
    }
    return b.pageColour;
}

// ---- The user's events ----

void FormWindow::userEdited(const std::string& key, HWND h) {
    if (applying_ || !attached_ || !model_.has(key)) return;
    const std::string text = windowText(h);
    if (model_.c(key).text == text) return;
    model_.userEdit(key, text);
}

// A control tells its parent what the user did; its kind's binder tells the model.
void FormWindow::notified(HWND from, UINT code) {
    const std::string* key = attached_ ? keyOf(from) : nullptr;
    if (!key) return;
    const std::string k = *key;
    if (const auto notified = binderOf(model_.c(k).kind).notified) notified(*this, k, from, code);
}

void FormWindow::moveFocus(const std::string& from, bool back) {
    const auto order = model_.tabOrder();
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), from);
    std::size_t i = 0;
    if (it == order.end()) {
        i = back ? order.size() - 1 : 0;
    } else {
        const auto at = static_cast<std::size_t>(it - order.begin());
        i = back ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    for (std::size_t n = 0; n < order.size(); ++n) {
        HWND h = handleFor(order[i]);
        if (h && IsWindowVisible(h) && IsWindowEnabled(h)) {
            SetFocus(h);
            return;
        }
        i = back ? (i + order.size() - 1) % order.size() : (i + 1) % order.size();
    }
}

LRESULT CALLBACK FormWindow::windowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        if (cs->lpCreateParams)
            SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!self) return DefWindowProcW(h, msg, wp, lp);
    return self->handle(h, msg, wp, lp);
}

LRESULT FormWindow::handle(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    const bool form = h == hwnd_ || hwnd_ == nullptr;
    switch (msg) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            RECT r;
            GetClientRect(h, &r);
            {
                const OffScreen off(dc, r);
                const std::string* key = keyOf(h);
                const Control* c = key ? &model_.c(*key) : nullptr;
                if (const auto paint = c ? binderOf(c->kind).paint : nullptr)
                    paint(*this, h, *c, off.dc(), r);
                else  // the form, a frame, a tab control's panel
                    paintSurface(h, off.dc());
            }
            EndPaint(h, &ps);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (HBRUSH b = colorsFor(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp)))
                return reinterpret_cast<LRESULT>(b);
            break;
        case WM_COMMAND: {
            if (!attached_) return 0;
            if (lp == 0) {  // a menu entry
                if (HIWORD(wp) == 0 && menus_)
                    if (auto key = menus_->entryOfCommand(LOWORD(wp))) model_.menu(*key);
                return 0;
            }
            notified(reinterpret_cast<HWND>(lp), HIWORD(wp));
            return 0;
        }
        case WM_NOTIFY: {
            const auto* n = reinterpret_cast<const NMHDR*>(lp);
            notified(n->hwndFrom, n->code);
            return 0;
        }
        case WM_HSCROLL:
            if (lp) notified(reinterpret_cast<HWND>(lp), LOWORD(wp));
            return 0;
        case WM_TIMER: {
            auto it = timers_.find(static_cast<UINT>(wp));
            if (attached_ && it != timers_.end()) model_.tick(it->second);
            return 0;
        }
        case WM_INITMENUPOPUP: {
            if (attached_ && menus_)
                if (auto key = menus_->entryOfPopup(reinterpret_cast<HMENU>(wp)))
                    model_.submenu(*key);
            return 0;
        }
        case WM_MEASUREITEM:
            if (form && wp == 0 && menus_ &&
                menus_->measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp)))
                return TRUE;
            break;
        case WM_DRAWITEM:
            if (form && wp == 0 && menus_ && menus_->draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lp)))
                return TRUE;
            break;
        case WM_ACTIVATE:
            // A window that comes to the front again (after a message box, after another
            // window) gives the keyboard back to the control that had it, not to itself.
            if (form && attached_ && LOWORD(wp) != WA_INACTIVE && !HIWORD(wp)) {
                const std::string& focus = model_.focus();
                HWND c = focus.empty() ? nullptr : handleFor(focus);
                if (c && takesKeys(model_.c(focus).kind) && IsWindowVisible(c) &&
                    IsWindowEnabled(c)) {
                    SetFocus(c);
                    return 0;
                }
            }
            break;
        case WM_MOUSEMOVE:
            if (attached_ && form) model_.mouseMoveWindow();
            break;
        case WM_DPICHANGED:
            if (form) {
                dpi_ = HIWORD(wp);
                if (menus_) menus_->setDpi(dpi_);
                auto* r = reinterpret_cast<RECT*>(lp);
                SetWindowPos(h, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                relayout();
                return 0;
            }
            break;
        case WM_CLOSE:
            if (form) {
                if (attached_) app_.close(model_.name());
                return 0;
            }
            break;
        default: break;
    }
    return DefWindowProcW(h, msg, wp, lp);
}

LRESULT CALLBACK FormWindow::controlProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                         DWORD_PTR self) {
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(h, controlProc, 1);
        return DefSubclassProc(h, msg, wp, lp);
    }
    auto* w = reinterpret_cast<FormWindow*>(self);
    const std::string* key = w->keyOf(h);
    if (!key) return DefSubclassProc(h, msg, wp, lp);
    return w->handleControl(h, msg, wp, lp, std::string(*key));
}

LRESULT FormWindow::handleControl(HWND h, UINT msg, WPARAM wp, LPARAM lp, const std::string& key) {
    if (model_.has(key) && model_.c(key).kind == Kind::Label) {
        switch (msg) {
            case WM_ERASEBKGND: return 1;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(h, &ps);
                paintLabel(h, dc, model_.c(key));
                EndPaint(h, &ps);
                return 0;
            }
            case WM_PRINTCLIENT: paintLabel(h, reinterpret_cast<HDC>(wp), model_.c(key)); return 0;
            default: break;
        }
    }
    if (!attached_) {
        if (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) return 0;
        return DefSubclassProc(h, msg, wp, lp);
    }
    const Control& c = model_.c(key);
    switch (msg) {
        case WM_GETDLGCODE:
            return DefSubclassProc(h, msg, wp, lp) | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        case WM_KEYDOWN:
            if (wp == VK_TAB && takesKeys(c.kind)) {
                moveFocus(key, GetKeyState(VK_SHIFT) < 0);
                return 0;
            }
            break;
        case WM_CHAR: {
            if (!takesKeys(c.kind)) break;
            const int ch = static_cast<int>(wp);
            if (ch == '\t') return 0;  // Tab moves the focus; its release arrives there
            if (ch == 127 || (ch >= 0xD800 && ch <= 0xDFFF)) break;
            const int kept = model_.keyPress(key, ch);
            if (!attached_ || !IsWindow(h)) return 0;
            if (kept == 0) return 0;
            const bool singleLine = c.kind != Kind::TextBox || !c.multiLine;
            if ((kept == '\r' || kept == 27) && singleLine) return 0;  // no beep
            return DefSubclassProc(h, msg, static_cast<WPARAM>(kept), lp);
        }
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (takesKeys(c.kind)) {
                const LRESULT r = DefSubclassProc(h, msg, wp, lp);
                model_.keyUp(key, static_cast<int>(wp));
                return r;
            }
            break;
        case WM_SETFOCUS:
            if (model_.focus() != key && takesKeys(c.kind)) model_.userFocus(key);
            break;
        case WM_MOUSEMOVE: model_.mouseMove(key); break;
        case WM_LBUTTONUP:
            if (c.kind == Kind::Picture) {
                POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
                RECT r;
                GetClientRect(h, &r);
                if (PtInRect(&r, p)) model_.click(key);
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (c.handCursor) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        default: break;
    }
    return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace morvane::win32
