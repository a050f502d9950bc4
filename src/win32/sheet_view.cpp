#include "win32/sheet_view.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "shell/sheet_data.h"
#include "win32/win_look.h"

namespace morvane::win32 {

namespace {
const COLORREF MarkBack = RGB(255, 192, 192);

void text(HDC dc, const std::string& s, RECT r, UINT format) {
    const std::wstring w = wide(s);
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, format | DT_SINGLELINE | DT_NOPREFIX);
}

const wchar_t* const TableClass = L"MorvaneSheetTable";

// The table window's state: what it shows and where it is scrolled to.
class Table {
public:
    explicit Table(HWND h) : hwnd_(h) {}

    // New cells, font or DPI: the grid measured afresh, the scroll bars fitted.
    void show(const SheetData& d, HFONT font, UINT dpi) {
        if (measured_ && d == data_ && font == font_ && dpi == dpi_) return;
        data_ = d, font_ = font, dpi_ = dpi, measured_ = true;
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, font_);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        grid_ = sheetGrid(
            data_,
            [&](const std::string& s) {
                const std::wstring w = wide(s);
                SIZE size{};
                GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
                return static_cast<int>(size.cx);
            },
            tm.tmHeight + scaled(4), scaled(40), scaled(28), scaled(8));
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        fit();
    }

    RECT rowRect(int row) const {
        const RECT v = view();
        RECT r{v.left, grid_.rowHeight * (row - firstRow_ + 1), v.right, 0};
        r.bottom = r.top + grid_.rowHeight;
        return cut(r, row >= firstRow_ && row < grid_.rows);
    }

    RECT columnRect(int column) const {
        const RECT v = view();
        RECT r{grid_.headWidth, v.top, 0, v.bottom};
        for (int c = firstColumn_; c < column && c < columns(); ++c) r.left += width(c);
        r.right = r.left + (column < columns() ? width(column) : 0);
        return cut(r, column >= firstColumn_ && column < columns());
    }

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
            case WM_ERASEBKGND: return 1;
            case WM_PAINT: paint(); return 0;
            case WM_SIZE: fit(); return 0;
            case WM_VSCROLL:
                scrollTo(scrolled(SB_VERT, LOWORD(wp), firstRow_, grid_.pageRows(view().bottom)),
                         firstColumn_);
                return 0;
            case WM_HSCROLL:
                scrollTo(firstRow_, scrolled(SB_HORZ, LOWORD(wp), firstColumn_, columnPage()));
                return 0;
            case WM_MOUSEWHEEL:
            case WM_MOUSEHWHEEL: {
                const bool across = msg == WM_MOUSEHWHEEL;
                if (!(GetWindowLongPtrW(hwnd_, GWL_STYLE) & (across ? WS_HSCROLL : WS_VSCROLL)))
                    break;  // nothing to scroll: the wheel is the parent's
                int& turned = across ? hturned_ : turned_;
                turned += GET_WHEEL_DELTA_WPARAM(wp);
                UINT lines = 3;
                SystemParametersInfoW(across ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES, 0,
                                      &lines, 0);
                const int page = across ? columnPage() : grid_.pageRows(view().bottom);
                const int step = lines == WHEEL_PAGESCROLL || lines == 0
                                     ? page
                                     : std::min(static_cast<int>(lines), page);
                const int notches = turned / WHEEL_DELTA;  // whole notches, the rest kept
                turned -= notches * WHEEL_DELTA;
                // A turn away from the user (up) shows earlier rows; a tilt right later columns.
                if (across)
                    scrollTo(firstRow_, firstColumn_ + notches * step);
                else
                    scrollTo(firstRow_ - notches * step, firstColumn_);
                return 0;
            }
            case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTTAB;
            case WM_KEYDOWN:
                if (key(static_cast<int>(wp))) return 0;
                break;
            case WM_LBUTTONDOWN: SetFocus(hwnd_); return 0;
            case WM_SETFOCUS:
                before_ = reinterpret_cast<HWND>(wp);
                InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
            case WM_KILLFOCUS: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
            case WM_MOUSEMOVE: {
                // The sheet's window hears the mouse over its table as over the rest of it.
                POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                HWND sheet = GetParent(hwnd_);
                MapWindowPoints(hwnd_, sheet, &p, 1);
                SendMessageW(sheet, WM_MOUSEMOVE, wp, MAKELPARAM(p.x, p.y));
                return 0;
            }
            default: break;
        }
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

