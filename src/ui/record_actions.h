// The four ways out of a calculator window: print its calculation record, save it as PDF,
// copy it as a table or the window as a picture. Offered by a context menu on the window's
// surface (outside the fields) and by shortcuts; the window's layout stays as it is.
#pragma once

#include <QObject>
#include <QString>

#include "shell/record.h"

class QAction;
class QImage;
class QMimeData;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace morvane::ui {

class FormWindow;

// One A4 page or more: the head line (program, title, date), the window's client area drawn
// as vector graphics, and the record's table below it.
void paintRecord(QPagedPaintDevice& device, QWidget* surface, const CalculationRecord& record);

// Writes the record's pages to a PDF file; false when the file cannot be written.
bool writeRecordPdf(const QString& file, QWidget* surface, const CalculationRecord& record);

// The record as tab-separated lines (text/plain) and as an HTML table (text/html).
QMimeData* recordTable(const CalculationRecord& record);

// The client area at twice the screen's resolution.
QImage windowPicture(QWidget* surface);

class RecordActions : public QObject {
    Q_OBJECT
public:
    explicit RecordActions(FormWindow& window);

    CalculationRecord record() const;
    // The file name proposed for the window's PDF, without directory.
    QString proposedFileName() const;

    void print();
    void savePdf();
    void copyTable();
    void copyPicture();

    QAction* printAction() const { return print_; }
    QAction* pdfAction() const { return pdf_; }
    QAction* tableAction() const { return table_; }
    QAction* pictureAction() const { return picture_; }

private:
    void showMenu(const QPoint& at);
    void printTo(QPrinter& printer);

    FormWindow& window_;
    QAction* print_;
    QAction* pdf_;
    QAction* table_;
    QAction* picture_;
};

}  // namespace morvane::ui
