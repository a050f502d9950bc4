// morvane-gallery DIR: opens every registered window offscreen, one after the other, and
// saves each as DIR/<name>.png, so that all windows can be looked at without clicking.
// Fails when a window cannot be opened or drawn.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <iostream>

#include "recording_platform.h"
#include "shell/application.h"
#include "ui/form_window.h"
#include "ui/window_manager.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    if (!QDir().mkpath(dir)) {
        std::cerr << "cannot create " << dir.toStdString() << "\n";
        return 1;
    }
    morvane::RecordingPlatform platform;
    morvane::Application app(platform);
    morvane::ui::WindowManager windows(app, false);
    int failed = 0, saved = 0;
    for (const std::string& name : morvane::Application::registeredForms()) {
        try {
            app.open(name);
        } catch (const std::exception& e) {
            std::cerr << name << ": cannot be opened: " << e.what() << "\n";
            ++failed;
            continue;
        }
        auto* w = windows.window(name);
        if (!w) {
            std::cout << name << ": closed itself while loading\n";
            continue;
        }
        QCoreApplication::processEvents();
        const QString file =
            dir + QStringLiteral("/") + QString::fromStdString(name) + QStringLiteral(".png");
        const QPixmap shot = w->grab();
        if (shot.isNull() || !shot.save(file)) {
            std::cerr << name << ": cannot be saved as " << file.toStdString() << "\n";
            ++failed;
        } else {
            ++saved;
        }
        app.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::cout << saved << " windows saved in " << dir.toStdString() << ", " << failed
              << " failed\n";
    return failed == 0 ? 0 : 1;
}
