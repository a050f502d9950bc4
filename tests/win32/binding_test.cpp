// morvane-win32-tests.exe: the Windows binding under real input. Opens the windows through
// the start window's menu and through the application, types into fields with SendInput,
// reads the texts back with GetWindowText and answers message boxes with a real Enter.
// "--gallery DIR" writes every window as DIR\<window>.png instead; "--start EXE" starts the
// program and waits for its start window.
// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <commctrl.h>
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "desktop.h"
#include "shell/application.h"
#include "shell/sheet_data.h"
#include "win32/form_window.h"
#include "win32/label_text.h"
#include "win32/sheet_view.h"
#include "win32/win_look.h"
#include "win32/win_platform.h"
#include "win32/window_manager.h"

using namespace morvane;
using namespace morvane::win32;

namespace {

int passed = 0, failed = 0;

void check(bool ok, const std::string& what) {
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what.c_str());
        std::fflush(stdout);
    }
}

void expectEq(const std::string& got, const std::string& want, const std::string& what) {
    check(got == want, what + ": \"" + got + "\", expected \"" + want + "\"");
}

void pump(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        pumpMessages();
        Sleep(5);
    } while (std::chrono::steady_clock::now() < end);
}

// Answers every message box of the program with a real Enter press and release, the
// release after the box has gone (as a user's finger leaves the key).
class BoxAnswerer {
public:
    explicit BoxAnswerer(DWORD thread) : thread_(thread), worker_([this] { run(); }) {}
    ~BoxAnswerer() {
        stop_ = true;
        worker_.join();
    }
    struct Box {
        std::string title, text;
        bool byEnter = true;
    };
    std::vector<Box> take() {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<Box> out;
        out.swap(boxes_);
        return out;
    }

private:
    void run() {
        while (!stop_) {
            HWND box = winreplay::messageBoxOf(thread_);
            if (!box) {
                Sleep(20);
                continue;
            }
            Sleep(100);
            Box b;
            b.title = windowText(box);
            wchar_t text[2048] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 2048);
            b.text = narrow(text);
            SetForegroundWindow(box);
            winreplay::sendKey(VK_RETURN, false);
            for (int i = 0; i < 100 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
            if (IsWindow(box) && IsWindowVisible(box)) {  // the key did not arrive
                b.byEnter = false;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(10);
            }
            Sleep(30);
            winreplay::sendKey(VK_RETURN, true);
            std::lock_guard<std::mutex> lock(mutex_);
            boxes_.push_back(b);
        }
    }
    DWORD thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Box> boxes_;
    std::thread worker_;
};

struct Program {
    WinPlatform platform;
    Application app{platform};
    WindowManager windows{app, false};
};

FormWindow& windowOf(Program& p, const std::string& form) { return *p.windows.window(form); }

void key(WORD vk, bool up) { winreplay::sendKey(vk, up); }

void press(WORD vk) {
    key(vk, false);
    pump(20);
    key(vk, true);
    pump(40);
}

// Puts the focus into a field with the caret at the end of its text (or its whole text
// selected), as a click would, then types each character as a key press and release.
void type(Program& p, const std::string& form, const std::string& field, const std::string& text,
          bool replace = false) {
    FormWindow& w = windowOf(p, form);
    HWND h = w.handleFor(field);
    SetForegroundWindow(w.hwnd());
    SetFocus(h);
    const int n = GetWindowTextLengthW(h);
    SendMessageW(h, EM_SETSEL, replace ? 0 : static_cast<WPARAM>(n), n);
    pump(20);
    for (wchar_t ch : wide(text)) {
        const SHORT s = VkKeyScanW(ch);
        const WORD vk = LOBYTE(s);
        const bool shift = (HIBYTE(s) & 1) != 0;
        if (shift) key(VK_SHIFT, false);
        press(vk);
        if (shift) key(VK_SHIFT, true);
    }
    pump(50);
}

std::string shown(Program& p, const std::string& form, const std::string& control) {
    return windowText(windowOf(p, form).handleFor(control));
}

// Every text box and label shows the text its model holds.
void mirrorsModel(Program& p, const std::string& form) {
    FormModel& m = p.app.model(form);
    for (const Control& c : m.controls()) {
        if (c.kind != Kind::TextBox && c.kind != Kind::Label) continue;
        HWND h = windowOf(p, form).handleFor(c.key());
        if (h) expectEq(windowText(h), c.text, form + "." + c.key() + " shows its model's text");
    }
}