private:
    int scaled(int v) const { return MulDiv(v, static_cast<int>(dpi_), 96); }
    int columns() const { return static_cast<int>(grid_.columnWidths.size()); }
    int width(int c) const { return grid_.columnWidths[static_cast<std::size_t>(c)]; }
    int columnPage() const { return std::max(1, columns() - lastColumn_); }
    RECT view() const {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return r;
    }
    RECT cut(RECT r, bool shown) const {
        const RECT v = view();
        const RECT cells{grid_.headWidth, grid_.rowHeight, v.right, v.bottom};
        RECT out{};
        if (shown) IntersectRect(&out, &r, &cells);
        return out;
    }

    // The scroll bars the window's size needs, and the scroll positions kept inside them.
    void fit() {
        if (fitting_) return;  // a bar shown or hidden resizes the window
        fitting_ = true;
        const UINT dpi = GetDpiForWindow(hwnd_) ? GetDpiForWindow(hwnd_) : dpi_;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
        const auto ex = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
        RECT edge{0, 0, 0, 0};
        AdjustWindowRectExForDpi(&edge, style & ~(WS_VSCROLL | WS_HSCROLL), FALSE, ex, dpi);
        RECT w{};
        GetWindowRect(hwnd_, &w);
        const int boxWidth = (w.right - w.left) - (edge.right - edge.left);
        const int boxHeight = (w.bottom - w.top) - (edge.bottom - edge.top);
        const SheetGrid::Bars bars =
            grid_.bars(boxWidth, boxHeight, GetSystemMetricsForDpi(SM_CXVSCROLL, dpi),
                       GetSystemMetricsForDpi(SM_CYHSCROLL, dpi));
        ShowScrollBar(hwnd_, SB_VERT, bars.vertical);
        ShowScrollBar(hwnd_, SB_HORZ, bars.horizontal);
        const RECT v = view();
        lastRow_ = grid_.lastFirstRow(v.bottom);
        lastColumn_ = grid_.lastFirstColumn(v.right);
        firstRow_ = std::clamp(firstRow_, 0, lastRow_);
        firstColumn_ = std::clamp(firstColumn_, 0, lastColumn_);
        setBar(SB_VERT, bars.vertical, grid_.rows, lastRow_, firstRow_);
        setBar(SB_HORZ, bars.horizontal, columns(), lastColumn_, firstColumn_);
        fitting_ = false;
        InvalidateRect(hwnd_, nullptr, FALSE);
    }

    // A bar over n rows or columns whose page shows all from last on.
    void setBar(int bar, bool shown, int n, int last, int pos) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (shown ? SIF_DISABLENOSCROLL : 0);
        si.nMin = 0;
        si.nMax = std::max(0, n - 1);
        si.nPage = static_cast<UINT>(shown ? std::max(1, n - last) : n + 1);
        si.nPos = pos;
        SetScrollInfo(hwnd_, bar, &si, TRUE);
    }

    // The position a scroll bar's request asks for, from pos with a page of page.
    int scrolled(int bar, int request, int pos, int page) const {
        switch (request) {
            case SB_LINEUP: return pos - 1;
            case SB_LINEDOWN: return pos + 1;
            case SB_PAGEUP: return pos - page;
            case SB_PAGEDOWN: return pos + page;
            case SB_TOP: return 0;
            case SB_BOTTOM: return bar == SB_VERT ? lastRow_ : lastColumn_;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: {
                SCROLLINFO si{};
                si.cbSize = sizeof si;
                si.fMask = SIF_TRACKPOS;
                GetScrollInfo(hwnd_, bar, &si);
                return si.nTrackPos;
            }
            default: return pos;
        }
    }

    bool key(int vk) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        const int page = grid_.pageRows(view().bottom);
        switch (vk) {
            case VK_UP: scrollTo(firstRow_ - 1, firstColumn_); return true;
            case VK_DOWN: scrollTo(firstRow_ + 1, firstColumn_); return true;
            case VK_PRIOR: scrollTo(firstRow_ - page, firstColumn_); return true;
            case VK_NEXT: scrollTo(firstRow_ + page, firstColumn_); return true;
            case VK_LEFT: scrollTo(firstRow_, firstColumn_ - 1); return true;
            case VK_RIGHT: scrollTo(firstRow_, firstColumn_ + 1); return true;
            case VK_HOME: scrollTo(0, control ? 0 : firstColumn_); return true;
            case VK_END: scrollTo(lastRow_, control ? lastColumn_ : firstColumn_); return true;
            case VK_TAB:
                // The table is no stop of the window's Tab order: Tab leaves it for the
                // control that had the keyboard before the click.
                if (before_ && IsWindow(before_) && IsWindowVisible(before_) &&
                    IsWindowEnabled(before_) &&
                    GetAncestor(before_, GA_ROOT) == GetAncestor(hwnd_, GA_ROOT))
                    SetFocus(before_);
                return true;
            default: return false;
        }
    }

    void scrollTo(int row, int column) {
        row = std::clamp(row, 0, lastRow_), column = std::clamp(column, 0, lastColumn_);
        if (row == firstRow_ && column == firstColumn_) return;
        firstRow_ = row, firstColumn_ = column;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_POS;
        si.nPos = firstRow_;
        SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
        si.nPos = firstColumn_;
        SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }

    void paint() {
        PAINTSTRUCT ps;
        HDC screen = BeginPaint(hwnd_, &ps);
        const RECT r = view();
        // Drawn off screen, then shown at once.
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bmp =
            CreateCompatibleBitmap(screen, std::max<LONG>(1, r.right), std::max<LONG>(1, r.bottom));
        HGDIOBJ oldBitmap = SelectObject(dc, bmp);
        HGDIOBJ oldFont = SelectObject(dc, font_);
        draw(dc, r);
        BitBlt(screen, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        DeleteObject(bmp);
        DeleteDC(dc);
        EndPaint(hwnd_, &ps);
    }

    // The head row and head column in the button face colour, the cells from the first
    // shown row and column below and beside them.
    void draw(HDC dc, const RECT& r) {
        const SheetData& d = data_;
        const int rh = grid_.rowHeight, head = grid_.headWidth;
        FillRect(dc, &r, brush(GetSysColor(COLOR_WINDOW)));
        const RECT top{r.left, r.top, r.right, r.top + rh};
        FillRect(dc, &top, brush(GetSysColor(COLOR_BTNFACE)));
        const RECT side{r.left, r.top, r.left + head, r.bottom};
        FillRect(dc, &side, brush(GetSysColor(COLOR_BTNFACE)));
        SetBkMode(dc, TRANSPARENT);
        const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
        const COLORREF markInk = readable(ink, MarkBack);
        const int rows = grid_.shownRows(firstRow_, r.bottom);
        const int cols = grid_.shownColumns(firstColumn_, r.right);
        int right = head;
        for (int c = firstColumn_; c < firstColumn_ + cols; ++c) right += width(c);
        const int bottom = rh * (rows + 1);

        SetTextColor(dc, ink);
        for (int c = firstColumn_, x = head; c < firstColumn_ + cols; x += width(c++))
            text(dc, columnName(d.firstColumn + c), RECT{x, 0, x + width(c), rh},
                 DT_CENTER | DT_VCENTER);
        for (int row = firstRow_, y = rh; row < firstRow_ + rows; ++row, y += rh) {
            SetTextColor(dc, ink);
            text(dc, std::to_string(d.firstRow + row + 1), RECT{0, y, head, y + rh},
                 DT_CENTER | DT_VCENTER);
            for (int c = firstColumn_, x = head; c < firstColumn_ + cols; x += width(c++)) {
                const auto i = static_cast<std::size_t>(row) * static_cast<std::size_t>(d.columns) +
                               static_cast<std::size_t>(c);
                const RECT cell{x, y, x + width(c), y + rh};
                if (d.highlighted[i]) FillRect(dc, &cell, brush(MarkBack));
                SetTextColor(dc, d.highlighted[i] ? markInk : ink);
                const RECT inner{cell.left + scaled(3), cell.top, cell.right - scaled(3),
                                 cell.bottom};
                text(dc, d.text[i], inner, (d.numeric[i] ? DT_RIGHT : DT_LEFT) | DT_VCENTER);
            }
        }

        HPEN grid = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
        HGDIOBJ oldPen = SelectObject(dc, grid);
        const int lineRight = std::min<int>(right, r.right),
                  lineBottom = std::min<int>(bottom, r.bottom);
        for (int y = 0; y <= bottom && y < r.bottom; y += rh) {
            MoveToEx(dc, 0, y, nullptr);
            LineTo(dc, lineRight, y);
        }
        for (int c = firstColumn_, x = head;; x += width(c++)) {
            MoveToEx(dc, x, 0, nullptr);
            LineTo(dc, x, lineBottom);
            if (c >= firstColumn_ + cols) break;
        }
        SelectObject(dc, oldPen);
        DeleteObject(grid);
        if (GetFocus() == hwnd_) DrawFocusRect(dc, &r);
    }

    HWND hwnd_;
    SheetData data_;
    SheetGrid grid_;
    HFONT font_ = nullptr;
    UINT dpi_ = 96;
    HWND before_ = nullptr;  // what had the focus before the table took it
    bool measured_ = false, fitting_ = false;
    int firstRow_ = 0, firstColumn_ = 0;  // the first cells shown: the scroll positions
    int lastRow_ = 0, lastColumn_ = 0;    // their greatest values
    int turned_ = 0, hturned_ = 0;        // wheel turns short of a notch
};

