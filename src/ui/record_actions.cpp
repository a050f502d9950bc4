#include "ui/record_actions.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <functional>

#include "shell/application.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/qt_platform.h"

namespace morvane::ui {

namespace {
constexpr double MarginMm = 15;

void setUpPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                     QPageLayout::Millimeter));
}

QString escaped(const std::string& s) { return qs(s).toHtmlEscaped(); }
}  // namespace

void paintRecord(QPagedPaintDevice& device, QWidget* surface, const CalculationRecord& record) {
    QPainter p;
    if (!p.begin(&device)) return;
    const double dpi = device.logicalDpiX();
    const auto mm = [dpi](double v) { return v * dpi / 25.4; };
    const double pageW = device.width(), pageH = device.height();
    const QString family = QApplication::font().family();
    const auto font = [&](double points, bool bold) {
        QFont f(family);
        f.setPointSizeF(points);
        f.setBold(bold);
        return QFont(f, &device);
    };

    // The head: program and date on one line, the window's title below it, a rule.
    double y = 0;
    p.setPen(Qt::black);
    p.setFont(font(9, false));
    const double smallLine = QFontMetricsF(p.font()).height();
    const QRectF headLine(0, y, pageW, smallLine);
    p.drawText(headLine, Qt::AlignLeft | Qt::AlignVCenter, qs(record.program));
    p.drawText(headLine, Qt::AlignRight | Qt::AlignVCenter, qs(record.date));
    y += smallLine + mm(1);
    p.setFont(font(12, true));
    const QRectF titleBox =
        p.boundingRect(QRectF(0, y, pageW, pageH), Qt::TextWordWrap, qs(record.title));
    p.drawText(QRectF(0, y, pageW, titleBox.height()), Qt::TextWordWrap, qs(record.title));
    y += titleBox.height() + mm(2);
    p.drawLine(QPointF(0, y), QPointF(pageW, y));
    y += mm(5);

    // The window, as vector graphics: its natural size, at most one and a half times that,
    // fitted to the page's width and to two thirds of its height.
    if (surface && surface->width() > 0 && surface->height() > 0) {
        const double natural = dpi / std::max(1, surface->logicalDpiX());
        const double scale = std::min(
            {1.5 * natural, pageW / surface->width(), (pageH * 2 / 3 - y) / surface->height()});
        p.save();
        p.translate((pageW - surface->width() * scale) / 2, y);
        p.scale(scale, scale);
        surface->render(&p, QPoint(), QRegion(),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
        p.restore();
        p.setPen(QPen(Qt::gray, 0));
        p.drawRect(QRectF((pageW - surface->width() * scale) / 2, y, surface->width() * scale,
                          surface->height() * scale));
        y += surface->height() * scale + mm(6);
    }

    // The table: caption, value (right-aligned), unit; it goes on on further pages.
    const double columns[] = {0, pageW * 0.58, pageW * 0.80, pageW};
    const double pad = mm(1);
    const QString heads[] = {QStringLiteral("Bezeichnung"), QStringLiteral("Wert"),
                             QStringLiteral("Einheit")};
    std::function<void(const QString&, const QString&, const QString&, bool)> row;
    row = [&](const QString& caption, const QString& value, const QString& unit, bool head) {
        p.setFont(font(9, head));
        const QString cells[] = {caption, value, unit};
        double h = 0;
        for (int i = 0; i < 3; ++i) {
            const QRectF box(columns[i] + pad, 0, columns[i + 1] - columns[i] - 2 * pad, pageH);
            h = std::max(h, p.boundingRect(box, Qt::TextWordWrap, cells[i]).height());
        }
        h += 2 * pad;
        if (y + h > pageH && !head) {  // a further page starts with the column heads
            device.newPage();
            y = 0;
            row(heads[0], heads[1], heads[2], true);
            p.setFont(font(9, false));
        }
        for (int i = 0; i < 3; ++i) {
            const QRectF box(columns[i] + pad, y + pad, columns[i + 1] - columns[i] - 2 * pad,
                             h - 2 * pad);
            p.setPen(Qt::black);
            p.drawText(box, Qt::TextWordWrap | (i == 1 ? Qt::AlignRight : Qt::AlignLeft), cells[i]);
        }
        y += h;
        p.setPen(QPen(head ? Qt::black : Qt::lightGray, 0));
        p.drawLine(QPointF(0, y), QPointF(pageW, y));
    };
    row(heads[0], heads[1], heads[2], true);
    for (const RecordLine& l : record.lines) row(qs(l.caption), qs(l.value), qs(l.unit), false);
    p.end();
}

bool writeRecordPdf(const QString& file, QWidget* surface, const CalculationRecord& record) {
    QPdfWriter writer(file);
    writer.setResolution(600);
    writer.setTitle(qs(record.title));
    writer.setCreator(qs(record.program));
    setUpPage(writer);
    {
        QPainter probe;
        if (!probe.begin(&writer)) return false;  // the file cannot be written
        probe.end();
    }
    paintRecord(writer, surface, record);
    return true;
}

QMimeData* recordTable(const CalculationRecord& record) {
    auto* data = new QMimeData;
    data->setText(qs(record.text()));
    // Every cell as text, so that a spreadsheet keeps "1.128,4" as it is shown.
    const QString cell = QStringLiteral("<td style=\"mso-number-format:'\\@'\">");
    QString html =
        QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table border=\"1\">");
    for (const std::string* head : {&record.program, &record.title, &record.date})
        html += QStringLiteral("<tr>") + cell + escaped(*head) + QStringLiteral("</td></tr>");
    for (const RecordLine& l : record.lines)
        html += QStringLiteral("<tr>") + cell + escaped(l.caption) + QStringLiteral("</td>") +
                cell + escaped(l.value) + QStringLiteral("</td>") + cell + escaped(l.unit) +
                QStringLiteral("</td></tr>");
    html += QStringLiteral("</table></body></html>");
    data->setHtml(html);
    return data;
}