void startWindowAndEveryWindow(Program& p) {
    p.app.open("frmStart");
    pump(200);
    FormWindow* start = p.windows.window("frmStart");
    check(start && IsWindowVisible(start->hwnd()), "the start window is shown");
    if (!start) return;
    expectEq(windowText(start->hwnd()), "Morvane - Kleine Programme", "start window title");

    // Every entry of the start window's menu that opens a window opens it on screen.
    std::set<std::string> byMenu;
    for (const Control& c : p.app.model("frmStart").controls()) {
        if (c.kind != Kind::Menu || start->menuFor(c.key())) continue;
        std::set<std::string> before;
        for (FormModel* f : p.app.openForms()) before.insert(f->name());
        SendMessageW(start->hwnd(), WM_COMMAND, MAKEWPARAM(start->commandFor(c.key()), 0), 0);
        pump(60);
        for (FormModel* f : p.app.openForms()) {
            if (before.count(f->name())) continue;
            byMenu.insert(f->name());
            FormWindow* w = p.windows.window(f->name());
            check(w && IsWindowVisible(w->hwnd()), f->name() + " opens through its menu entry");
            if (w) {
                expectEq(windowText(w->hwnd()), f->window().title, f->name() + " title");
                mirrorsModel(p, f->name());
            }
            p.app.close(f->name());
            pump(20);
        }
    }
    check(byMenu.size() >= 20,
          "the start menu opens many windows (" + std::to_string(byMenu.size()) + ")");
    // And every other registered window opens through the application.
    for (const std::string& name : Application::registeredForms()) {
        if (name == "frmStart" || byMenu.count(name)) continue;
        p.app.open(name);
        pump(60);
        FormWindow* w = p.windows.window(name);
        check(w && IsWindowVisible(w->hwnd()), name + " opens");
        if (w) {
            expectEq(windowText(w->hwnd()), p.app.model(name).window().title, name + " title");
            mirrorsModel(p, name);
        }
        p.app.close(name);
        pump(20);
    }
}

// The texts of a menu's entries as it shows them, in their order.
std::vector<std::string> entriesOf(HMENU menu) {
    std::vector<std::string> out;
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = 255;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
        out.push_back(narrow(text));
    }
    return out;
}

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts) out += (out.empty() ? "" : "|") + t;
    return out;
}

