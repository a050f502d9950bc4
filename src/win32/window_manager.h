// Keeps one FormWindow per open form model: creates it when the application opens a
// window, raises it, and discards it when the window closes. Ends the message loop when
// the application has ended (its last window closed).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/application.h"

namespace morvane::win32 {

class FormWindow;

class WindowManager : public AppListener {
public:
    explicit WindowManager(Application& app, bool quitWhenEnded = true);
    ~WindowManager() override;

    // The window of an open form, or nullptr.
    FormWindow* window(const std::string& name) const;
    // Discards the windows of closed forms (the message loop calls it between messages).
    void collect();

    void opened(FormModel& form) override;
    void closed(FormModel& form) override;
    void raised(FormModel& form) override;

private:
    Application& app_;
    bool quitWhenEnded_;
    std::map<std::string, std::unique_ptr<FormWindow>> windows_;
    std::vector<std::unique_ptr<FormWindow>> closed_;
};

}  // namespace morvane::win32
