// morvane-gui-replay FILE... | -: runs scenario scripts through the real Qt windows,
// offscreen unless QT_QPA_PLATFORM names another platform.
#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include "replay.h"
#include "ui/qt_platform.h"
#include "widget_driver.h"

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
}  // namespace

int main(int argc, char** argv) {
    qtDefault = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane - Kleine Programme"));
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtGerman;
    morvane::ui::installQtGerman(qtGerman);
    return morvane::replayMain(
        argc, argv, "morvane-gui-replay",
        "Every action is user input through the windows; every check reads the widgets.\n"
        "keyup, tick, date and hover reach only the models: they raise the model's event.\n"
        "Timers do not run by themselves: `tick` ticks them.\n",
        [] { return std::make_unique<morvane::gui::WidgetDriver>(); });
}
