// The driver of morvane-gui-replay: every action is user input through the real Qt
// windows (mouse clicks on the widgets, key presses and releases to the focused widget,
// the real menu bar and its menus), every check reads the widgets. keyup, tick, date and
// hover reach only the models: they raise the model's event.
#pragma once

#include <QPoint>
#include <QString>

#include "replay_driver.h"
#include "shell/application.h"
#include "ui/window_manager.h"
#include "window_platform.h"

class QWidget;
class QWindow;

namespace morvane::ui {
class FormWindow;
}

namespace morvane::gui {

class WidgetDriver : public ReplayDriver {
public:
    WidgetDriver();
    ~WidgetDriver() override;

    Application& app() override { return app_; }
    Recording& recording() override { return platform_; }

    void close(const std::string& form) override;
    void menu(FormModel& owner, const std::string& key) override;
    void submenu(FormModel& owner, const std::string& key) override;
    void type(FormModel& f, const std::string& key, const std::string& text, bool replace) override;
    void key(FormModel& f, const std::string& key, int code) override;
    void paste(FormModel& f, const std::string& key, const std::string& text) override;
    void click(FormModel& f, const std::string& key) override;
    void select(FormModel& f, const std::string& key, int index) override;
    void scroll(FormModel& f, const std::string& key, int value) override;
    void tabPage(FormModel& f, const std::string& key, int page) override;

    bool reachable(FormModel& f, const std::string& key) override;
    Control shown(FormModel& f, const std::string& key) override;
    ShownWindow window(FormModel& f) override;
    bool isOpen(const std::string& form) override;
    std::string front() override;
    bool sameColour(FormModel& f, const std::string& key, std::uint32_t shown,
                    std::uint32_t expected, bool text) override;
    int twipStep() const override { return 15; }
    std::string takeFault() override { return platform_.takeFault(); }

    // A mouse click at a point of the window's surface, given as parts of its width and
    // height, wherever it lands. Returns the control that took it ("" for none).
    std::string clickAt(FormModel& f, double x, double y);
    // A key held down on the control: count presses, all but the first auto-repeated, then
    // one release. A character key when text holds one character, else the named key code.
    void hold(FormModel& f, const std::string& key, const std::string& text, int code, int count);

    // The window of an open form (a ScriptError when it has none).
    ui::FormWindow& formWindow(const std::string& form) const;
    QWidget& widget(FormModel& f, const std::string& key) const;

private:
    enum class Mouse { Click, DoubleClick, Press, Move, Release };
    // A mouse action with the left button at a point of a widget, through its window.
    void mouse(Mouse action, QWidget& target, QPoint at, Qt::KeyboardModifiers mods = {});
    // A point of the widget that no other control covers (its middle where it can).
    QPoint visiblePoint(QWidget& target, QPoint preferred) const;
    // One key event to the focused widget of a window.
    void keyEvent(QWindow* window, bool press, int qtKey, const QString& text,
                  Qt::KeyboardModifiers mods = {});
    // Brings the form's window to the front as a click on it would.
    void activate(ui::FormWindow& w);
    // Clicks a text box to focus it; the caret goes to the end of its text, or, with
    // selectAll, the whole text is selected with the mouse.
    void focusTextBox(QWidget& box, bool selectAll);
    // Focuses a control for keys: a text box by a click, anything else as Tab would.
    void focusForKeys(FormModel& f, const std::string& key);
    // Opens the menus from the menu bar down to the entry and returns its menu action.
    void openMenusTo(FormModel& owner, const std::string& key, bool chooseIt);
    // Lets posted events run (deferred deletes, activations) and the answering key go.
    void settle();

    WindowPlatform platform_;
    Application app_{platform_};
    ui::WindowManager windows_{app_, false};
};

}  // namespace morvane::gui
