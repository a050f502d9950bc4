// morvane-win32-layout-check.exe [--known LIST] SCENARIO...: the layout check of the Qt edition for
// the Windows windows. Opens every registered window in the states a user reaches (at open, each
// tab page, each option and check box clicked, after the steps of every scenario file given,
// and with a long number in every output), measures its texts with
// GDI in the fonts the controls draw with, and reports
//   - every visible text that does not fit its control (cut, or broken inside a word),
//   - every overlap of two texts of different controls,
//   - every control on a frame's caption or top line,
//   - every text on a background under 4.5:1 contrast,
//   - every disabled control that looks like an enabled one,
//   - every menu bar entry that is not shown whole.
// Exit status 1 when it finds anything that is not on the LIST of known findings.
// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string_view>
#include <vector>

#include "layout_findings.h"
#include "shell/application.h"
#include "win32/form_window.h"
#include "win32/win_look.h"
#include "win32/win_platform.h"
#include "win32/window_manager.h"

using namespace morvane;
using namespace morvane::win32;

namespace {

std::uint32_t rgbOf(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

std::string shortText(const std::wstring& w) { return narrow(std::wstring_view(w).substr(0, 40)); }

// Texts joined one after the other (GCC 12 warns falsely on "literal" + std::string).
std::string join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) out += p;
    return out;
}

// The text without its access key marks ("&&" is one ampersand).
std::wstring withoutPrefix(const std::wstring& w) { return wide(plainCaption(narrow(w))); }

// The faces asked for and the faces drawn with, for the report.
std::map<std::string, bool>& faces() {
    static std::map<std::string, bool> all;
    return all;
}

// A device context of a control with the font it draws with.
class Measure {
public:
    explicit Measure(HWND h, HFONT f = nullptr) : h_(h), dc_(GetDC(h)) {
        if (!f) f = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
        old_ = SelectObject(dc_, f ? f : GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsW(dc_, &tm);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, face);
        LOGFONTW lf{};
        if (f) GetObjectW(f, sizeof lf, &lf);
        faces()[narrow(lf.lfFaceName) + " -> " + narrow(face)] = true;
    }
    ~Measure() {
        SelectObject(dc_, old_);
        ReleaseDC(h_, dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;
    // The size a text takes: on one line, or broken at blanks within width.
    SIZE text(const std::wstring& s, int width, bool wrap, bool prefix = true) const {
        RECT r{0, 0, std::max(1, width), 0};
        UINT flags =
            DT_CALCRECT | (wrap ? DT_WORDBREAK : DT_SINGLELINE) | (prefix ? 0 : DT_NOPREFIX);
        DrawTextW(dc_, s.c_str(), static_cast<int>(s.size()), &r, flags);
        return {r.right - r.left, r.bottom - r.top};
    }
    int width(const std::wstring& s) const { return text(s, 1, false, false).cx; }
    HDC dc() const { return dc_; }
    TEXTMETRICW tm{};

private:
    HWND h_;
    HDC dc_;
    HGDIOBJ old_;
};

struct Colours {
    COLORREF fore, back;
};

// The colours the window gives a control for the message the control sends before drawing.
Colours askColours(HWND control, UINT msg) {
    HDC screen = GetDC(control);
    HDC dc = CreateCompatibleDC(screen);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(msg == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE));
    const auto b = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(control), msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    Colours out{GetTextColor(dc), GetBkColor(dc)};
    LOGBRUSH lb{};
    if (b && GetObjectW(b, sizeof lb, &lb) == sizeof lb && lb.lbStyle == BS_SOLID)
        out.back = lb.lbColor;
    DeleteDC(dc);
    ReleaseDC(control, screen);
    return out;
}

layout::Box inWindow(HWND form, HWND h, const RECT& r) {
    POINT p{r.left, r.top};
    MapWindowPoints(h, form, &p, 1);
    return {p.x, p.y, p.x + (r.right - r.left), p.y + (r.bottom - r.top)};
}

class Checks : public layout::WindowChecks {
public:
    explicit Checks(layout::Findings& findings) : findings_(findings) {}
    int checked = 0;  // windows looked at, in all their states

