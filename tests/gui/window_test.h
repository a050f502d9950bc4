// The ground the Qt tests stand on: an application with its windows on a platform of the
// test's choosing, the steps to open a window and to find its widgets, every window closed
// again after each test, and a watchdog that ends the run when a test hangs.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/application.h"
#include "ui/form_window.h"
#include "ui/window_manager.h"

namespace morvane::ui {

template <class P>
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (FormModel* f : app.openForms()) app.close(f->name());
        flush();
        watchdog_.stop();
    }
    // No test may hang: past the given seconds the watchdog ends the whole run.
    void watch(const char* what, int seconds) {
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [what, seconds] {
            std::fprintf(stderr, "watchdog: %s did not finish within %d s\n", what, seconds);
            std::fflush(stderr);
            std::_Exit(3);
        });
        watchdog_.start(seconds * 1000);
    }
    static void flush() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    static void activate(QWidget* w) {
        w->activateWindow();
        (void)QTest::qWaitForWindowActive(w, 1000);
    }
    // Opens the window and makes it the active one.
    FormWindow* open(const std::string& name) {
        app.open(name);
        FormWindow* w = windows.window(name);
        if (w) activate(w);
        return w;
    }
    template <class W>
    static W* find(QWidget* w, const char* key) {
        return w->findChild<W*>(QString::fromUtf8(key));
    }

    P platform;
    Application app{platform};
    WindowManager windows{app, false};
    QTimer watchdog_;
};

}  // namespace morvane::ui
