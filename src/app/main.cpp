// morvane: the program. Shows the start window; ends when its last window is closed.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTranslator>
#include <exception>

#include "app/command_line.h"
#include "shell/application.h"
#include "ui/qt_platform.h"
#include "ui/window_manager.h"

namespace {
// Reactions report their own failures; anything else that escapes an event handler is a
// fault of the program, which is logged and must not end it.
class Program : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            qWarning("morvane: unexpected failure in an event handler: %s", e.what());
        } catch (...) {
            qWarning("morvane: unexpected failure in an event handler");
        }
        return false;
    }
};
}  // namespace

int main(int argc, char** argv) {
    if (const int status = morvane::app::answerCommandLine(argc, argv); status >= 0) return status;
    Program qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane - Kleine Programme"));
    QApplication::setOrganizationDomain(QStringLiteral("morvane.de"));
    QApplication::setDesktopFileName(QStringLiteral("de.morvane.KleineProgramme"));
    QIcon icon;  // the sizes rendered at build time: no SVG is drawn at start
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1x%1/de.morvane.KleineProgramme.png").arg(size));
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);  // the application decides when it ends
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // Qt's own dialogs (message box buttons, file dialog) speak German like the program.
    QTranslator qtGerman;
    morvane::ui::installQtGerman(qtGerman);

    morvane::ui::QtPlatform platform;
    morvane::Application app(platform);
    morvane::ui::WindowManager windows(app);
    app.open("frmStart");
    if (app.ended() || app.openForms().empty()) return 0;
    return QApplication::exec();
}