// Every caption of the start window's menu bar fits its entry whole, in the menu font; an
// entry that the model hides leaves its menu and comes back in its place, with its submenu.
void menuBar(Program& p) {
    p.app.open("frmStart");
    pump(100);
    FormWindow& w = windowOf(p, "frmStart");
    FormModel& m = p.app.model("frmStart");
    HMENU bar = GetMenu(w.hwnd());
    check(bar != nullptr, "the start window has a menu bar");
    if (!bar) return;
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0, w.dpi());
    HFONT menuFont = CreateFontIndirectW(&ncm.lfMenuFont);
    HDC dc = GetDC(w.hwnd());
    HGDIOBJ old = SelectObject(dc, menuFont);
    const std::vector<std::string> texts = entriesOf(bar);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::wstring t = wide(texts[i]);
        RECT need{0, 0, 0, 0};
        DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &need, DT_CALCRECT | DT_SINGLELINE);
        RECT has{};
        GetMenuItemRect(w.hwnd(), bar, static_cast<UINT>(i), &has);
        check(has.right - has.left >= need.right + 4,
              "menu bar entry \"" + texts[i] + "\" shows whole (" +
                  std::to_string(has.right - has.left) + " px for " + std::to_string(need.right) +
                  ")");
    }
    SelectObject(dc, old);
    ReleaseDC(w.hwnd(), dc);
    DeleteObject(menuFont);

    // A submenu of the bar and a plain entry inside another submenu.
    std::string sub, leaf, leafParent;
    for (const Control& c : m.controls()) {
        if (c.kind != Kind::Menu) continue;
        if (c.parentMenu.empty() && w.menuFor(c.key()) && sub.empty() && !texts.empty() &&
            c.text != texts.front())
            sub = c.key();
        else if (!c.parentMenu.empty() && !w.menuFor(c.key()) && leaf.empty() && c.text != "-")
            leaf = c.key(), leafParent = c.parentMenu;
    }
    check(!sub.empty() && !leaf.empty(), "the start menu has submenus and entries");
    if (sub.empty() || leaf.empty()) return;
    HMENU subMenu = w.menuFor(sub);
    HMENU leafMenu = w.menuFor(leafParent);
    const std::string barBefore = joined(texts), leafBefore = joined(entriesOf(leafMenu));
    const std::size_t leafCount = entriesOf(leafMenu).size();
    m.setVisible(sub, false);
    m.setVisible(leaf, false);
    pump(50);
    const std::vector<std::string> barHidden = entriesOf(bar);
    check(barHidden.size() + 1 == texts.size(), "a hidden submenu leaves the menu bar");
    for (const std::string& t : barHidden)
        check(t != m.c(sub).text, "the hidden submenu " + sub + " is not on the bar");
    const std::vector<std::string> leafHidden = entriesOf(leafMenu);
    check(leafHidden.size() + 1 == leafCount &&
              std::find(leafHidden.begin(), leafHidden.end(), m.c(leaf).text) == leafHidden.end(),
          "a hidden entry leaves its menu (" + leaf + ")");
    m.setVisible(sub, true);
    m.setVisible(leaf, true);
    pump(50);
    expectEq(joined(entriesOf(bar)), barBefore, "the menu bar with the submenu back");
    expectEq(joined(entriesOf(leafMenu)), leafBefore, "the menu with the entry back");
    check(w.menuFor(sub) == subMenu && GetMenuItemCount(subMenu) > 0,
          "the submenu comes back with its entries");
    // The entry that came back still opens its window.
    std::set<std::string> before;
    for (FormModel* f : p.app.openForms()) before.insert(f->name());
    SendMessageW(w.hwnd(), WM_COMMAND, MAKEWPARAM(w.commandFor(leaf), 0), 0);
    pump(60);
    bool opened = false;
    for (FormModel* f : p.app.openForms())
        if (!before.count(f->name())) {
            opened = true;
            p.app.close(f->name());
        }
    check(opened || !m.c(leaf).enabled, "the entry that came back does what it did");
    pump(20);
}

// A test step's window: opened, settled, the boxes of earlier steps forgotten; at the end
// it still mirrors its model and closes.
void openStep(Program& p, BoxAnswerer& boxes, const std::string& f) {
    p.app.open(f);
    pump(100);
    boxes.take();
}

void closeStep(Program& p, const std::string& f) {
    mirrorsModel(p, f);
    p.app.close(f);
    pump(50);
}

void bottomPressure(Program& p, BoxAnswerer& boxes) {
    const std::string f = "frmBodendruck";
    openStep(p, boxes, f);
    SendMessageW(windowOf(p, f).handleFor("Command1"), BM_CLICK, 0, 0);
    pump(100);
    expectEq(shown(p, f, "txtd"), "1128,37784777716", "bottom pressure: test diameter");
    expectEq(shown(p, f, "lblFläche"), "1,0000 ", "bottom pressure: area");
    expectEq(shown(p, f, "LblN"), "98.100,0 ", "bottom pressure: force");
    // A zero diameter: one message, confirmed with Enter; the Enter does not come back.
    type(p, f, "txtd", "0", true);
    pump(300);
    auto shownBoxes = boxes.take();
    check(shownBoxes.size() == 1, "bottom pressure: one message box for the zero diameter (" +
                                      std::to_string(shownBoxes.size()) + ")");
    if (!shownBoxes.empty()) {
        expectEq(shownBoxes[0].title, "Eingabefehler", "bottom pressure: message title");
        check(shownBoxes[0].byEnter, "bottom pressure: the box closed on Enter");
    }
    expectEq(shown(p, f, "txtd"), "", "bottom pressure: diameter reset");
    expectEq(shown(p, f, "lblFläche"), "0,0000 ", "bottom pressure: area after the reset");
    type(p, f, "txtd", "1000");
    expectEq(shown(p, f, "lblFläche"), "0,7854 ", "bottom pressure: area of 1000 mm");
    check(boxes.take().empty(), "bottom pressure: no message for 1000 mm");
    closeStep(p, f);
}

