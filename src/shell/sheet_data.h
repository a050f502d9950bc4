// What the table-and-chart object of a window (Kind::Sheet) shows, worked out from the
// control's cells once for every binding that draws it.
//
//   - addresses are column letters and a row number, "A1", "B7", "J40";
//   - only the used range of cells is shown in the table;
//   - the first used column gives x and the next column gives y; a row counts for the
//     chart when both texts are numbers (German notation, "2,5"); the texts of the first
//     row that is not give the axis titles;
//   - the text "Markierung" in any cell of a row marks that row: highlighted in the table,
//     a mark on the curve. Cells whose addresses the control's tool tip lists ("B7" or
//     "B7 B8") are highlighted too.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace morvane {

struct SheetData {
    struct Point {
        double x = 0, y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };
    int firstColumn = 0, firstRow = 0;  // from 0
    int columns = 0, rows = 0;          // 0 when no cell is used
    std::vector<std::string> text;      // rows * columns, row by row
    std::vector<bool> highlighted;      // rows * columns
    std::vector<bool> numeric;          // rows * columns: the text is a number (right-aligned)
    std::vector<Point> points;
    std::vector<int> marked;  // indices into points
    std::string xTitle, yTitle;

    const std::string& at(int row, int column) const {
        return text[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                    static_cast<std::size_t>(column)];
    }
    friend bool operator==(const SheetData&, const SheetData&) = default;
};

// Splits "J40" into column 9 (from 0) and row 39 (from 0); false for anything else.
bool parseCellAddress(const std::string& address, int& column, int& row);
// "A", ..., "Z", "AA", ... for a column from 0.
std::string columnName(int column);
// The addresses a tool tip lists, or nothing when it is an ordinary tip.
std::vector<std::string> cellAddresses(const std::string& tip);

SheetData sheetData(const std::map<std::string, std::string>& cells,
                    const std::vector<std::string>& highlightedAddresses = {});

// Where a sheet of width x height pixels places its table and its chart, 4 pixels apart:
// side by side when it is at least as wide as high, the table on the left (two fifths, at
// most 260 pixels), else the table above the chart (two fifths of the height). dpi scales
// the pixels of a binding that counts device pixels (96: none).
struct SheetBox {
    int left = 0, top = 0, width = 0, height = 0;
};
struct SheetAreas {
    SheetBox table, chart;
};
SheetAreas sheetAreas(int width, int height, int dpi = 96);

// The table as it scrolls: the head row (column letters) and the head column (row numbers)
// stay in place, the cells scroll by whole rows and columns. Sizes in pixels; a view is
// the part of the table's window inside its scroll bars.
struct SheetGrid {
    struct Bars {
        bool vertical = false, horizontal = false;
    };
    int headWidth = 0;              // the head column
    int rowHeight = 1;              // every row, the head row too
    std::vector<int> columnWidths;  // the columns of cells
    int rows = 0;

    int width() const;   // the head column and every column
    int height() const;  // the head row and every row
    // The scroll bars a window of width x height needs, its bars (barWidth thick when
    // upright, barHeight when lying) inside it: a bar that narrows the view may make the
    // other one needed.
    Bars bars(int width, int height, int barWidth, int barHeight) const;
    // In a view of the given size: the first row and column when it is scrolled to the
    // end (the last row and column then show whole, unless one alone is larger than the
    // view), and the rows and columns from a first one that show at least in part.
    int lastFirstRow(int viewHeight) const;
    int lastFirstColumn(int viewWidth) const;
    int shownRows(int first, int viewHeight) const;
    int shownColumns(int first, int viewWidth) const;
    // Rows wholly in view (at least one): a page's step.
    int pageRows(int viewHeight) const;
};

// The width of each column's widest text (0 where every cell is empty); textWidth measures
// a text in the table's font.
std::vector<int> widestTexts(const SheetData& d,
                             const std::function<int(const std::string&)>& textWidth);

// The grid of a sheet's table: every column fits its letter and its widest text with pad
// pixels to spare and is at least least wide; the head column fits the greatest row number
// likewise, at least leastHead. textWidth measures a text in the table's font.
SheetGrid sheetGrid(const SheetData& d, const std::function<int(const std::string&)>& textWidth,
                    int rowHeight, int least, int leastHead, int pad);

// Round steps for the chart's axes: 1, 2 or 5 times a power of ten.
double niceStep(double span, int ticks);

// The chart's axes for its points: x from the least to the greatest x, y from zero (or the
// least y below it) to the greatest y, widened to whole steps; a span of nothing becomes
// one. A binding places a value at its share of the plot's width or height.
struct ChartAxes {
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
    double xStep = 1, yStep = 1;

    double xShare(double x) const { return (x - x0) / (x1 - x0); }
    double yShare(double y) const { return (y - y0) / (y1 - y0); }
    // The values of the grid lines (every y step) and of the ticks on the x axis.
    std::vector<double> yGrid() const;
    std::vector<double> xTicks() const;
};
ChartAxes chartAxes(const std::vector<SheetData::Point>& points);

// Where the parts of a chart lie in a box width x height pixels (the box's own pixels): the
// framed plot, with room on its left for axis numbers numberWidth wide, a text line above it
// for the y title and two below it for the x numbers and the x title, text lines being line
// pixels high; the fixed spacings scale with dpi.
struct ChartLayout {
    SheetBox plot;
    int gap = 4;          // between a y number and the plot, and below the plot to the x numbers
    int tick = 3;         // the length of a tick below the plot
    int numberHalf = 40;  // half the width of an x number's box
    int mark = 5;         // the radius of a marked point
    int titleTop = 2;     // the y title's distance from the top
};
ChartLayout chartLayout(int width, int height, int numberWidth, int line, int dpi = 96);
// An axis label in German notation ("" where the number has no text).
std::string axisText(double v);

}  // namespace morvane
