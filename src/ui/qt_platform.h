// The desktop behind the form models: Qt message boxes, the desktop's URL handler, the
// clipboard, the default printer and today's date.
#pragma once

#include <QObject>

#include "shell/platform.h"

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QString;
class QTranslator;
class QPrinter;

namespace morvane::ui {

// Draws one page: every line at its centimetre position from the top-left corner of the
// printable area, in its own font.
void renderPage(QPrinter& printer, const PrintPage& page);

// Loads Qt's own German translation (qtbase_de) and installs it, so that Qt's dialogs speak
// German like the rest of the program. False when it is not installed.
bool installQtGerman(QTranslator& translator);

// Runs a modal dialog; through the program's platform, a key whose press closed it never
// reaches the window behind it.
int runModal(Platform& platform, QDialog& dialog);

// Without a printer: asks whether the page shall be saved as a PDF file instead.
bool offerPdfInstead(Platform& platform, const QString& title);

// Asks where a PDF file shall be saved, proposing the name (without extension); the chosen
// file ends in ".pdf", or is "" when the user cancelled.
QString choosePdfFile(Platform& platform, const QString& proposedName);

// Shows a context menu and returns the chosen action (or nullptr); a key whose press chose
// the entry never reaches the window behind it as a release.
QAction* runMenu(Platform& platform, QMenu& menu, const QPoint& globalPos);

class QtPlatform : public QObject, public Platform {
    Q_OBJECT
public:
    QtPlatform();
    ~QtPlatform() override;

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    void shellOpen(const std::string& address) override;
    void setClipboard(const std::string& text) override;
    void print(const PrintPage& page) override;
    Date today() override;

    // A key whose press closed a message box must not arrive as a key release in the
    // window behind it; a message box that does not take real key events reports that key
    // here, so that its repeats and its release reach no window.
    void swallowReleaseOf(int qtKey);

    // Runs a modal dialog; a key whose press closed it never reaches the window behind it.
    int execModal(QDialog& dialog);
};

}  // namespace morvane::ui
