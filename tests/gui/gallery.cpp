// morvane-gallery DIR: opens every registered window offscreen, one after the other, and
// saves each as DIR/<name>.png, so that all windows can be looked at without clicking; the
// same windows on a dark desktop palette go to DIR/dunkel/<name>.png, and drawn at twice the
// resolution (a high-density screen) to DIR/2x/<name>.png. Fails when a window cannot be
// opened or drawn.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <iostream>

#include "recording_platform.h"
#include "shell/application.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/window_manager.h"

namespace {

enum class Look { Plain, Dark, Double };

// The window as a picture, at the given scale of its pixels.
QPixmap shot(QWidget* w, int scale) {
    if (scale == 1) return w->grab();
    QPixmap pixmap(w->size() * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    w->render(&pixmap);
    return pixmap;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    const QPalette light = QApplication::palette();
    int failed = 0, saved = 0;
    for (const Look look : {Look::Plain, Look::Dark, Look::Double}) {
        const QString folder = look == Look::Plain  ? dir
                               : look == Look::Dark ? dir + QStringLiteral("/dunkel")
                                                    : dir + QStringLiteral("/2x");
        if (!QDir().mkpath(folder)) {
            std::cerr << "cannot create " << folder.toStdString() << "\n";
            return 1;
        }
        QApplication::setPalette(look == Look::Dark ? morvane::ui::darkPalette() : light);
        morvane::RecordingPlatform platform;
        morvane::Application app(platform);
        morvane::ui::WindowManager windows(app, false);
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
                if (look == Look::Plain) std::cout << name << ": closed itself while loading\n";
                continue;
            }
            QCoreApplication::processEvents();
            const QString file = folder + QStringLiteral("/") + QString::fromStdString(name) +
                                 QStringLiteral(".png");
            const QPixmap picture = shot(w, look == Look::Double ? 2 : 1);
            if (picture.isNull() || !picture.save(file)) {
                std::cerr << name << ": cannot be saved as " << file.toStdString() << "\n";
                ++failed;
            } else {
                ++saved;
            }
            app.close(name);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    QApplication::setPalette(light);
    std::cout << saved << " pictures saved in " << dir.toStdString() << " (plain, dunkel, 2x), "
              << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