    void begin(Application& app) override {
        windows_ = std::make_unique<WindowManager>(app, false);
    }
    void end() override {
        windows_.reset();
        pumpMessages();
    }
    void checkAll(Application& app) override {
        pumpMessages();
        for (FormModel* f : app.openForms())
            if (FormWindow* w = windows_->window(f->name()); w && IsWindowVisible(w->hwnd())) {
                check(*w);
                ++checked;
            }
    }
    void showTab(FormModel& form, const Control& tab, int page) override {
        form.setCurrentTab(tab.key(), page);
        pumpMessages();
    }

private:
    void add(const std::string& kind, const std::string& where, const std::string& detail) {
        findings_.add(kind, where, detail);
    }
    void cut(const std::string& where, const std::wstring& text, SIZE need, int w, int h) {
        add("abgeschnitten", where,
            join({"\"", shortText(text), "\" braucht ", layout::size(need.cx, need.cy), ", hat ",
                  layout::size(w, h)}));
    }

    static bool shown(HWND h) { return h && IsWindowVisible(h); }

    void check(FormWindow& w) {
        FormModel& m = w.model();
        const std::string form = m.name();
        std::vector<layout::Ink> inks;
        std::vector<HWND> owners;
        for (const Control& c : m.controls()) {
            HWND h = w.handleFor(c.key());
            if (!shown(h)) continue;
            const std::string where = form + "." + c.key();
            RECT ink{};
            checkFit(c, h, where, ink);
            if (!IsRectEmpty(&ink)) {
                inks.push_back({c.key(), inWindow(w.hwnd(), h, ink)});
                owners.push_back(h);
            }
            checkColours(c, h, where);
            if (c.kind == Kind::Frame) checkCaptionLine(w, c, h);
        }
        layout::checkOverlaps(findings_, form, inks, [&](std::size_t i, std::size_t j) {
            return IsChild(owners[i], owners[j]) || IsChild(owners[j], owners[i]);
        });
        checkMenuBar(w);
    }

