#include "ui/window_manager.h"

#include <QCoreApplication>
#include <QTimer>

#include "ui/form_window.h"
#include "ui/look.h"

namespace morvane::ui {

WindowManager::WindowManager(Application& app, bool quitWhenEnded)
    : app_(app), quitWhenEnded_(quitWhenEnded) {
    app_.addListener(this);
}

WindowManager::~WindowManager() {
    app_.removeListener(this);
    for (auto& [name, w] : windows_) {
        if (!w) continue;
        w->detach();
        delete w.data();
    }
}

FormWindow* WindowManager::window(const std::string& name) const {
    auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.data();
}

void WindowManager::opened(FormModel& form) {
    if (FormWindow* old = window(form.name())) {  // should not happen: replaced cleanly
        old->detach();
        old->deleteLater();
    }
    auto* w = new FormWindow(app_, form);
    windows_[form.name()] = w;
    w->show();
    w->raise();
    w->activateWindow();
    emit windowOpened(qs(form.name()));
}

void WindowManager::closed(FormModel& form) {
    auto it = windows_.find(form.name());
    if (it != windows_.end()) {
        if (FormWindow* w = it->second) {
            // Never deleted here: the close may come from a reaction of this very window.
            w->detach();
            w->deleteLater();
        }
        windows_.erase(it);
    }
    emit windowClosed(qs(form.name()));
    if (quitWhenEnded_ && app_.ended()) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void WindowManager::raised(FormModel& form) {
    if (FormWindow* w = window(form.name())) {
        if (w->isMinimized()) w->showNormal();
        w->show();
        w->raise();
        w->activateWindow();
    }
}

}  // namespace morvane::ui
