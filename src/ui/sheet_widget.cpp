#include "ui/sheet_widget.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

#include "shell/number_text.h"
#include "shell/sheet_data.h"
#include "ui/look.h"

namespace morvane::ui {

namespace {
constexpr const char* MarkText = "Markierung";

QString columnName(int column) {
    QString s;
    for (int c = column + 1; c > 0; c = (c - 1) / 26) s.prepend(QChar('A' + (c - 1) % 26));
    return s;
}

// Round steps for the axes: 1, 2 or 5 times a power of ten.
double niceStep(double span, int ticks) {
    if (!(span > 0)) return 1;
    const double raw = span / ticks;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * mag) return m * mag;
    return 10 * mag;
}

QString axisText(double v) {
    double shown = std::abs(v) < 1e-12 ? 0.0 : v;
    try {
        return qs(NumberText::plain(shown));
    } catch (...) {
        return {};
    }
}
}  // namespace

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

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics fm(font());
        const QRectF plot = QRectF(rect()).adjusted(fm.horizontalAdvance("00000,0") + 8,
                                                    fm.height() + 6, -12, -2 * fm.height() - 6);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(plot);
        if (points.empty() || plot.width() < 10 || plot.height() < 10) return;

        double x0 = points.front().x(), x1 = x0, y0 = points.front().y(), y1 = y0;
        for (const auto& pt : points) {
            x0 = std::min(x0, pt.x()), x1 = std::max(x1, pt.x());
            y0 = std::min(y0, pt.y()), y1 = std::max(y1, pt.y());
        }
        y0 = std::min(y0, 0.0);
        if (x1 <= x0) x1 = x0 + 1;
        if (y1 <= y0) y1 = y0 + 1;
        const double ys = niceStep(y1 - y0, 5), xs = niceStep(x1 - x0, 8);
        y0 = std::floor(y0 / ys) * ys, y1 = std::ceil(y1 / ys) * ys;
        auto map = [&](QPointF v) {
            return QPointF(plot.left() + (v.x() - x0) / (x1 - x0) * plot.width(),
                           plot.bottom() - (v.y() - y0) / (y1 - y0) * plot.height());
        };

        // Grid and axis labels.
        p.setFont(font());
        for (double y = y0; y <= y1 + ys / 2; y += ys) {
            const qreal py = map({x0, y}).y();
            p.setPen(QPen(palette().color(QPalette::Midlight), 1, Qt::DotLine));
            p.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
            p.setPen(palette().color(QPalette::Text));
            p.drawText(QRectF(0, py - fm.height() / 2.0, plot.left() - 4, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, axisText(y));
        }
        for (double x = std::ceil(x0 / xs) * xs; x <= x1 + xs / 2; x += xs) {
            const qreal px = map({x, y0}).x();
            p.setPen(palette().color(QPalette::Text));
            p.drawLine(QPointF(px, plot.bottom()), QPointF(px, plot.bottom() + 3));
            p.drawText(QRectF(px - 40, plot.bottom() + 4, 80, fm.height()), Qt::AlignCenter,
                       axisText(x));
        }
        p.drawText(QRectF(plot.left(), plot.bottom() + fm.height() + 4, plot.width(), fm.height()),
                   Qt::AlignCenter, xTitle);
        p.drawText(QRectF(plot.left(), 2, plot.width(), fm.height()), Qt::AlignLeft, yTitle);

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
            p.drawEllipse(q, 5, 5);
            p.setPen(QPen(mark, 1, Qt::DashLine));
            p.drawLine(QPointF(q.x(), q.y() + 5), QPointF(q.x(), plot.bottom()));
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

void SheetWidget::setCells(const std::map<std::string, std::string>& cells,
                           const QStringList& highlighted) {
    struct Cell {
        int column, row;
        QString text;
    };
    std::vector<Cell> used;
    int c0 = 1 << 30, c1 = -1, r0 = 1 << 30, r1 = -1;
    std::set<int> markedRows;
    for (const auto& [address, text] : cells) {
        int c = 0, r = 0;
        if (!parseCellAddress(address, c, r) || text.empty()) continue;
        used.push_back({c, r, qs(text)});
        c0 = std::min(c0, c), c1 = std::max(c1, c), r0 = std::min(r0, r), r1 = std::max(r1, r);
        if (text == MarkText) markedRows.insert(r);
    }
    std::set<std::pair<int, int>> hi;
    for (const QString& h : highlighted) {
        int c = 0, r = 0;
        if (parseCellAddress(ss(h.trimmed().toUpper()), c, r)) hi.insert({c, r});
    }

    table_->clear();
    if (used.empty()) {
        table_->setRowCount(0);
        table_->setColumnCount(0);
        chart_->points.clear();
        chart_->marked.clear();
        chart_->update();
        return;
    }
    table_->setRowCount(r1 - r0 + 1);
    table_->setColumnCount(c1 - c0 + 1);
    QStringList columns, rows;
    for (int c = c0; c <= c1; ++c) columns << columnName(c);
    for (int r = r0; r <= r1; ++r) rows << QString::number(r + 1);
    table_->setHorizontalHeaderLabels(columns);
    table_->setVerticalHeaderLabels(rows);
    const QColor markBack(255, 192, 192);
    std::map<std::pair<int, int>, QString> grid;
    for (const Cell& cell : used) {
        auto* item = new QTableWidgetItem(cell.text);
        double v = 0;
        if (NumberText::tryRead(ss(cell.text), v))
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (markedRows.count(cell.row) || hi.count({cell.column, cell.row})) {
            item->setBackground(markBack);
            item->setForeground(readableOn(palette().color(QPalette::Text), markBack));
        }
        table_->setItem(cell.row - r0, cell.column - c0, item);
        grid[{cell.column, cell.row}] = cell.text;
    }
    for (int r : markedRows)
        for (int c = c0; c <= c1; ++c)
            if (!table_->item(r - r0, c - c0)) {
                auto* item = new QTableWidgetItem;
                item->setBackground(markBack);
                table_->setItem(r - r0, c - c0, item);
            }

    // The curve: first used column against the next one.
    chart_->points.clear();
    chart_->marked.clear();
    chart_->xTitle = chart_->yTitle = QString();
    for (int r = r0; r <= r1; ++r) {
        auto xs = grid.find({c0, r});
        auto ys = grid.find({c0 + 1, r});
        if (xs == grid.end() || ys == grid.end()) continue;
        double x = 0, y = 0;
        if (!NumberText::tryRead(ss(xs->second), x) || !NumberText::tryRead(ss(ys->second), y)) {
            if (chart_->points.empty()) chart_->xTitle = xs->second, chart_->yTitle = ys->second;
            continue;
        }
        if (markedRows.count(r) || hi.count({c0, r}) || hi.count({c0 + 1, r}))
            chart_->marked.push_back(static_cast<int>(chart_->points.size()));
        chart_->points.emplace_back(x, y);
    }
    table_->resizeColumnsToContents();
    chart_->update();
}

const std::vector<QPointF>& SheetWidget::points() const { return chart_->points; }
const std::vector<int>& SheetWidget::marked() const { return chart_->marked; }

void SheetWidget::resizeEvent(QResizeEvent*) { arrange(); }

void SheetWidget::arrange() {
    const QRect r = rect();
    if (r.width() >= r.height()) {  // side by side: table on the left
        const int tw = std::min(r.width() * 2 / 5, 260);
        table_->setGeometry(0, 0, tw, r.height());
        chart_->setGeometry(tw + 4, 0, r.width() - tw - 4, r.height());
    } else {  // table above the chart
        const int th = r.height() * 2 / 5;
        table_->setGeometry(0, 0, r.width(), th);
        chart_->setGeometry(0, th + 4, r.width(), r.height() - th - 4);
    }
}

}  // namespace morvane::ui
