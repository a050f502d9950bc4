#include "shell/sheet_data.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

#include "shell/number_text.h"

namespace morvane {

namespace {
constexpr const char* MarkText = "Markierung";
}

bool parseCellAddress(const std::string& a, int& column, int& row) {
    std::size_t i = 0;
    int c = 0;
    while (i < a.size() && std::isalpha(static_cast<unsigned char>(a[i])) && i < 3)
        c = c * 26 + (std::toupper(static_cast<unsigned char>(a[i++])) - 'A' + 1);
    if (c == 0 || i == a.size()) return false;
    int r = 0;
    for (; i < a.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(a[i])) || r > 100000) return false;
        r = r * 10 + (a[i] - '0');
    }
    if (r == 0) return false;
    column = c - 1, row = r - 1;
    return true;
}

std::string columnName(int column) {
    std::string s;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (c - 1) % 26));
    return s;
}

std::vector<std::string> cellAddresses(const std::string& tip) {
    std::vector<std::string> out;
    std::string part;
    auto flush = [&]() {
        if (part.empty()) return true;
        int c = 0, r = 0;
        std::string upper = part;
        for (auto& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        part.clear();
        if (!parseCellAddress(upper, c, r)) return false;
        out.push_back(upper);
        return true;
    };
    for (char ch : tip) {
        if (std::isspace(static_cast<unsigned char>(ch)) || ch == ',' || ch == ';') {
            if (!flush()) return {};
        } else {
            part += ch;
        }
    }
    if (!flush()) return {};
    return out;
}

SheetData sheetData(const std::map<std::string, std::string>& cells,
                    const std::vector<std::string>& highlightedAddresses) {
    SheetData d;
    struct Cell {
        int column, row;
        const std::string* text;
    };
    std::vector<Cell> used;
    int c0 = 1 << 30, c1 = -1, r0 = 1 << 30, r1 = -1;
    std::set<int> markedRows;
    for (const auto& [address, text] : cells) {
        int c = 0, r = 0;
        if (!parseCellAddress(address, c, r) || text.empty()) continue;
        used.push_back({c, r, &text});
        c0 = std::min(c0, c), c1 = std::max(c1, c), r0 = std::min(r0, r), r1 = std::max(r1, r);
        if (text == MarkText) markedRows.insert(r);
    }
    if (used.empty()) return d;
    std::set<std::pair<int, int>> hi;
    for (const std::string& h : highlightedAddresses) {
        int c = 0, r = 0;
        if (parseCellAddress(h, c, r)) hi.insert({c, r});
    }
    d.firstColumn = c0, d.firstRow = r0, d.columns = c1 - c0 + 1, d.rows = r1 - r0 + 1;
    const auto n = static_cast<std::size_t>(d.columns) * static_cast<std::size_t>(d.rows);
    d.text.assign(n, std::string());
    d.highlighted.assign(n, false);
    d.numeric.assign(n, false);
    for (const Cell& cell : used) {
        const auto i =
            static_cast<std::size_t>(cell.row - r0) * static_cast<std::size_t>(d.columns) +
            static_cast<std::size_t>(cell.column - c0);
        d.text[i] = *cell.text;
        double v = 0;
        d.numeric[i] = NumberText::tryRead(*cell.text, v);
        d.highlighted[i] = hi.count({cell.column, cell.row}) > 0;
    }
    for (int r : markedRows)
        for (int c = 0; c < d.columns; ++c)
            d.highlighted[static_cast<std::size_t>(r - r0) * static_cast<std::size_t>(d.columns) +
                          static_cast<std::size_t>(c)] = true;

    // The curve: the first used column against the next one.
    if (d.columns < 2) return d;
    for (int r = 0; r < d.rows; ++r) {
        const std::string& xs = d.at(r, 0);
        const std::string& ys = d.at(r, 1);
        if (xs.empty() || ys.empty()) continue;
        double x = 0, y = 0;
        if (!NumberText::tryRead(xs, x) || !NumberText::tryRead(ys, y)) {
            if (d.points.empty()) d.xTitle = xs, d.yTitle = ys;
            continue;
        }
        if (markedRows.count(r + r0) || hi.count({c0, r + r0}) || hi.count({c0 + 1, r + r0}))
            d.marked.push_back(static_cast<int>(d.points.size()));
        d.points.push_back({x, y});
    }
    return d;
}

SheetAreas sheetAreas(int width, int height, int dpi) {
    const int gap = 4 * dpi / 96;
    SheetAreas a;
    if (width >= height) {
        const int tw = std::min(width * 2 / 5, 260 * dpi / 96);
        a.table = {0, 0, tw, height};
        a.chart = {tw + gap, 0, std::max(0, width - tw - gap), height};
    } else {
        const int th = height * 2 / 5;
        a.table = {0, 0, width, th};
        a.chart = {0, th + gap, width, std::max(0, height - th - gap)};
    }
    return a;
}

ChartLayout chartLayout(int width, int height, int numberWidth, int line, int dpi) {
    auto at = [dpi](int pixels) { return pixels * dpi / 96; };
    ChartLayout l;
    l.gap = at(4), l.tick = at(3), l.numberHalf = at(40), l.mark = at(5), l.titleTop = at(2);
    const int left = numberWidth + at(8), top = line + at(6);
    l.plot = {left, top, width - at(12) - left, height - 2 * line - at(6) - top};
    return l;
}

int SheetGrid::width() const {
    int w = headWidth;
    for (int c : columnWidths) w += c;
    return w;
}

int SheetGrid::height() const { return rowHeight * (rows + 1); }

SheetGrid::Bars SheetGrid::bars(int w, int h, int barWidth, int barHeight) const {
    Bars b;
    b.vertical = height() > h;
    b.horizontal = width() > w - (b.vertical ? barWidth : 0);
    // A lying bar that takes the last row's room needs an upright one; the view it
    // narrows still needs the lying one.
    if (b.horizontal) b.vertical = height() > h - barHeight;
    return b;
}

int SheetGrid::pageRows(int viewHeight) const {
    return std::max(1, (viewHeight - rowHeight) / rowHeight);
}

int SheetGrid::lastFirstRow(int viewHeight) const {
    return std::max(0, rows - pageRows(viewHeight));
}

int SheetGrid::lastFirstColumn(int viewWidth) const {
    const int n = static_cast<int>(columnWidths.size());
    int first = n, room = viewWidth - headWidth;
    while (first > 0 && columnWidths[static_cast<std::size_t>(first - 1)] <= room)
        room -= columnWidths[static_cast<std::size_t>(--first)];
    return std::max(0, std::min(first, n - 1));
}

int SheetGrid::shownRows(int first, int viewHeight) const {
    const int room = viewHeight - rowHeight;
    if (room <= 0 || first >= rows) return 0;
    return std::min(rows - first, (room + rowHeight - 1) / rowHeight);
}

int SheetGrid::shownColumns(int first, int viewWidth) const {
    const int n = static_cast<int>(columnWidths.size());
    int shown = 0;
    for (int c = first, x = headWidth; c < n && x < viewWidth; ++c, ++shown)
        x += columnWidths[static_cast<std::size_t>(c)];
    return shown;
}

std::vector<int> widestTexts(const SheetData& d,
                             const std::function<int(const std::string&)>& textWidth) {
    std::vector<int> widest(static_cast<std::size_t>(d.columns), 0);
    for (std::size_t i = 0; i < d.text.size(); ++i) {
        int& w = widest[i % static_cast<std::size_t>(d.columns)];
        if (!d.text[i].empty()) w = std::max(w, textWidth(d.text[i]));
    }
    return widest;
}

SheetGrid sheetGrid(const SheetData& d, const std::function<int(const std::string&)>& textWidth,
                    int rowHeight, int least, int leastHead, int pad) {
    SheetGrid g;
    g.rowHeight = std::max(1, rowHeight);
    g.rows = d.rows;
    g.headWidth = std::max(leastHead, textWidth(std::to_string(d.firstRow + d.rows)) + pad);
    const std::vector<int> widest = widestTexts(d, textWidth);
    for (int c = 0; c < d.columns; ++c)
        g.columnWidths.push_back(std::max({least, textWidth(columnName(d.firstColumn + c)) + pad,
                                           widest[static_cast<std::size_t>(c)] + pad}));
    return g;
}

double niceStep(double span, int ticks) {
    if (!(span > 0)) return 1;
    const double raw = span / ticks;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * mag) return m * mag;
    return 10 * mag;
}

