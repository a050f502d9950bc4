#include "win32/sheet_view.h"

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

void drawTable(HDC dc, const RECT& r, const SheetData& d, int rowHeight, int scale) {
    FillRect(dc, &r, brush(GetSysColor(COLOR_WINDOW)));
    HPEN grid = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ oldPen = SelectObject(dc, grid);
    SetBkMode(dc, TRANSPARENT);
    const int head = 28 * scale / 96;
    std::vector<int> widths(static_cast<std::size_t>(d.columns), 40 * scale / 96);
    for (int c = 0; c < d.columns; ++c)
        for (int row = 0; row < d.rows; ++row) {
            const std::wstring w = wide(d.at(row, c));
            SIZE size{};
            GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
            widths[static_cast<std::size_t>(c)] =
                std::max(widths[static_cast<std::size_t>(c)], static_cast<int>(size.cx) + 8);
        }
    // Head row and head column in the button face colour.
    RECT top{r.left, r.top, r.right, r.top + rowHeight};
    FillRect(dc, &top, brush(GetSysColor(COLOR_BTNFACE)));
    RECT side{r.left, r.top, r.left + head, r.bottom};
    FillRect(dc, &side, brush(GetSysColor(COLOR_BTNFACE)));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    int x = r.left + head;
    for (int c = 0; c < d.columns && x < r.right; ++c) {
        const int w = widths[static_cast<std::size_t>(c)];
        text(dc, columnName(d.firstColumn + c), RECT{x, r.top, x + w, r.top + rowHeight},
             DT_CENTER | DT_VCENTER);
        x += w;
    }
    for (int row = 0; row < d.rows; ++row) {
        const int y = r.top + (row + 1) * rowHeight;
        if (y >= r.bottom) break;
        text(dc, std::to_string(d.firstRow + row + 1),
             RECT{r.left, y, r.left + head, y + rowHeight}, DT_CENTER | DT_VCENTER);
        int cx = r.left + head;
        for (int c = 0; c < d.columns && cx < r.right; ++c) {
            const int w = widths[static_cast<std::size_t>(c)];
            const auto i = static_cast<std::size_t>(row * d.columns + c);
            RECT cell{cx, y, cx + w, y + rowHeight};
            if (d.highlighted[i]) FillRect(dc, &cell, brush(MarkBack));
            RECT inner{cell.left + 3, cell.top, cell.right - 3, cell.bottom};
            text(dc, d.text[i], inner, (d.numeric[i] ? DT_RIGHT : DT_LEFT) | DT_VCENTER);
            cx += w;
        }
    }
    for (int row = 0; row <= d.rows + 1; ++row) {
        const int y = r.top + row * rowHeight;
        if (y > r.bottom) break;
        MoveToEx(dc, r.left, y, nullptr);
        LineTo(dc, r.right, y);
    }
    x = r.left + head;
    MoveToEx(dc, x, r.top, nullptr);
    LineTo(dc, x, r.bottom);
    for (int c = 0; c < d.columns; ++c) {
        x += widths[static_cast<std::size_t>(c)];
        if (x > r.right) break;
        MoveToEx(dc, x, r.top, nullptr);
        LineTo(dc, x, r.bottom);
    }
    SelectObject(dc, oldPen);
    DeleteObject(grid);
}

void drawChart(HDC dc, const RECT& r, const SheetData& d, int lineHeight) {
    FillRect(dc, &r, brush(GetSysColor(COLOR_WINDOW)));
    SIZE digits{};
    GetTextExtentPoint32W(dc, L"00000,0", 7, &digits);
    const RECT plot{r.left + digits.cx + 8, r.top + lineHeight + 6, r.right - 12,
                    r.bottom - 2 * lineHeight - 6};
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
                 RECT{r.left, py - lineHeight / 2, plot.left - 4, py + lineHeight / 2},
                 DT_RIGHT | DT_VCENTER);
        }
        SelectObject(dc, frame);
        for (double x : a.xTicks()) {
            const int px = mx(x);
            MoveToEx(dc, px, plot.bottom, nullptr);
            LineTo(dc, px, plot.bottom + 3);
            text(dc, axisText(x),
                 RECT{px - 40, plot.bottom + 4, px + 40, plot.bottom + 4 + lineHeight}, DT_CENTER);
        }
        text(dc, d.xTitle,
             RECT{plot.left, plot.bottom + lineHeight + 4, plot.right,
                  plot.bottom + 2 * lineHeight + 4},
             DT_CENTER);
        text(dc, d.yTitle, RECT{plot.left, r.top + 2, plot.right, r.top + 2 + lineHeight}, DT_LEFT);
        HPEN curve = CreatePen(PS_SOLID, 2, RGB(0, 0, 192));
        SelectObject(dc, curve);
        std::vector<POINT> pts;
        for (const auto& p : d.points) pts.push_back(POINT{mx(p.x), my(p.y)});
        Polyline(dc, pts.data(), static_cast<int>(pts.size()));
        HPEN mark = CreatePen(PS_SOLID, 2, RGB(192, 0, 0));
        HPEN dash = CreatePen(PS_DASH, 1, RGB(192, 0, 0));
        for (int i : d.marked) {
            const POINT q = pts[static_cast<std::size_t>(i)];
            SelectObject(dc, dash);
            MoveToEx(dc, q.x, q.y + 5, nullptr);
            LineTo(dc, q.x, plot.bottom);
            SelectObject(dc, mark);
            SelectObject(dc, brush(MarkBack));
            Ellipse(dc, q.x - 5, q.y - 5, q.x + 6, q.y + 6);
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

void drawSheet(HDC dc, const RECT& r, const Control& sheet, HFONT font, UINT dpi) {
    const SheetData d = sheetData(sheet.cells, cellAddresses(sheet.toolTip));
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int line = tm.tmHeight;
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT table = r, chart = r;
    const int gap = 4 * static_cast<int>(dpi) / 96;
    if (w >= h) {  // side by side: the table on the left
        const int tw = std::min(w * 2 / 5, 260 * static_cast<int>(dpi) / 96);
        table.right = r.left + tw, chart.left = table.right + gap;
    } else {  // the table above the chart
        table.bottom = r.top + h * 2 / 5, chart.top = table.bottom + gap;
    }
    FillRect(dc, &r, brush(GetSysColor(COLOR_BTNFACE)));
    drawTable(dc, table, d, line + 4, static_cast<int>(dpi));
    drawChart(dc, chart, d, line);
    SelectObject(dc, old);
}

}  // namespace morvane::win32