Table* tableOf(HWND h) {
    wchar_t cls[32] = {};
    if (!h || !GetClassNameW(h, cls, 32) || lstrcmpW(cls, TableClass) != 0) return nullptr;
    return reinterpret_cast<Table*>(GetWindowLongPtrW(h, GWLP_USERDATA));
}

LRESULT CALLBACK tableProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Table(h)));
    auto* t = reinterpret_cast<Table*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        delete t;
        return DefWindowProcW(h, msg, wp, lp);
    }
    return t ? t->handle(msg, wp, lp) : DefWindowProcW(h, msg, wp, lp);
}

HWND makeTable(HWND sheet) {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = tableProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = TableClass;
        return RegisterClassExW(&wc) != 0;
    }();
    if (!registered) return nullptr;
    // The sheet draws around its table, not over it.
    SetWindowLongPtrW(sheet, GWL_STYLE, GetWindowLongPtrW(sheet, GWL_STYLE) | WS_CLIPCHILDREN);
    return CreateWindowExW(WS_EX_CLIENTEDGE, TableClass, L"Tabelle",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 0, 0,
                           0, 0, sheet, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void drawChart(HDC dc, const RECT& r, const SheetData& d, int lineHeight, UINT dpi) {
    FillRect(dc, &r, brush(GetSysColor(COLOR_WINDOW)));
    SIZE digits{};
    GetTextExtentPoint32W(dc, L"00000,0", 7, &digits);
    const ChartLayout l = chartLayout(r.right - r.left, r.bottom - r.top, digits.cx, lineHeight,
                                      static_cast<int>(dpi));
    const RECT plot{r.left + l.plot.left, r.top + l.plot.top, r.left + l.plot.left + l.plot.width,
                    r.top + l.plot.top + l.plot.height};
    HPEN frame = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ oldPen = SelectObject(dc, frame);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, plot.left, plot.top, plot.right, plot.bottom);
    const int pw = plot.right - plot.left, ph = plot.bottom - plot.top;
    if (!d.points.empty() && pw >= 10 && ph >= 10) {
        const ChartAxes a = chartAxes(d.points);
        auto mx = [&](double v) {
            return plot.left + static_cast<int>(std::lround(a.xShare(v) * pw));
        };
        auto my = [&](double v) {
            return plot.bottom - static_cast<int>(std::lround(a.yShare(v) * ph));
        };
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        HPEN dots = CreatePen(PS_DOT, 1, GetSysColor(COLOR_3DLIGHT));
        for (double y : a.yGrid()) {
            const int py = my(y);
            SelectObject(dc, dots);
            MoveToEx(dc, plot.left, py, nullptr);
            LineTo(dc, plot.right, py);
            text(dc, axisText(y),
                 RECT{r.left, py - lineHeight / 2, plot.left - l.gap, py + lineHeight / 2},
                 DT_RIGHT | DT_VCENTER);
        }
        SelectObject(dc, frame);
        for (double x : a.xTicks()) {
            const int px = mx(x);
            MoveToEx(dc, px, plot.bottom, nullptr);
            LineTo(dc, px, plot.bottom + l.tick);
            text(dc, axisText(x),
                 RECT{px - l.numberHalf, plot.bottom + l.gap, px + l.numberHalf,
                      plot.bottom + l.gap + lineHeight},
                 DT_CENTER);
        }
        text(dc, d.xTitle,
             RECT{plot.left, plot.bottom + lineHeight + l.gap, plot.right,
                  plot.bottom + 2 * lineHeight + l.gap},
             DT_CENTER);
        text(dc, d.yTitle,
             RECT{plot.left, r.top + l.titleTop, plot.right, r.top + l.titleTop + lineHeight},
             DT_LEFT);
        const int thick = MulDiv(2, static_cast<int>(dpi), 96);
        HPEN curve = CreatePen(PS_SOLID, thick, RGB(0, 0, 192));
        SelectObject(dc, curve);
        std::vector<POINT> pts;
        for (const auto& p : d.points) pts.push_back(POINT{mx(p.x), my(p.y)});
        Polyline(dc, pts.data(), static_cast<int>(pts.size()));
        HPEN mark = CreatePen(PS_SOLID, thick, RGB(192, 0, 0));
        HPEN dash = CreatePen(PS_DASH, 1, RGB(192, 0, 0));
        for (int i : d.marked) {
            const POINT q = pts[static_cast<std::size_t>(i)];
            SelectObject(dc, dash);
            MoveToEx(dc, q.x, q.y + l.mark, nullptr);
            LineTo(dc, q.x, plot.bottom);
            SelectObject(dc, mark);
            SelectObject(dc, brush(MarkBack));
            Ellipse(dc, q.x - l.mark, q.y - l.mark, q.x + l.mark + 1, q.y + l.mark + 1);
        }
        SelectObject(dc, frame);
        DeleteObject(dots);
        DeleteObject(curve);
        DeleteObject(mark);
        DeleteObject(dash);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(frame);
}
}  // namespace

