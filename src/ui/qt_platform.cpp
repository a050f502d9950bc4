#include "ui/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>

#include "ui/key_owner.h"
#include "ui/look.h"

namespace morvane::ui {

namespace {
QWidget* activeParent() {
    QWidget* w = QApplication::activeWindow();
    return w && w->isVisible() ? w : nullptr;
}
}  // namespace

QtPlatform::QtPlatform() { KeyOwner::install(); }

QtPlatform::~QtPlatform() = default;

// The key that closes the dialog is pressed in it, so its repeats and its release belong to
// the dialog and never reach the window behind it (KeyOwner).
int QtPlatform::execModal(QDialog& dialog) { return dialog.exec(); }

void QtPlatform::message(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    qs(title), toDisplay(text), QMessageBox::Ok, activeParent());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    execModal(box);
}

void QtPlatform::swallowReleaseOf(int qtKey) { KeyOwner::disown(qtKey); }

void QtPlatform::shellOpen(const std::string& address) {
    QDesktopServices::openUrl(QUrl(qs(address)));  // a failure is ignored
}

void QtPlatform::setClipboard(const std::string& text) {
    QClipboard* c = QGuiApplication::clipboard();
    c->clear();
    c->setText(qs(text));
}

void renderPage(QPrinter& printer, const PrintPage& page) {
    QPainter p;
    if (!p.begin(&printer)) return;
    // Millimetres from the top-left corner of the printable area to device pixels.
    const double perMm = printer.resolution() / 25.4;
    for (const PrintLine& line : page.lines) {
        QFont f(qs(line.fontName));
        f.setPointSizeF(line.fontSize > 0 ? line.fontSize : 10);
        f.setBold(line.bold);
        p.setFont(QFont(f, p.device()));
        const QFontMetricsF fm(p.font());
        // The position is the top of the line of text, as on the printer of old.
        const QPointF at(line.xCm * 10 * perMm, line.yCm * 10 * perMm + fm.ascent());
        p.drawText(at, qs(line.text));
    }
    p.end();
}

bool installQtGerman(QTranslator& translator) {
    if (!translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

// The key that chooses the entry goes down in the menu, so its release never reaches the
// window behind it (KeyOwner).
QAction* runMenu(Platform&, QMenu& menu, const QPoint& globalPos) {
    KeyOwner::install();
    return menu.exec(globalPos);
}

int runModal(Platform& platform, QDialog& dialog) {
    if (auto* qt = dynamic_cast<QtPlatform*>(&platform)) return qt->execModal(dialog);
    return dialog.exec();
}

bool offerPdfInstead(Platform& platform, const QString& title) {
    QMessageBox ask(QMessageBox::Question, title.isEmpty() ? QStringLiteral("Drucken") : title,
                    QStringLiteral("Es ist kein Drucker eingerichtet. Soll die Seite als "
                                   "PDF-Datei gespeichert werden?"),
                    QMessageBox::Yes | QMessageBox::No, activeParent());
    ask.setDefaultButton(QMessageBox::Yes);
    ask.setWindowModality(Qt::ApplicationModal);
    runModal(platform, ask);
    return ask.clickedButton() == ask.button(QMessageBox::Yes);
}

QString choosePdfFile(Platform& platform, const QString& proposedName) {
    QString name = proposedName.isEmpty() ? QStringLiteral("Ausdruck") : proposedName;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog save(activeParent(), QStringLiteral("Seite als PDF-Datei speichern"), dir,
                     QStringLiteral("PDF-Dateien (*.pdf)"));
    save.setAcceptMode(QFileDialog::AcceptSave);
    save.setDefaultSuffix(QStringLiteral("pdf"));
    save.selectFile(name + QStringLiteral(".pdf"));
    save.setWindowModality(Qt::ApplicationModal);
    if (runModal(platform, save) != QDialog::Accepted || save.selectedFiles().isEmpty()) return {};
    QString file = save.selectedFiles().front();
    if (file.isEmpty()) return {};
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
    return file;
}

void QtPlatform::print(const PrintPage& page) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(qs(page.title));
        renderPage(printer, page);
        return;
    }
    if (!offerPdfInstead(*this, qs(page.title))) return;
    const QString file = choosePdfFile(*this, qs(page.title));
    if (file.isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setDocName(qs(page.title));
    renderPage(printer, page);
}

Date QtPlatform::today() {
    const QDate d = QDate::currentDate();
    return Date{d.year(), d.month(), d.day()};
}

}  // namespace morvane::ui
