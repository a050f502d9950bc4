#include "ui/sheet_widget.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>

#include "shell/sheet_data.h"
#include "ui/look.h"

namespace morvane::ui {

class ChartWidget : public QWidget {
public:
    explicit ChartWidget(QWidget* parent) : QWidget(parent) {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, p.color(QPalette::Base));
        setPalette(p);
    }
    std::vector<QPointF> points;
    std::vector<int> marked;
    QString xTitle, yTitle;
    ChartAxes axes;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics fm(font());
        const ChartLayout l =
            chartLayout(width(), height(), fm.horizontalAdvance("00000,0"), fm.height());
        const QRectF plot(l.plot.left, l.plot.top, l.plot.width, l.plot.height);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(plot);
        if (points.empty() || plot.width() < 10 || plot.height() < 10) return;

        const ChartAxes& a = axes;
        auto map = [&](QPointF v) {
            return QPointF(plot.left() + a.xShare(v.x()) * plot.width(),
                           plot.bottom() - a.yShare(v.y()) * plot.height());
        };

        // Grid and axis labels.
        p.setFont(font());
        for (double y : a.yGrid()) {
            const qreal py = map({a.x0, y}).y();
            p.setPen(QPen(palette().color(QPalette::Midlight), 1, Qt::DotLine));
            p.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
            p.setPen(palette().color(QPalette::Text));
            p.drawText(QRectF(0, py - fm.height() / 2.0, plot.left() - l.gap, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, qs(axisText(y)));
        }
        for (double x : a.xTicks()) {
            const qreal px = map({x, a.y0}).x();
            p.setPen(palette().color(QPalette::Text));
            p.drawLine(QPointF(px, plot.bottom()), QPointF(px, plot.bottom() + l.tick));
            p.drawText(
                QRectF(px - l.numberHalf, plot.bottom() + l.gap, 2 * l.numberHalf, fm.height()),
                Qt::AlignCenter, qs(axisText(x)));
        }
        p.drawText(
            QRectF(plot.left(), plot.bottom() + fm.height() + l.gap, plot.width(), fm.height()),
            Qt::AlignCenter, xTitle);
        p.drawText(QRectF(plot.left(), l.titleTop, plot.width(), fm.height()), Qt::AlignLeft,
                   yTitle);

        // The curve and its marks.
        QPainterPath path;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPointF q = map(points[i]);
            if (i == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
        // The curve's dark blue and the marks' red stand out on a dark desktop's base too.
        const QColor base = palette().color(QPalette::Base);
        const QColor mark = readableOn(QColor(192, 0, 0), base);
        p.setPen(QPen(readableOn(QColor(0, 0, 192), base), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        for (int i : marked) {
            const QPointF q = map(points[static_cast<std::size_t>(i)]);
            p.setPen(QPen(mark, 2));
            p.setBrush(QColor(255, 192, 192));
            p.drawEllipse(q, l.mark, l.mark);
            p.setPen(QPen(mark, 1, Qt::DashLine));
            p.drawLine(QPointF(q.x(), q.y() + l.mark), QPointF(q.x(), plot.bottom()));
        }
    }
};

SheetWidget::SheetWidget(QWidget* parent)
    : QWidget(parent), table_(new QTableWidget(this)), chart_(new ChartWidget(this)) {
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setObjectName(QStringLiteral("table"));
    table_->setAccessibleName(QStringLiteral("Tabelle"));
    chart_->setObjectName(QStringLiteral("chart"));
    chart_->setAccessibleName(QStringLiteral("Diagramm"));
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setDefaultSectionSize(72);
}

// A window writes a sheet cell by cell, so one reaction may change it a hundred times: the
// table and the chart are drawn afresh once, when the reaction is over (or when a reader asks).
void SheetWidget::setCells(std::function<const Cells&()> source, const QStringList& highlighted) {
    source_ = std::move(source);
    highlighted_ = highlighted;
    if (pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &SheetWidget::flush, Qt::QueuedConnection);
}

void SheetWidget::flush() {
    if (!pending_) return;
    pending_ = false;
    ++rebuilds_;
    rebuild();
}

namespace {
// Gives a cell a value of its own for role, or (an invalid value) the table's again.
void setRole(QTableWidgetItem& item, Qt::ItemDataRole role, const QVariant& want) {
    if (item.data(role) != want) item.setData(role, want);
}
void setColour(QTableWidgetItem& item, Qt::ItemDataRole role, const QColor& colour) {
    setRole(item, role, colour.isValid() ? QVariant(QBrush(colour)) : QVariant());
}
}  // namespace

void SheetWidget::rebuild() {
    std::vector<std::string> hi;
    for (const QString& h : highlighted_) hi.push_back(ss(h.trimmed().toUpper()));
    const SheetData d = source_ ? sheetData(source_(), hi) : sheetData({}, hi);

    // The table keeps its items and changes only what differs: a key that changes a few
    // cells repaints those cells, not the whole table.
    if (table_->rowCount() != d.rows) table_->setRowCount(d.rows);
    if (table_->columnCount() != d.columns) table_->setColumnCount(d.columns);
    chart_->points.clear();
    chart_->marked = d.marked;
    chart_->xTitle = qs(d.xTitle), chart_->yTitle = qs(d.yTitle);
    for (const SheetData::Point& p : d.points) chart_->points.emplace_back(p.x, p.y);
    chart_->axes = chartAxes(d.points);
    if (d.rows == 0) {
        chart_->update();
        return;
    }
    QStringList columns, rows;
    for (int c = 0; c < d.columns; ++c) columns << qs(columnName(d.firstColumn + c));
    for (int r = 0; r < d.rows; ++r) rows << QString::number(d.firstRow + r + 1);
    if (columns != columnHeads_) {
        table_->setHorizontalHeaderLabels(columnHeads_ = columns);
        widest_.clear();  // the heads take part in the widths
    }
    if (rows != rowHeads_) table_->setVerticalHeaderLabels(rowHeads_ = rows);
    // A used cell shows its text; an empty one only the mark of its row.
    const QColor markBack(255, 192, 192);
    for (int r = 0; r < d.rows; ++r)
        for (int c = 0; c < d.columns; ++c) {
            const auto i = static_cast<std::size_t>(r) * static_cast<std::size_t>(d.columns) +
                           static_cast<std::size_t>(c);
            if (d.text[i].empty() && !d.highlighted[i]) {
                if (table_->item(r, c)) delete table_->takeItem(r, c);
                continue;
            }
            QTableWidgetItem* item = table_->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                table_->setItem(r, c, item);
            }
            const QString text = qs(d.text[i]);
            if (item->text() != text) item->setText(text);
            setRole(*item, Qt::TextAlignmentRole,
                    d.numeric[i] ? QVariant(static_cast<int>(Qt::AlignRight | Qt::AlignVCenter))
                                 : QVariant());
            setColour(*item, Qt::BackgroundRole, d.highlighted[i] ? markBack : QColor());
            setColour(*item, Qt::ForegroundRole,
                      d.highlighted[i] && !d.text[i].empty()
                          ? readableOn(palette().color(QPalette::Text), markBack)
                          : QColor());
        }
    // The columns are as wide as their widest text: measured again only where that changed.
    const QFontMetrics metrics(table_->font());
    std::vector<int> widest =
        widestTexts(d, [&](const std::string& s) { return metrics.horizontalAdvance(qs(s)); });
    for (std::size_t c = 0; c < widest.size(); ++c)
        if (c >= widest_.size() || widest[c] != widest_[c])
            table_->resizeColumnToContents(static_cast<int>(c));
    widest_ = std::move(widest);
    chart_->update();
}

QTableWidget* SheetWidget::table() {
    flush();
    return table_;
}
const std::vector<QPointF>& SheetWidget::points() {
    flush();
    return chart_->points;
}
const std::vector<int>& SheetWidget::marked() {
    flush();
    return chart_->marked;
}

void SheetWidget::resizeEvent(QResizeEvent*) { arrange(); }

void SheetWidget::arrange() {
    const SheetAreas a = sheetAreas(width(), height());
    table_->setGeometry(a.table.left, a.table.top, a.table.width, a.table.height);
    chart_->setGeometry(a.chart.left, a.chart.top, a.chart.width, a.chart.height);
}

}  // namespace morvane::ui
