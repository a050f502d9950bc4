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

#include <map>
#include <string>
#include <vector>

namespace morvane {

struct SheetData {
    struct Point {
        double x = 0, y = 0;
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
};

// Splits "J40" into column 9 (from 0) and row 39 (from 0); false for anything else.
bool parseCellAddress(const std::string& address, int& column, int& row);
// "A", ..., "Z", "AA", ... for a column from 0.
std::string columnName(int column);
// The addresses a tool tip lists, or nothing when it is an ordinary tip.
std::vector<std::string> cellAddresses(const std::string& tip);

SheetData sheetData(const std::map<std::string, std::string>& cells,
                    const std::vector<std::string>& highlightedAddresses = {});

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
// An axis label in German notation ("" where the number has no text).
std::string axisText(double v);

}  // namespace morvane
