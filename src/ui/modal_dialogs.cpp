#include "ui/modal_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

namespace morvane::ui {

namespace {
struct Waiting {
    QPointer<QObject> context;
    std::function<void()> fn;
};

std::vector<QPointer<QWidget>>& running() {
    static std::vector<QPointer<QWidget>> dialogs;
    return dialogs;
}

std::vector<Waiting>& waiting() {
    static std::vector<Waiting> list;
    return list;
}

bool& endingFlag() {
    static bool flag = false;
    return flag;
}

// Shown over the active window and kept above it by the window manager, but not its child:
// a window that is closed while the dialog runs cannot take the dialog with it.
void placeOver(QDialog& dialog) {
    QWidget* active = QApplication::activeWindow();
    if (!active || !active->isVisible() || active == &dialog) return;
    QWindow* over = active->window()->windowHandle();
    dialog.winId();  // creates the dialog's own window
    if (over && dialog.windowHandle()) dialog.windowHandle()->setTransientParent(over);
}
}  // namespace

int ModalDialogs::run(QDialog& dialog) {
    if (endingFlag()) return QDialog::Rejected;
    placeOver(dialog);
    entered(&dialog);
    const int result = dialog.exec();
    left(&dialog);
    return result;
}

QAction* ModalDialogs::run(QMenu& menu, const QPoint& at) {
    if (endingFlag()) return nullptr;
    entered(&menu);
    QAction* chosen = menu.exec(at);
    left(&menu);
    return endingFlag() ? nullptr : chosen;
}

void ModalDialogs::entered(QWidget* loop) { running().push_back(loop); }

void ModalDialogs::left(QWidget* loop) {
    auto& r = running();
    r.erase(std::remove(r.begin(), r.end(), loop), r.end());
    r.erase(std::remove(r.begin(), r.end(), nullptr), r.end());
    if (r.empty() && !waiting().empty()) QTimer::singleShot(0, qApp, &ModalDialogs::runWaiting);
}

int ModalDialogs::depth() { return static_cast<int>(running().size()); }

void ModalDialogs::whenNoneRunning(QObject* context, std::function<void()> fn) {
    waiting().push_back({context, std::move(fn)});
    if (running().empty()) QTimer::singleShot(0, qApp, &ModalDialogs::runWaiting);
}

void ModalDialogs::runWaiting() {
    // Called from the event loop; a dialog that still runs calls again once it has returned.
    if (!running().empty()) return;
    std::vector<Waiting> now;
    now.swap(waiting());
    for (Waiting& w : now)
        if (w.context) w.fn();
}

void ModalDialogs::endAll() {
    endingFlag() = true;
    // The innermost first: each returns to the reaction that opened it.
    const std::vector<QPointer<QWidget>> loops = running();
    for (auto it = loops.rbegin(); it != loops.rend(); ++it) {
        if (!*it) continue;
        if (auto* dialog = qobject_cast<QDialog*>(it->data()))
            dialog->reject();
        else
            (*it)->close();
    }
}

bool ModalDialogs::ending() { return endingFlag(); }

}  // namespace morvane::ui