void pipeline(Program& p, BoxAnswerer& boxes) {
    const std::string f = "frmGefaelle_gegeben";
    openStep(p, boxes, f);
    type(p, f, "txtDN", "300", true);
    expectEq(shown(p, f, "lblv"), "1,2388 ", "pipeline: velocity of 300 mm at 8 promille");
    expectEq(shown(p, f, "lblm3h"), "315,239 ", "pipeline: flow");
    check(boxes.take().empty(), "pipeline: no message for the worked example");
    // Enter in the gradient field with a zero gradient: one message; the Enter that
    // confirmed it does not reach the field again.
    type(p, f, "txti", "0", true);
    press(VK_RETURN);
    pump(400);
    auto shownBoxes = boxes.take();
    check(shownBoxes.size() == 1, "pipeline: one message box for the zero gradient (" +
                                      std::to_string(shownBoxes.size()) + ")");
    expectEq(shown(p, f, "txti"), "", "pipeline: gradient reset");
    expectEq(shown(p, f, "txtDN"), "", "pipeline: diameter reset");
    closeStep(p, f);
}

void vat(Program& p, BoxAnswerer& boxes) {
    const std::string f = "frmEuro";
    openStep(p, boxes, f);
    type(p, f, "BruttoDM", "119");
    expectEq(shown(p, f, "NettoDM"), "100,00 ", "VAT: net in DM");
    expectEq(shown(p, f, "UstDM"), "19,00 ", "VAT: tax in DM");
    expectEq(shown(p, f, "BruttoEuro"), "60,84 ", "VAT: gross in euro");
    check(IsWindowEnabled(windowOf(p, f).handleFor("USTProzent")) != FALSE,
          "VAT: the rate field is enabled after typing");
    check(boxes.take().empty(), "VAT: no message");
    closeStep(p, f);
}

// ---- The table of a sheet ----

void wheel(int delta) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = static_cast<DWORD>(delta);
    SendInput(1, &in, sizeof in);
    pump(30);
}

void clickAt(HWND h, POINT p) {
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    pump(20);
    // Both at once: a press on a scroll bar is handled in a loop of its own until the release.
    winreplay::sendButton(false);
    winreplay::sendButton(true);
    pump(60);
}

