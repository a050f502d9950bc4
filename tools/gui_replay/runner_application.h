// The Qt application of the tools and tests that drive the real windows: offscreen unless
// QT_QPA_PLATFORM names another platform, German, windows that stay until they are closed,
// and quiet about what the offscreen platform cannot do.
#pragma once

#include <QApplication>
#include <QTranslator>

namespace morvane::gui {

class RunnerApplication {
public:
    RunnerApplication(int& argc, char** argv);

private:
    QApplication app_;
    QTranslator qtGerman_;
};

}  // namespace morvane::gui
