#include <gtest/gtest.h>

#include <map>
#include <string>

#include "shell/sheet_data.h"

namespace morvane {
namespace {

// A table of 41 rows of 20 pixels under a head row, a head column of 30 and three columns.
SheetGrid grid() {
    SheetGrid g;
    g.headWidth = 30;
    g.rowHeight = 20;
    g.columnWidths = {40, 100, 60};
    g.rows = 41;
    return g;
}

TEST(SheetGrid, ScrolledToTheEndTheLastRowShowsWhole) {
    const SheetGrid g = grid();
    // 250 pixels: the head row and 11 whole rows, and half of a twelfth.
    EXPECT_EQ(g.pageRows(250), 11);
    EXPECT_EQ(g.shownRows(0, 250), 12);
    const int first = g.lastFirstRow(250);
    EXPECT_EQ(first, 30);
    EXPECT_EQ(g.shownRows(first, 250), 11);
    EXPECT_LE(g.rowHeight * (1 + g.rows - first), 250);  // the last row's bottom
    // A view that holds all rows does not scroll.
    EXPECT_EQ(g.lastFirstRow(g.height()), 0);
    EXPECT_EQ(g.shownRows(0, g.height()), 41);
    // A view lower than two rows still pages by one.
    EXPECT_EQ(g.pageRows(25), 1);
    EXPECT_EQ(g.lastFirstRow(25), 40);
    EXPECT_EQ(g.shownRows(0, 15), 0);  // the head row alone
}

TEST(SheetGrid, ColumnsScrollUntilTheLastOnesFit) {
    const SheetGrid g = grid();
    EXPECT_EQ(g.width(), 230);
    EXPECT_EQ(g.lastFirstColumn(230), 0);
    // 200 pixels: 170 beside the head column hold the last two columns, not all three.
    EXPECT_EQ(g.lastFirstColumn(200), 1);
    EXPECT_EQ(g.shownColumns(0, 200), 3);  // the third in part
    EXPECT_EQ(g.shownColumns(1, 200), 2);
    // Narrower than the last column alone: it is the first one at the end.
    EXPECT_EQ(g.lastFirstColumn(80), 2);
    EXPECT_EQ(g.shownColumns(2, 80), 1);
    EXPECT_EQ(g.shownColumns(0, 30), 0);
    EXPECT_EQ(SheetGrid{}.lastFirstColumn(100), 0);
}

TEST(SheetGrid, OneScrollBarMayNeedTheOther) {
    SheetGrid g = grid();
    g.rows = 5;  // 120 high, 230 wide; bars 17 thick
    auto bars = [&](int w, int h) {
        const SheetGrid::Bars b = g.bars(w, h, 17, 17);
        return std::string(b.vertical ? "v" : "") + (b.horizontal ? "h" : "");
    };
    EXPECT_EQ(bars(230, 120), "");
    EXPECT_EQ(bars(229, 200), "h");
    EXPECT_EQ(bars(300, 119), "v");
    // The upright bar takes the room of the last column, the lying one that of the last row.
    EXPECT_EQ(bars(240, 119), "vh");
    EXPECT_EQ(bars(229, 130), "vh");
    EXPECT_EQ(bars(229, 137), "h");
}

TEST(SheetGrid, ColumnsFitTheirTextsAndLetters) {
    const std::map<std::string, std::string> cells = {
        {"A1", "Tage"}, {"B1", "BSB relativ (1 = L)"}, {"A2", "0"}, {"B2", "0,000"}, {"A41", "39"}};
    const SheetData d = sheetData(cells);
    // Eight pixels a character, 8 to spare, at least 40, the head column at least 28.
    const auto width = [](const std::string& s) { return 8 * static_cast<int>(s.size()); };
    EXPECT_EQ(widestTexts(d, width), (std::vector<int>{8 * 4, 8 * 19}));
    const SheetGrid g = sheetGrid(d, width, 18, 40, 28, 8);
    EXPECT_EQ(g.rows, 41);
    EXPECT_EQ(g.rowHeight, 18);
    EXPECT_EQ(g.columnWidths, (std::vector<int>{40, 8 * 19 + 8}));
    EXPECT_EQ(g.headWidth, 28);
    // Row numbers of three digits widen the head column; letters of two a narrow column.
    const SheetData far = sheetData({{"AB100", "x"}, {"AB99", "y"}});
    const SheetGrid wide = sheetGrid(far, width, 18, 10, 10, 4);
    EXPECT_EQ(wide.headWidth, 8 * 3 + 4);
    EXPECT_EQ(wide.columnWidths, std::vector<int>{8 * 2 + 4});
}

TEST(SheetAreas, SideBySideOrAbove) {
    // Wider than high: the table on the left, at most 260 pixels at 96 dpi.
    SheetAreas a = sheetAreas(1000, 400);
    EXPECT_EQ(a.table.width, 260);
    EXPECT_EQ(a.chart.left, 264);
    EXPECT_EQ(a.chart.width, 736);
    EXPECT_EQ(a.chart.height, 400);
    a = sheetAreas(500, 400);
    EXPECT_EQ(a.table.width, 200);
    // At 192 dpi the limit and the gap double.
    a = sheetAreas(2000, 800, 192);
    EXPECT_EQ(a.table.width, 520);
    EXPECT_EQ(a.chart.left, 528);
    // Higher than wide: two fifths of the height above the chart.
    a = sheetAreas(391, 625);
    EXPECT_EQ(a.table.width, 391);
    EXPECT_EQ(a.table.height, 250);
    EXPECT_EQ(a.chart.top, 254);
    EXPECT_EQ(a.chart.height, 371);
    // Too small for the gap: nothing left for the chart, nothing below zero.
    a = sheetAreas(2, 1);
    EXPECT_EQ(a.chart.width, 0);
}

}  // namespace
}  // namespace morvane