    void checkFit(const Control& c, HWND h, const std::string& where, RECT& ink) {
        RECT cr;
        GetClientRect(h, &cr);
        const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
        switch (c.kind) {
            case Kind::Label: {
                const std::wstring text = windowTextW(h);
                if (text.empty()) return;
                Measure m(h);
                // A static control with SS_CENTERIMAGE draws its text on one line.
                const bool oneLine = (style & SS_CENTERIMAGE) || isResult(c);
                const SIZE need = m.text(text, cr.right, !oneLine);
                if (need.cx > cr.right || need.cy > cr.bottom + 1)
                    cut(where, text, need, cr.right, cr.bottom);
                if (style & WS_BORDER) {
                    ink = cr;
                } else {
                    const int iw = std::min<int>(need.cx, cr.right);
                    const int ih = std::min<int>(need.cy, cr.bottom);
                    const int x = (style & SS_RIGHT)    ? cr.right - iw
                                  : (style & SS_CENTER) ? (cr.right - iw) / 2
                                                        : 0;
                    const int y = (style & SS_CENTERIMAGE) ? (cr.bottom - ih) / 2 : 0;
                    ink = {x, y, x + iw, y + ih};
                }
                return;
            }
            case Kind::Option:
            case Kind::CheckBox: {
                const std::wstring text = windowTextW(h);
                if (text.empty()) return;
                Measure m(h);
                // The box, then half a digit's width, then the text (as the button draws it).
                const int dpi = static_cast<int>(GetDpiForWindow(h));
                const int box = 12 * dpi / 96 + 1;
                INT digit = 0;
                GetCharWidth32W(m.dc(), L'0', L'0', &digit);
                const int room = cr.right - box - digit / 2;
                const SIZE need = m.text(text, room, (style & BS_MULTILINE) != 0);
                if (need.cx > room || need.cy > cr.bottom + 1)
                    cut(where, text, need, room, cr.bottom);
                const int ih = std::min<int>(need.cy, cr.bottom);
                ink = {0, (cr.bottom - ih) / 2, std::min<int>(cr.right, cr.right - room + need.cx),
                       (cr.bottom - ih) / 2 + ih};
                return;
            }
            case Kind::Command: {
                ink = cr;
                const std::wstring text = windowTextW(h);
                if (text.empty()) return;
                Measure m(h);
                int room = cr.right - 6;
                if (SendMessageW(h, BM_GETIMAGE, IMAGE_BITMAP, 0)) return;  // picture buttons
                const SIZE need = m.text(text, room, (style & BS_MULTILINE) != 0);
                if (need.cx > room || need.cy > cr.bottom - 4 + 1)
                    cut(where, text, need, room, cr.bottom - 4);
                return;
            }
            case Kind::Frame: {
                const std::wstring title = withoutPrefix(wide(c.text));
                if (title.empty()) return;
                Measure m(h, font(c.fontName, c.fontSize, c.bold, c.underline, GetDpiForWindow(h)));
                const int x = MulDiv(8, static_cast<int>(GetDpiForWindow(h)), 96);
                const int need = m.width(title) + 2 * x;
                if (need > cr.right)
                    add("abgeschnitten", where,
                        join({"Rahmentitel \"", shortText(title), "\" braucht ",
                              std::to_string(need), " px, hat ", std::to_string(cr.right)}));
                ink = {x, 0, x + m.width(title), m.tm.tmHeight};
                return;
            }
            case Kind::TextBox: {
                RECT wr;
                GetWindowRect(h, &wr);
                ink = {0, 0, wr.right - wr.left, wr.bottom - wr.top};
                POINT o{0, 0};
                ClientToScreen(h, &o);
                OffsetRect(&ink, wr.left - o.x, wr.top - o.y);
                Measure m(h);
                if (c.multiLine) return;
                if (cr.bottom < m.tm.tmHeight - 1)
                    add("abgeschnitten", where,
                        "Textfeld zeigt " + std::to_string(cr.bottom) + " von " +
                            std::to_string(m.tm.tmHeight) + " px Zeilenhöhe");
                const std::wstring text = windowTextW(h);
                const DWORD margins = static_cast<DWORD>(SendMessageW(h, EM_GETMARGINS, 0, 0));
                const int room = cr.right - LOWORD(margins) - HIWORD(margins);
                if ((c.readOnly || !c.enabled) && m.width(text) > room)
                    add("abgeschnitten", where,
                        join({"\"", shortText(text), "\" passt nicht in ", std::to_string(room),
                              " px"}));
                return;
            }
            case Kind::ListBox: {
                ink = cr;
                Measure m(h);
                const int rows = static_cast<int>(SendMessageW(h, LB_GETCOUNT, 0, 0));
                for (int i = 0; i < rows; ++i) {
                    const auto n = SendMessageW(h, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
                    std::wstring item(static_cast<std::size_t>(std::max<LRESULT>(0, n)) + 1, L'\0');
                    SendMessageW(h, LB_GETTEXT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(item.data()));
                    item.resize(static_cast<std::size_t>(std::max<LRESULT>(0, n)));
                    if (m.width(item) > cr.right - 4) {
                        add("abgeschnitten", where,
                            join({"Eintrag \"", shortText(item), "\" passt nicht in ",
                                  std::to_string(cr.right - 4), " px"}));
                        break;
                    }
                }
                return;
            }
            case Kind::Tab: {
                HWND face = FindWindowExW(h, nullptr, WC_TABCONTROLW, nullptr);
                if (!face) return;
                Measure m(face);
                RECT fr;
                GetClientRect(face, &fr);
                const int n = static_cast<int>(SendMessageW(face, TCM_GETITEMCOUNT, 0, 0));
                RECT all{};
                for (int i = 0; i < n && i < static_cast<int>(c.tabs.size()); ++i) {
                    RECT r{};
                    SendMessageW(face, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(&r));
                    UnionRect(&all, &all, &r);
                    const std::wstring t = withoutPrefix(wide(c.tabs[i]));
                    if (r.right - r.left < m.width(t) + 8 || r.right > fr.right)
                        add("abgeschnitten", where,
                            join({"Reiter \"", narrow(t), "\" nicht ganz zu sehen"}));
                }
                ink = all;
                return;
            }
            default: return;
        }
    }

    void checkColours(const Control& c, HWND h, const std::string& where) {
        UINT msg = WM_CTLCOLORSTATIC;
        switch (c.kind) {
            case Kind::TextBox:
                msg = c.readOnly || !c.enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
                break;
            case Kind::ListBox: msg = WM_CTLCOLORLISTBOX; break;
            case Kind::Label:
            case Kind::Option:
            case Kind::CheckBox:
                if (c.text.empty()) return;
                break;
            default: return;
        }
        const Colours now = askColours(h, msg);
        if (c.enabled) {
            layout::checkContrast(findings_, where, rgbOf(now.fore), rgbOf(now.back));
            return;
        }
        // The same control enabled would show the model's own colours.
        const Colours was{toColor(c.foreColor), toColor(c.backColor)};
        layout::checkDisabledLook(findings_, where, rgbOf(was.fore), rgbOf(was.back),
                                  rgbOf(now.fore), rgbOf(now.back));
        // A disabled text box shows the face colour behind its text, as on Windows.
        if (c.kind == Kind::TextBox && now.back == GetSysColor(COLOR_WINDOW) &&
            was.back == now.back)
            findings_.add("nicht grau", where, "gesperrtes Textfeld weiß wie ein freigegebenes",
                          true);
    }

    void checkCaptionLine(FormWindow& w, const Control& frame, HWND box) {
        const std::wstring title = withoutPrefix(wide(frame.text));
        Measure m(box, font(frame.fontName, frame.fontSize, frame.bold, frame.underline,
                            GetDpiForWindow(box)));
        const int x = MulDiv(8, static_cast<int>(GetDpiForWindow(box)), 96);
        RECT caption{x, 0, x + (title.empty() ? 0 : m.width(title)), m.tm.tmHeight};
        for (const Control& c : w.model().controls()) {
            if (c.container != frame.key()) continue;
            HWND child = w.handleFor(c.key());
            if (!shown(child) || GetParent(child) != box) continue;
            RECT g;
            GetWindowRect(child, &g);
            MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&g), 2);
            // The frame's line stops at the controls on it (the panel clips its children
            // out of its drawing); its caption must stay clear.
            RECT both;
            if (!title.empty() && IntersectRect(&both, &g, &caption))
                findings_.add("Rahmenlinie", w.model().name() + "." + c.key(),
                              "liegt auf dem Titel von " + frame.key() +
                                  " (Titel bis y=" + std::to_string(caption.bottom) +
                                  ", Steuerelement ab y=" + std::to_string(g.top) + ")");
        }
    }

