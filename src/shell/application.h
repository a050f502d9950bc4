// The registry of window kinds and the windows that are open.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/form_model.h"
#include "shell/platform.h"

namespace morvane {

inline constexpr const char* AppTitle = "Morvane - Kleine Programme";

class AppListener {
public:
    virtual ~AppListener() = default;
    virtual void opened(FormModel& form) = 0;  // created and loaded: show it
    virtual void closed(FormModel& form) = 0;  // discard its window
    virtual void raised(FormModel& form) = 0;  // bring it to the front
};

class Application {
public:
    using Factory = std::function<std::unique_ptr<FormModel>(Application&)>;

    explicit Application(Platform& platform);
    ~Application();

    // Window kinds register themselves at start-up (see MORVANE_REGISTER_FORM).
    static void registerForm(const std::string& name, Factory factory);
    static std::vector<std::string> registeredForms();
    static bool isRegistered(const std::string& name);

    Platform& platform() { return platform_; }

    // The form model of a window kind, created (not opened) on first use.
    FormModel& model(const std::string& name);
    // Shows a window without blocking: creates and loads it if it is not open, else brings
    // it to the front. It becomes the front window.
    FormModel& open(const std::string& name);
    // Closes a window (no effect if it is not open).
    void close(const std::string& name);
    bool isOpen(const std::string& name) const;
    // The front window, or nullptr when none is open.
    FormModel* front();
    std::vector<FormModel*> openForms();
    // True once a window was open and the last one has been closed.
    bool ended() const { return ended_; }

    void addListener(AppListener* listener);
    void removeListener(AppListener* listener);

private:
    Platform& platform_;
    std::map<std::string, std::unique_ptr<FormModel>> models_;
    std::vector<std::string> zOrder_;  // open windows, front last
    std::vector<AppListener*> listeners_;
    bool ended_ = false;
};

namespace detail {
struct FormRegistrar {
    FormRegistrar(const char* name, Application::Factory factory) {
        Application::registerForm(name, std::move(factory));
    }
};
}  // namespace detail

// Registers a window kind under its name, the class's constant Name.
#define MORVANE_REGISTER_FORM(Class)                                                            \
    static const ::morvane::detail::FormRegistrar morvaneRegistrar_##Class {                    \
        Class::Name, [](::morvane::Application& app) -> std::unique_ptr<::morvane::FormModel> { \
            return std::make_unique<Class>(app);                                                \
        }                                                                                       \
    }

}  // namespace morvane
