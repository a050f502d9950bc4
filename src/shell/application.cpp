#include "shell/application.h"

#include <algorithm>
#include <stdexcept>

namespace morvane {

namespace {
std::map<std::string, Application::Factory>& registry() {
    static std::map<std::string, Application::Factory> forms;
    return forms;
}
}  // namespace

Application::Application(Platform& platform) : platform_(platform) {}

Application::~Application() = default;

void Application::registerForm(const std::string& name, Factory factory) {
    registry()[name] = std::move(factory);
}

std::vector<std::string> Application::registeredForms() {
    std::vector<std::string> names;
    for (const auto& [name, factory] : registry()) names.push_back(name);
    return names;
}

bool Application::isRegistered(const std::string& name) { return registry().count(name) > 0; }

FormModel& Application::model(const std::string& name) {
    auto it = models_.find(name);
    if (it != models_.end()) return *it->second;
    auto r = registry().find(name);
    if (r == registry().end()) throw std::out_of_range("unknown window " + name);
    auto m = r->second(*this);
    m->init();
    return *models_.emplace(name, std::move(m)).first->second;
}

FormModel& Application::open(const std::string& name) {
    FormModel& m = model(name);
    if (m.isOpen()) {
        zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), name), zOrder_.end());
        zOrder_.push_back(name);
        for (auto* l : std::vector<AppListener*>(listeners_)) l->raised(m);
        return m;
    }
    ended_ = false;
    zOrder_.push_back(name);
    m.create();
    if (!m.isOpen()) return m;  // the load reaction closed the window again
    // The load reaction may have opened other windows; this one is still the newest.
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), name), zOrder_.end());
    zOrder_.push_back(name);
    for (auto* l : std::vector<AppListener*>(listeners_)) l->opened(m);
    return m;
}

void Application::close(const std::string& name) {
    auto it = models_.find(name);
    if (it == models_.end() || !it->second->isOpen()) return;
    FormModel& m = *it->second;
    m.destroy();
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), name), zOrder_.end());
    // Ended before the listeners hear of it: a desktop binding ends its event loop there.
    if (zOrder_.empty()) ended_ = true;
    for (auto* l : std::vector<AppListener*>(listeners_)) l->closed(m);
}

bool Application::isOpen(const std::string& name) const {
    auto it = models_.find(name);
    return it != models_.end() && it->second->isOpen();
}

FormModel* Application::front() {
    if (zOrder_.empty()) return nullptr;
    return models_.at(zOrder_.back()).get();
}

std::vector<FormModel*> Application::openForms() {
    std::vector<FormModel*> v;
    for (const auto& n : zOrder_) v.push_back(models_.at(n).get());
    return v;
}

void Application::addListener(AppListener* listener) { listeners_.push_back(listener); }

void Application::removeListener(AppListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

}  // namespace morvane
