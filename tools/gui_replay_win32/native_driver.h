// The driver of morvane-gui-replay.exe: every action is user input through the real Win32
// windows (SendInput key presses and releases to the focused control, mouse clicks at the
// control, the real menu bar and its menus), every check reads the native controls.
// The mouse rests away from the windows between actions; hover moves it onto the control.
// keyup and date reach only the models; tick sends the window its timer message.
#pragma once

// clang-format off
#include <windows.h>  // before every other Windows header
// clang-format on

#include <string>
#include <vector>

#include "desktop.h"
#include "replay_driver.h"
#include "shell/application.h"
#include "win32/window_manager.h"

namespace morvane::win32 {
class FormWindow;
}

namespace morvane::winreplay {

class NativeDriver : public ReplayDriver {
public:
    NativeDriver();
    ~NativeDriver() override;
    NativeDriver(const NativeDriver&) = delete;
    NativeDriver& operator=(const NativeDriver&) = delete;

    Application& app() override { return app_; }
    Recording& recording() override { return desktop_; }

    void close(const std::string& form) override;
    void menu(FormModel& owner, const std::string& key) override;
    void submenu(FormModel& owner, const std::string& key) override;
    void type(FormModel& f, const std::string& key, const std::string& text, bool replace) override;
    void key(FormModel& f, const std::string& key, int code) override;
    void paste(FormModel& f, const std::string& key, const std::string& text) override;
    void click(FormModel& f, const std::string& key) override;
    void select(FormModel& f, const std::string& key, int index) override;
    void scroll(FormModel& f, const std::string& key, int value) override;
    void hover(FormModel& f, const std::string& key) override;
    void hoverWindow(FormModel& f) override;
    void tick(FormModel& f, const std::string& key) override;
    void tabPage(FormModel& f, const std::string& key, int page) override;

    bool reachable(FormModel& f, const std::string& key) override;
    Control shown(FormModel& f, const std::string& key) override;
    ShownWindow window(FormModel& f) override;
    bool isOpen(const std::string& form) override;
    std::string front() override;
    bool sameColour(FormModel& f, const std::string& key, std::uint32_t shown,
                    std::uint32_t expected, bool text) override;
    int twipStep() const override { return twipStep_; }
    std::string takeFault() override;

    // A click at a point of the window's surface (x, y as parts of its width and height);
    // returns the control it hit ("" for none).
    std::string clickAt(FormModel& f, double x, double y);
    // A key held down on the control: count presses, all but the first auto-repeated, then
    // one release. A character key when text holds one character, else the named key code.
    void hold(FormModel& f, const std::string& key, const std::string& text, int code, int count);

    // The window of an open form (a ScriptError when it has none) and of its controls.
    win32::FormWindow& formWindow(const std::string& form) const;
    HWND handle(FormModel& f, const std::string& key) const;

    // A left click at a point of a control's client area (its middle by default) that no
    // other window covers.
    void clickAt(HWND target, POINT at);
    void clickMiddle(HWND target);
    // Brings the form's window to the front as a click on its title would.
    void activate(win32::FormWindow& w);

    // The steps of opening menus through the menu bar, run inside the menu loop.
    struct MenuStep {
        HMENU menu;  // the menu that holds the entry
        int position;
        bool opens;  // the entry opens a submenu
    };

private:
    // Clicks a text box to focus it; the caret goes to the end of its text, or, with
    // selectAll, the whole text is selected with the mouse.
    void focusTextBox(HWND box, bool selectAll);
    void focusForKeys(FormModel& f, const std::string& key);
    void openMenus(FormModel& owner, const std::string& key, bool chooseIt);
    void pressAndRelease(WORD vk, HWND window);
    POINT reachablePoint(HWND target, POINT preferred);
    // The mouse brought to a point of the target (screen coordinates) before a button goes
    // down: a ScriptError where what the movement raises takes the target from under it.
    void mouseOnto(HWND target, POINT p);
    // The open form whose window holds h, or nullptr.
    win32::FormWindow* formOf(HWND h);
    // The key of the innermost control of fw whose window is h or holds it ("" for none).
    std::string keyAt(win32::FormWindow& fw, HWND h) const;
    // A window named as the scripts write controls: KEY for a control of the window of
    // form, FORM.KEY for one of another window, "window FORM" for a window's own surface
    // (form's own: "" unless self, then FORM); "" for any other window.
    std::string nameOf(HWND h, const std::string& form, bool self);

    Desktop desktop_;
    Application app_{desktop_};
    win32::WindowManager windows_{app_, false};
    HHOOK timerHook_ = nullptr;
    int twipStep_ = 15;
    std::vector<std::string> faults_;
};

}  // namespace morvane::winreplay
