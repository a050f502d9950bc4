// The program's way out, in one process as in the program: the desktop platform, the
// application and its window manager, the start window. Every entry of the start window's
// menu is chosen, every window that no entry opens is opened by name (such as frmBSB and
// frmWinkel), then each open window gets the window system's close request. The last one
// must end the event loop with status 0; under the sanitizers nothing may leak on the way.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "shell/application.h"
#include "ui/form_window.h"
#include "ui/qt_platform.h"
#include "ui/window_manager.h"

namespace {
// The desktop platform, but links are only noted: no browser is started by a test.
class NoBrowserPlatform : public morvane::ui::QtPlatform {
public:
    void shellOpen(const std::string& address) override { links.insert(address); }
    std::set<std::string> links;
};
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // as in the program: the application ends it

    NoBrowserPlatform platform;
    morvane::Application app(platform);
    morvane::ui::WindowManager windows(app);
    std::set<std::string> opened;
    QObject::connect(&windows, &morvane::ui::WindowManager::windowOpened,
                     [&](const QString& name) { opened.insert(name.toStdString()); });

    // A message box that a window shows while it opens is answered.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    answer.start(20);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        std::fprintf(stderr, "watchdog: the program did not end\n");
        std::_Exit(3);
    });
    watchdog.start(60000);

    app.open("frmStart");
    QTimer::singleShot(0, [&] {
        morvane::ui::FormWindow* start = windows.window("frmStart");
        int entries = 0;
        for (QAction* entry : start->findChildren<QAction*>()) {
            if (entry->menu() || entry->objectName().isEmpty()) continue;
            entry->trigger();
            ++entries;
        }
        int byName = 0;
        for (const std::string& name : morvane::Application::registeredForms()) {
            if (opened.count(name)) continue;
            app.open(name);
            std::printf("opened by name: %s\n", name.c_str());
            ++byName;
        }
        std::printf("%d menu entries chosen, %zu windows opened (%d by name), %zu links\n", entries,
                    opened.size(), byName, platform.links.size());
        // The window system's close request for every open window, front first.
        std::vector<std::string> open;
        for (morvane::FormModel* form : app.openForms()) open.insert(open.begin(), form->name());
        for (const std::string& name : open) {
            if (morvane::ui::FormWindow* w = windows.window(name))
                w->windowHandle()->close();  // the platform window's close request
        }
    });
    const int status = QApplication::exec();
    std::printf("event loop ended with %d; %zu windows left open\n", status,
                app.openForms().size());
    return status == 0 && app.ended() ? 0 : 1;
}