QImage windowPicture(QWidget* surface) {
    const double ratio = 2 * surface->devicePixelRatioF();
    QImage image(surface->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(surface->palette().color(QPalette::Window));
    surface->render(&image, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    image.setDevicePixelRatio(1);
    // Pasted into a document, the picture keeps the window's size on the screen.
    const int dotsPerMetre = static_cast<int>(std::lround(ratio * surface->logicalDpiX() / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

RecordActions::RecordActions(FormWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("recordActions"));
    const auto make = [this](const char* name, const QString& text, const QKeySequence& keys,
                             void (RecordActions::*slot)()) {
        auto* a = new QAction(text, &window_);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setShortcutVisibleInContextMenu(true);
        window_.addAction(a);
        connect(a, &QAction::triggered, this, [this, slot] {
            if (window_.attached()) (this->*slot)();
        });
        return a;
    };
    print_ = make("recordPrint", QStringLiteral("Berechnung drucken …"), QKeySequence::Print,
                  &RecordActions::print);
    pdf_ = make("recordPdf", QStringLiteral("Als PDF speichern …"), QKeySequence::Save,
                &RecordActions::savePdf);
    table_ = make("recordTable", QStringLiteral("Als Tabelle kopieren"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &RecordActions::copyTable);
    picture_ = make("recordPicture", QStringLiteral("Als Bild kopieren"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B), &RecordActions::copyPicture);

    // A right click on the surface, or on a caption, frame or drawing that has no menu of its
    // own (their context menu events come up to the surface).
    QWidget* surface = window_.surface();
    surface->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(surface, &QWidget::customContextMenuRequested, this, &RecordActions::showMenu);
}

CalculationRecord RecordActions::record() const { return makeRecord(window_.model()); }

QString RecordActions::proposedFileName() const {
    const Date d = window_.model().platform().today();
    return qs(recordFileName(window_.model().window().title, d.year, d.month, d.day));
}

void RecordActions::showMenu(const QPoint& at) {
    if (!window_.attached()) return;
    QMenu menu(&window_);
    menu.setObjectName(QStringLiteral("recordMenu"));
    menu.addAction(print_);
    menu.addAction(pdf_);
    menu.addSeparator();
    menu.addAction(table_);
    menu.addAction(picture_);
    runMenu(window_.model().platform(), menu, window_.surface()->mapToGlobal(at));
}

void RecordActions::printTo(QPrinter& printer) {
    paintRecord(printer, window_.surface(), record());
}

void RecordActions::print() {
    Platform& platform = window_.model().platform();
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (offerPdfInstead(platform, QStringLiteral("Berechnung drucken"))) savePdf();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qs(window_.model().window().title));
    setUpPage(printer);
    QPrintPreviewDialog preview(&printer, &window_);
    preview.setWindowTitle(QStringLiteral("Berechnung drucken"));
    preview.setWindowModality(Qt::ApplicationModal);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { printTo(*p); });
    runModal(platform, preview);
}

void RecordActions::savePdf() {
    Platform& platform = window_.model().platform();
    const CalculationRecord r = record();
    const QString file = choosePdfFile(platform, proposedFileName());
    if (file.isEmpty()) return;
    if (!writeRecordPdf(file, window_.surface(), r))
        platform.message("Die Datei " + ss(file) + " kann nicht geschrieben werden.",
                         "Als PDF speichern", MessageIcon::Error);
}

void RecordActions::copyTable() {
    QGuiApplication::clipboard()->setMimeData(recordTable(record()));
}

void RecordActions::copyPicture() {
    const QImage image = windowPicture(window_.surface());
    auto* data = new QMimeData;
    data->setImageData(image);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    data->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace morvane::ui
