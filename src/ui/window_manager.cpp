#include "ui/window_manager.h"

#include <QCoreApplication>

#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/modal_dialogs.h"

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
    for (auto& w : retired_) delete w.data();
}

FormWindow* WindowManager::window(const std::string& name) const {
    auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.data();
}

void WindowManager::opened(FormModel& form) {
    if (FormWindow* old = window(form.name())) retire(old);  // should not happen
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
        if (FormWindow* w = it->second) retire(w);
        windows_.erase(it);
    }
    emit windowClosed(qs(form.name()));
    if (quitWhenEnded_ && app_.ended())
        ModalDialogs::whenNoneRunning(this, [] { QCoreApplication::quit(); });
}

void WindowManager::retire(FormWindow* w) {
    // Never deleted here: the close may come from a reaction of this very window, or from
    // below a dialog that one of its reactions opened. It goes once all have returned.
    w->detach();
    retired_.push_back(w);
    ModalDialogs::whenNoneRunning(this, [this] {
        std::vector<QPointer<FormWindow>> gone;
        gone.swap(retired_);
        for (auto& g : gone) delete g.data();
    });
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
