// Keeps one FormWindow per open form model: creates it when the application opens a
// window, raises it, and discards it when the window closes, once no reaction or dialog of
// it runs any more. Quits the Qt event loop when the application has ended (its last window
// closed).
#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <string>
#include <vector>

#include "shell/application.h"

namespace morvane::ui {

class FormWindow;

class WindowManager : public QObject, public AppListener {
    Q_OBJECT
public:
    explicit WindowManager(Application& app, bool quitWhenEnded = true);
    ~WindowManager() override;

    // The window of an open form, or nullptr.
    FormWindow* window(const std::string& name) const;

    void opened(FormModel& form) override;
    void closed(FormModel& form) override;
    void raised(FormModel& form) override;

signals:
    void windowOpened(const QString& name);
    void windowClosed(const QString& name);

private:
    void retire(FormWindow* w);

    Application& app_;
    bool quitWhenEnded_;
    std::map<std::string, QPointer<FormWindow>> windows_;
    std::vector<QPointer<FormWindow>> retired_;  // closed, deleted once no reaction runs
};

}  // namespace morvane::ui
