// The modal dialogs whose event loops are running, one inside the other. While a dialog runs,
// the reaction that opened it is still on the stack below it: its window must stay until the
// dialog has returned and the reaction has ended. Work that takes windows away therefore
// waits until no dialog runs. A dialog belongs to no window; it is only shown over one.
#pragma once

#include <functional>

class QAction;
class QDialog;
class QMenu;
class QObject;
class QPoint;
class QWidget;

namespace morvane::ui {

class ModalDialogs {
public:
    // Shows a dialog over the active window and runs it to its end; returns its result. Once
    // the program ends, a dialog is not shown any more and is rejected at once.
    static int run(QDialog& dialog);
    // A popup menu's own event loop counts as a dialog: returns the chosen entry, or nullptr
    // (also at once when the program ends).
    static QAction* run(QMenu& menu, const QPoint& at);
    // How many dialogs are running.
    static int depth();
    // Calls fn from the event loop once no dialog runs: on the next turn of the event loop,
    // or after the last running dialog has returned. Not called once context is gone.
    static void whenNoneRunning(QObject* context, std::function<void()> fn);
    // The program ends: every running dialog is rejected (a menu closed) and no later one is
    // shown.
    static void endAll();
    static bool ending();

private:
    static void entered(QWidget* loop);
    static void left(QWidget* loop);
    static void runWaiting();
};

}  // namespace morvane::ui