void drawSheet(HWND sheet, HDC dc, const RECT& r, const Control& c, HFONT font, UINT dpi) {
    const SheetData d = sheetData(c.cells, cellAddresses(c.toolTip));
    const SheetAreas a = sheetAreas(r.right - r.left, r.bottom - r.top, static_cast<int>(dpi));
    FillRect(dc, &r, brush(GetSysColor(COLOR_BTNFACE)));
    HWND table = sheetTable(sheet);
    bool moved = !table;
    if (!table) table = makeTable(sheet);
    if (Table* t = tableOf(table)) {
        t->show(d, font, dpi);
        RECT now{};
        GetWindowRect(table, &now);
        MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&now), 2);
        const RECT want{r.left + a.table.left, r.top + a.table.top,
                        r.left + a.table.left + a.table.width,
                        r.top + a.table.top + a.table.height};
        if (!EqualRect(&now, &want)) {
            SetWindowPos(table, nullptr, want.left, want.top, a.table.width, a.table.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            moved = true;
        }
        // This drawing may cover the table's new place: the table, frame and bars, is drawn
        // again after it.
        if (moved) RedrawWindow(table, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const RECT chart{r.left + a.chart.left, r.top + a.chart.top,
                     r.left + a.chart.left + a.chart.width, r.top + a.chart.top + a.chart.height};
    drawChart(dc, chart, d, tm.tmHeight, dpi);
    SelectObject(dc, old);
}

HWND sheetTable(HWND sheet) {
    for (HWND h = GetWindow(sheet, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (tableOf(h)) return h;
    return nullptr;
}

RECT sheetRowRect(HWND table, int row) {
    const Table* t = tableOf(table);
    return t ? t->rowRect(row) : RECT{};
}

RECT sheetColumnRect(HWND table, int column) {
    const Table* t = tableOf(table);
    return t ? t->columnRect(column) : RECT{};
}

void wheelToTable(MSG& m) {
    if (m.message != WM_MOUSEWHEEL && m.message != WM_MOUSEHWHEEL) return;
    POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    HWND under = WindowFromPoint(p);
    const auto bar = static_cast<LONG_PTR>(m.message == WM_MOUSEWHEEL ? WS_VSCROLL : WS_HSCROLL);
    if (under && under != m.hwnd && tableOf(under) && (GetWindowLongPtrW(under, GWL_STYLE) & bar) &&
        GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId())
        m.hwnd = under;
}

}  // namespace morvane::win32