int heightOf(const RECT& r) { return r.bottom - r.top; }
int widthOf(const RECT& r) { return r.right - r.left; }
bool unseen(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Row row of the table shows whole: as high as a row, below the head row, above the edge.
bool rowWhole(HWND table, int row, int rowHeight) {
    const RECT r = sheetRowRect(table, row);
    RECT client;
    GetClientRect(table, &client);
    return heightOf(r) == rowHeight && r.top >= rowHeight && r.bottom <= client.bottom;
}

// The BOD window's table holds days up to 40 and more in a box that shows a dozen: the
// last row can be reached by the wheel over the table (the focus in a field), by the keys
// once a click gave the table the focus, and by the scroll bar's arrow, and it then shows
// whole below the head row that stays in place. A table too narrow for its columns scrolls
// them likewise, its head column staying.
void sheetTableScrolls(Program& p, BoxAnswerer& boxes) {
    const std::string f = "frmBSB";
    openStep(p, boxes, f);
    FormWindow& w = windowOf(p, f);
    HWND sheet = w.handleFor("OLE2");
    HWND table = sheet ? sheetTable(sheet) : nullptr;
    check(table != nullptr && IsWindowVisible(table), "BOD: the first page's sheet has a table");
    if (!table) return closeStep(p, f);
    const SheetData d = sheetData(p.app.model(f).c("OLE2").cells);
    const int last = d.rows - 1;
    check(d.rows > 30, "BOD: the relative table has many rows (" + std::to_string(d.rows) + ")");
    check((GetWindowLongPtrW(table, GWL_STYLE) & WS_VSCROLL) != 0,
          "BOD: the table shows a vertical scroll bar");
    const int rowHeight = heightOf(sheetRowRect(table, 0));
    check(rowHeight > 0 && rowWhole(table, 0, rowHeight), "BOD: the first row shows at first");
    check(unseen(sheetRowRect(table, last)), "BOD: the last row is out of view at first");

    // The wheel over the table while a field has the focus.
    SetForegroundWindow(w.hwnd());
    SetFocus(w.handleFor("txtK1_relativ"));
    pump(30);
    RECT client;
    GetClientRect(table, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    POINT screen = middle;
    ClientToScreen(table, &screen);
    SetCursorPos(screen.x, screen.y);
    pump(20);
    for (int i = 0; i < d.rows && !rowWhole(table, last, rowHeight); ++i) wheel(-WHEEL_DELTA);
    check(rowWhole(table, last, rowHeight),
          "BOD: the wheel scrolls the table to its last row, shown whole");
    check(unseen(sheetRowRect(table, 0)), "BOD: the first row scrolled away");
    for (int i = 0; i < d.rows && !rowWhole(table, 0, rowHeight); ++i) wheel(WHEEL_DELTA);
    check(rowWhole(table, 0, rowHeight), "BOD: the wheel scrolls the table back to its top");

    // The keys, once a click gave the table the focus.
    clickAt(table, middle);
    check(GetFocus() == table, "BOD: a click gives the table the focus");
    press(VK_END);
    check(rowWhole(table, last, rowHeight), "BOD: End shows the last row whole");
    press(VK_HOME);
    check(rowWhole(table, 0, rowHeight), "BOD: Home shows the first row");
    press(VK_NEXT);
    const RECT paged = sheetRowRect(table, 0);
    check(unseen(paged) && unseen(sheetRowRect(table, last)),
          "BOD: Page Down shows the rows of the next page");
    press(VK_HOME);
    for (int i = 0; i < d.rows && !rowWhole(table, last, rowHeight); ++i) press(VK_DOWN);
    check(rowWhole(table, last, rowHeight), "BOD: the arrow key scrolls to the last row");
    press(VK_TAB);
    check(GetFocus() == w.handleFor("txtK1_relativ"),
          "BOD: Tab gives the keyboard back to the field that had it");

    // The scroll bar's lower arrow, clicked.
    press(VK_HOME);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetScrollBarInfo(table, OBJID_VSCROLL, &bar);
    POINT arrow{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                bar.rcScrollBar.bottom - bar.dxyLineButton / 2};
    ScreenToClient(table, &arrow);
    for (int i = 0; i < d.rows && !rowWhole(table, last, rowHeight); ++i) clickAt(table, arrow);
    check(rowWhole(table, last, rowHeight), "BOD: the scroll bar's arrow scrolls to the last row");
    check(heightOf(sheetRowRect(table, last - 1)) == rowHeight,
          "BOD: the row above the last one shows whole too");

    // Too narrow for its columns: a horizontal bar, the columns scroll, the head column stays.
    RECT place;
    GetWindowRect(sheet, &place);
    MapWindowPoints(nullptr, GetParent(sheet), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(sheet, nullptr, 0, 0, 120, heightOf(place), SWP_NOMOVE | SWP_NOZORDER);
    pump(100);
    check((GetWindowLongPtrW(table, GWL_STYLE) & WS_HSCROLL) != 0,
          "BOD: a narrow table shows a horizontal scroll bar");
    // (The Tab's release in the field wrote the table again: its columns as they are now.)
    const int lastColumn = sheetData(p.app.model(f).c("OLE2").cells).columns - 1;
    GetClientRect(table, &client);
    check(sheetColumnRect(table, lastColumn).right < client.right ||
              unseen(sheetColumnRect(table, lastColumn)),
          "BOD: the narrow table does not show its last column whole");
    clickAt(table, POINT{client.right / 2, client.bottom / 2});
    key(VK_CONTROL, false);
    press(VK_END);
    key(VK_CONTROL, true);
    pump(30);
    const RECT lastCol = sheetColumnRect(table, lastColumn);
    const RECT firstCol = sheetColumnRect(table, 0);
    check(widthOf(lastCol) > 0 && lastCol.right <= client.right && lastCol.left > 0,
          "BOD: Ctrl+End shows the last column whole beside the head column");
    check(lastColumn == 0 || unseen(firstCol), "BOD: the first column scrolled away");
    check(rowWhole(table, last, rowHeight), "BOD: and the last row whole");
    SetWindowPos(sheet, nullptr, 0, 0, widthOf(place), heightOf(place), SWP_NOMOVE | SWP_NOZORDER);
    pump(100);
    check((GetWindowLongPtrW(table, GWL_STYLE) & WS_HSCROLL) == 0,
          "BOD: the table at its own width needs no horizontal scroll bar");
    closeStep(p, f);
}

// ---- The gallery ----

bool savePng(HBITMAP bmp, int w, int h, const std::wstring& file) {
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory))))
        return false;
    bool ok = false;
    IWICBitmap* bitmap = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    if (SUCCEEDED(factory->CreateBitmapFromHBITMAP(bmp, nullptr, WICBitmapIgnoreAlpha, &bitmap)) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(w), static_cast<UINT>(h)))) {
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        frame->SetPixelFormat(&format);
        ok = SUCCEEDED(frame->WriteSource(bitmap, nullptr)) && SUCCEEDED(frame->Commit()) &&
             SUCCEEDED(encoder->Commit());
    }
    if (frame) frame->Release();
    if (encoder) encoder->Release();
    if (stream) stream->Release();
    if (bitmap) bitmap->Release();
    factory->Release();
    return ok;
}

