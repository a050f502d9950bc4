#include "win32/window_manager.h"

#include "win32/form_window.h"

namespace morvane::win32 {

namespace {
// Closed windows are destroyed once the reaction that closed them has ended.
constexpr UINT_PTR CollectTimer = 0x4D56;
WindowManager* collector = nullptr;
void CALLBACK collectNow(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (collector) collector->collect();
}
}  // namespace

WindowManager::WindowManager(Application& app, bool quitWhenEnded)
    : app_(app), quitWhenEnded_(quitWhenEnded) {
    app_.addListener(this);
    collector = this;
}

WindowManager::~WindowManager() {
    app_.removeListener(this);
    if (collector == this) collector = nullptr;
    for (auto& [name, w] : windows_) w->detach();
}

FormWindow* WindowManager::window(const std::string& name) const {
    auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.get();
}

void WindowManager::collect() { closed_.clear(); }

void WindowManager::opened(FormModel& form) {
    if (auto it = windows_.find(form.name()); it != windows_.end()) {
        it->second->detach();
        closed_.push_back(std::move(it->second));
        windows_.erase(it);
    }
    auto w = std::make_unique<FormWindow>(app_, form);
    FormWindow* shown = w.get();
    windows_[form.name()] = std::move(w);
    shown->show();
}

void WindowManager::closed(FormModel& form) {
    auto it = windows_.find(form.name());
    if (it != windows_.end()) {
        // Never destroyed here: the close may come from a reaction of this very window.
        it->second->detach();
        closed_.push_back(std::move(it->second));
        windows_.erase(it);
        SetTimer(nullptr, CollectTimer, 0, collectNow);
    }
    if (quitWhenEnded_ && app_.ended()) PostQuitMessage(0);
}

void WindowManager::raised(FormModel& form) {
    if (FormWindow* w = window(form.name())) {
        if (IsIconic(w->hwnd())) ShowWindow(w->hwnd(), SW_RESTORE);
        ShowWindow(w->hwnd(), SW_SHOW);
        SetForegroundWindow(w->hwnd());
        BringWindowToTop(w->hwnd());
    }
}

}  // namespace morvane::win32
