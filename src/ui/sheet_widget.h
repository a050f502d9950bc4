// The table-and-chart object of a window (Kind::Sheet): a small table of the cells the
// window wrote, and a line chart of them drawn with QPainter.
//
// How a window fills it (FormModel::setCell(sheetKey, address, text)):
//   - addresses are column letters and a row number, "A1", "B7", "J40";
//   - column A holds the x values (e.g. the day), column B the y values (e.g. the value);
//     more generally the first used column gives x and the next column gives y;
//   - a row counts for the chart when both texts are numbers (German notation, "2,5");
//     rows with a text such as a heading appear in the table only;
//   - writing the text "Markierung" into any cell of a row marks that row: the row is
//     highlighted in the table and its point gets a mark on the curve. Cells whose address
//     is listed in the control's tool tip (e.g. "B7" or "B7 B8") are highlighted too.
// Only the used range of cells is shown. The widget holds no state of its own: setCells
// names where the control's cells are, and the widget reads them when it draws next.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QTableWidget;

namespace morvane::ui {

class ChartWidget;

class SheetWidget : public QWidget {
public:
    explicit SheetWidget(QWidget* parent);

    // Shows the cells (address -> text) that source gives, read when the table is drawn
    // after the reaction (a window writes a table cell by cell: nothing is copied per cell);
    // highlighted: addresses to highlight.
    using Cells = std::map<std::string, std::string>;
    void setCells(std::function<const Cells&()> source, const QStringList& highlighted = {});

    // The table, drawn from the last cells set (for the runners and tests).
    QTableWidget* table();
    // The points of the curve and the indices of the marked ones (for tests).
    const std::vector<QPointF>& points();
    const std::vector<int>& marked();
    // How often the table and chart were drawn afresh (for tests).
    int rebuilds() const { return rebuilds_; }

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void arrange();
    void flush();
    void rebuild();  // the table and the chart from the source's cells

    std::function<const Cells&()> source_;
    QStringList highlighted_;
    QStringList columnHeads_, rowHeads_;  // the heads the table shows
    std::vector<int> widest_;             // the widest text of each column
    bool pending_ = false;
    int rebuilds_ = 0;

    QTableWidget* table_;
    ChartWidget* chart_;
};

}  // namespace morvane::ui
