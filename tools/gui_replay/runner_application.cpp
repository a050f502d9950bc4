#include "runner_application.h"

#include <QLocale>

#include "ui/qt_platform.h"

namespace morvane::gui {

namespace {
QtMessageHandler qtDefault = nullptr;

// The offscreen platform's notes on what it cannot do (raise, keyboard grabs) say nothing
// about the windows; everything else Qt reports is passed on.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && (text.startsWith(QStringLiteral("This plugin does not support")) ||
                                 text.startsWith(QStringLiteral("QStandardPaths: "))))
        return;
    qtDefault(type, context, text);
}

// What has to be settled before the application is made.
int& beforeTheApplication(int& argc) {
    qtDefault = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}
}  // namespace

RunnerApplication::RunnerApplication(int& argc, char** argv)
    : app_(beforeTheApplication(argc), argv) {
    QApplication::setApplicationName(QStringLiteral("Morvane - Kleine Programme"));
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ui::installQtGerman(qtGerman_);
}

}  // namespace morvane::gui
