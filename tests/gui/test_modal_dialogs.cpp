// A window that is closed while a dialog runs (its own reaction's, or any other) stays until
// every dialog has returned; the dialog belongs to no window and survives the close.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "recording_platform.h"
#include "shell/application.h"
#include "ui/form_window.h"
#include "ui/modal_dialogs.h"
#include "ui/window_manager.h"

namespace morvane::ui {
namespace {

TEST(ModalDialogs, AClosedWindowStaysUntilTheDialogsReturn) {
    RecordingPlatform platform;
    Application app(platform);
    WindowManager windows(app, false);
    app.open("frmStart");
    QPointer<FormWindow> start = windows.window("frmStart");
    ASSERT_TRUE(start);
    start->activateWindow();

    QMessageBox outer(QMessageBox::NoIcon, "aussen", "aussen");
    QMessageBox inner(QMessageBox::NoIcon, "innen", "innen");
    bool closedWhileRunning = false, stayedInInner = false, stayedInOuter = false;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(ModalDialogs::depth(), 1);
        EXPECT_EQ(outer.parentWidget(), nullptr);  // shown over the window, not its child
        app.close("frmStart");
        closedWhileRunning = !app.isOpen("frmStart");
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(ModalDialogs::depth(), 2);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            stayedInInner = !start.isNull();
            inner.reject();
        });
        ModalDialogs::run(inner);
        QCoreApplication::processEvents();
        stayedInOuter = !start.isNull();
        outer.reject();
    });
    ModalDialogs::run(outer);
    EXPECT_TRUE(closedWhileRunning);
    EXPECT_TRUE(stayedInInner);
    EXPECT_TRUE(stayedInOuter);
    EXPECT_EQ(ModalDialogs::depth(), 0);
    EXPECT_TRUE(start);  // the reaction that ran the dialog has not ended yet
    QCoreApplication::processEvents();
    EXPECT_FALSE(start);  // back in the event loop: gone
}

TEST(ModalDialogs, WaitingWorkRunsFromTheEventLoopOnceNoDialogRuns) {
    QObject context;
    int ran = 0;
    QMessageBox box(QMessageBox::NoIcon, "t", "t");
    QTimer::singleShot(0, [&] {
        ModalDialogs::whenNoneRunning(&context, [&] { ++ran; });
        QCoreApplication::processEvents();
        EXPECT_EQ(ran, 0);  // not inside the dialog
        box.reject();
    });
    ModalDialogs::run(box);
    EXPECT_EQ(ran, 0);  // not inside the code that ran the dialog either
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 1);

    {  // work whose context is gone is dropped
        QObject gone;
        ModalDialogs::whenNoneRunning(&gone, [&] { ++ran; });
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 1);
}

}  // namespace
}  // namespace morvane::ui