    // Every entry of the menu bar stands whole in the bar, in the menu font.
    void checkMenuBar(FormWindow& w) {
        HMENU bar = GetMenu(w.hwnd());
        if (!bar) return;
        NONCLIENTMETRICSW ncm{};
        ncm.cbSize = sizeof ncm;
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0,
                                   GetDpiForWindow(w.hwnd()));
        HFONT menuFont = CreateFontIndirectW(&ncm.lfMenuFont);
        Measure m(w.hwnd(), menuFont);
        RECT win;
        GetWindowRect(w.hwnd(), &win);
        const int n = GetMenuItemCount(bar);
        RECT previous{};
        for (int i = 0; i < n; ++i) {
            wchar_t buf[256] = {};
            GetMenuStringW(bar, static_cast<UINT>(i), buf, 256, MF_BYPOSITION);
            const std::wstring text = withoutPrefix(buf);
            RECT r{};
            GetMenuItemRect(w.hwnd(), bar, static_cast<UINT>(i), &r);
            const int need = m.width(text);
            if (r.right - r.left < need || r.right > win.right ||
                (i > 0 && r.left < previous.right))
                findings_.add("Menüleiste", w.model().name() + "." + narrow(text),
                              "Eintrag braucht " + std::to_string(need) + " px, hat " +
                                  std::to_string(r.right - r.left));
            previous = r;
        }
        SelectObject(m.dc(), GetStockObject(DEFAULT_GUI_FONT));
        DeleteObject(menuFont);
    }

    layout::Findings& findings_;
    std::unique_ptr<WindowManager> windows_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    // The console takes UTF-8 as the core writes it.
    SetConsoleOutputCP(CP_UTF8);
    layout::Findings findings;
    std::vector<std::filesystem::path> scenarios;
    try {
        scenarios = layout::readArguments(findings, {argv + 1, argv + argc});
    } catch (const std::runtime_error& e) {
        std::cout << e.what() << "\n";
        return 2;
    }
    Checks checks(findings);
    // MORVANE_LAYOUT_ONLY=frmX checks that window alone, without the scenarios.
    const char* only = std::getenv("MORVANE_LAYOUT_ONLY");
    layout::exploreWindows(findings, checks, only ? only : "");
    std::ostringstream out;
    if (!only) layout::walkScenarios(findings, checks, scenarios, out);
    const int found = findings.report(out);
    out << "Schriften:";
    for (const auto& [face, used] : faces()) out << " " << face << ";";
    out << "\n";
    std::cout << out.str() << std::flush;
    // Without a display no window shows: that is no pass.
    if (checks.checked == 0) std::cout << "no window was shown (is DISPLAY set?)\n";
    return found == 0 && checks.checked > 0 ? 0 : 1;
}