ChartAxes chartAxes(const std::vector<SheetData::Point>& points) {
    if (points.empty()) return {};
    double x0 = points.front().x, x1 = x0, y0 = points.front().y, y1 = y0;
    for (const auto& p : points) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    y0 = std::min(y0, 0.0);
    if (x1 <= x0) x1 = x0 + 1;
    if (y1 <= y0) y1 = y0 + 1;
    const double ys = niceStep(y1 - y0, 5), xs = niceStep(x1 - x0, 8);
    y0 = std::floor(y0 / ys) * ys, y1 = std::ceil(y1 / ys) * ys;
    return {.x0 = x0, .x1 = x1, .y0 = y0, .y1 = y1, .xStep = xs, .yStep = ys};
}

std::vector<double> ChartAxes::yGrid() const {
    std::vector<double> out;
    for (double y = y0; y <= y1 + yStep / 2; y += yStep) out.push_back(y);
    return out;
}

std::vector<double> ChartAxes::xTicks() const {
    std::vector<double> out;
    for (double x = std::ceil(x0 / xStep) * xStep; x <= x1 + xStep / 2; x += xStep)
        out.push_back(x);
    return out;
}

std::string axisText(double v) {
    const double shown = std::abs(v) < 1e-12 ? 0.0 : v;
    try {
        return NumberText::plain(shown);
    } catch (...) {
        return {};
    }
}

}  // namespace morvane