// The window as Wine draws it, frame, title bar and menu bar included: from the window's own
// surface (the screen shows no frame where a window manager would draw it).
bool capture(HWND h, const std::wstring& file) {
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    RedrawWindow(h, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    pump(250);
    RECT r;
    GetWindowRect(h, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(mem, bmp);
    // The window's own surface holds its frame as the system drew it; the screen may not.
    HDC window = GetWindowDC(h);
    BitBlt(mem, 0, 0, width, height, window, 0, 0, SRCCOPY);
    ReleaseDC(h, window);
    SelectObject(mem, old);
    const bool ok = savePng(bmp, width, height, file);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

// The rightmost column of a bitmap that is not white, or -1.
int inkRight(HDC dc, int width, int height) {
    int right = -1;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) right = x;
    return right;
}

// A label's lines are broken by the widths they are drawn in: none runs into the box's edge,
// where its last letter would be cut. Texts break at blanks and at their own line breaks; a
// word longer than the box breaks inside.
void labelTexts() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    const int width = 440, height = 200;
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBmp = SelectObject(dc, bmp);
    SelectObject(dc, font("MS Sans Serif", 8.25, false, false, 96));
    SetTextColor(dc, RGB(0, 0, 0));
    const std::wstring text =
        L"Bedingt durch die logarithmische Eigenschaft der Funktion gibt es keinen 100 %-igen "
        L"Abbau in einer berechenbaren Zeit. Wenn hier dennoch 100 % ausgewiesen wurden, dann "
        L"nur durch Rundungen im Programm und die Annahme dass ein 99 %-iger Abbau 100 % "
        L"entspricht.";
    for (int w = 120; w <= width; w += 40) {
        RECT all{0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        RECT box{0, 0, w, height};
        drawLabelText(dc, box, text, DT_LEFT, false);
        const int right = inkRight(dc, width, height);
        check(right >= 0 && right < w - 1, "a label " + std::to_string(w) +
                                               " pixels wide draws its lines inside (ink up to " +
                                               std::to_string(right) + ")");
        for (const std::wstring& line : brokenLines(dc, text, w)) {
            SIZE size{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
            check(size.cx <= w && !line.empty() && line.front() != L' ' && line.back() != L' ',
                  "a broken line fits without blanks at its ends: \"" + narrow(line) + "\"");
        }
    }
    const auto lines = brokenLines(dc, L"eins zwei\r\ndrei\n\nvier", 400);
    check(lines == std::vector<std::wstring>{L"eins zwei", L"drei", L"", L"vier"},
          "a label keeps the line breaks of its text");
    const auto word = brokenLines(dc, std::wstring(200, L'8'), 100);
    check(word.size() > 1 && word.front().size() > 1, "a word longer than the box breaks inside");
    // A label less than two lines high shows its text on one line in its middle only where the
    // text does not break; at 144 dpi the font has an external leading, and two lines of it
    // are less high than two lines with their leading.
    const std::wstring caption = L"Nicht absetzbare Schwebstoffe";
    for (UINT dpi : {96U, 144U}) {
        SelectObject(dc, font("MS Sans Serif", 8.25, false, false, dpi));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        const int line = tm.tmHeight + tm.tmExternalLeading;
        SIZE whole{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &whole);
        const std::string at = " at " + std::to_string(dpi) + " dpi (external leading " +
                               std::to_string(tm.tmExternalLeading) + ")";
        check(standsOnOneLine(dc, caption, whole.cx, 2 * line - 1),
              "a text that fits stands on one line" + at);
        check(!standsOnOneLine(dc, caption, whole.cx, 2 * line),
              "a label two lines high starts its text at the top" + at);
        check(!standsOnOneLine(dc, caption, whole.cx * 2 / 3, 2 * line - 1),
              "a text that breaks onto two lines does not stand on one" + at);
    }
    SelectObject(dc, oldBmp);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

// A label over the line of a frame or shape lets the line show through, as in the Qt edition:
// frmRegenspende's "Jahre erreicht ..." reaches across the right edge of its box.
void labelOverShape(Program& p) {
    p.app.open("frmRegenspende");
    pump(200);
    FormWindow& w = windowOf(p, "frmRegenspende");
    const FormModel& m = p.app.model("frmRegenspende");
    HWND label = w.handleFor("Label4");
    RECT r;
    GetClientRect(label, &r);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ oldBmp = SelectObject(dc, bmp);
    SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    // The shape's right edge, in the label's pixels, from the top to below the text.
    const Control& shape = m.c("Shape2");
    const Control& c = m.c("Label4");
    const int x = px(shape.left + shape.width - c.left, GetDpiForWindow(label)) - 1;
    int drawn = 0;
    for (int y = 0; y < r.bottom; ++y)
        for (int dx = -1; dx <= 1; ++dx)
            if (x + dx >= 0 && x + dx < r.right &&
                GetPixel(dc, x + dx, y) == toColor(shape.foreColor)) {
                ++drawn;
                break;
            }
    check(drawn > r.bottom / 2, "the frame line runs on under a label (" + std::to_string(drawn) +
                                    " of " + std::to_string(r.bottom) + " pixels)");
    SelectObject(dc, oldBmp);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    p.app.close("frmRegenspende");
    pump(100);
}

int gallery(Program& p, const std::wstring& dir) {
    CreateDirectoryW(dir.c_str(), nullptr);
    int written = 0;
    for (const std::string& name : Application::registeredForms()) {
        p.app.open(name);
        pump(250);
        FormWindow* w = p.windows.window(name);
        if (!w) continue;
        if (capture(w->hwnd(), dir + L"\\" + wide(name) + L".png")) ++written;
        // The other pages of its tab controls, one picture each.
        FormModel& m = p.app.model(name);
        for (const Control& c : m.controls()) {
            if (c.kind != Kind::Tab) continue;
            for (int page = 1; page < static_cast<int>(c.tabs.size()); ++page) {
                m.setCurrentTab(c.key(), page);
                if (capture(w->hwnd(), dir + L"\\" + wide(name) + L"-" + wide(c.key()) + L"-" +
                                           std::to_wstring(page) + L".png"))
                    ++written;
            }
            m.setCurrentTab(c.key(), 0);
        }
        if (name != "frmStart") p.app.close(name);
        pump(30);
    }
    std::printf("%d windows written\n", written);
    return written > 0 ? 0 : 1;
}

// Starts the program, waits for its start window, closes it and checks that it ends.
int startProgram(const std::wstring& exe) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring command = L"\"" + exe + L"\"";
    const auto t0 = std::chrono::steady_clock::now();
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi)) {
        std::printf("FAILED: %ls does not start\n", exe.c_str());
        return 1;
    }
    HWND start = nullptr;
    for (int i = 0; i < 3000 && !start; ++i) {
        start = FindWindowW(L"MorvaneForm", L"Morvane - Kleine Programme");
        DWORD owner = 0;
        if (start) GetWindowThreadProcessId(start, &owner);
        if (!start || !IsWindowVisible(start) || owner != pi.dwProcessId)
            start = nullptr, Sleep(10);
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0)
            .count();
    check(start != nullptr, "morvane.exe shows its start window");
    if (start) {
        std::printf("start window shown after %lld ms\n", static_cast<long long>(ms));
        PostMessageW(start, WM_CLOSE, 0, 0);
    }
    const bool ended = WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0;
    check(ended, "morvane.exe ends when its start window closes");
    if (!ended) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    if (argc == 3 && std::wstring(argv[1]) == L"--start") return startProgram(argv[2]);
    Program p;
    BoxAnswerer boxes(GetCurrentThreadId());
    if (argc == 3 && std::wstring(argv[1]) == L"--gallery") return gallery(p, argv[2]);
    startWindowAndEveryWindow(p);
    menuBar(p);
    labelTexts();
    labelOverShape(p);
    bottomPressure(p, boxes);
    pipeline(p, boxes);
    vat(p, boxes);
    sheetTableScrolls(p, boxes);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
