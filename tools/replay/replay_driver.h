// Where the lines of a scenario act and what its checks read. The scenario interpreter
// (replay.h) resolves names, checks arguments and compares; a driver carries out each
// action and reports what the system shows.
//
// ReplayDriver itself acts on the form models, as morvane-replay does; a driver for the
// real windows overrides the actions that a user performs through widgets and reads the
// widgets instead of the models. Every action is called for a control that exists in an
// open window; errors in the script are thrown as ScriptError.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "recording_platform.h"
#include "shell/application.h"
#include "shell/form_model.h"

namespace morvane {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The window as the checks see it.
struct ShownWindow {
    std::string title;
    int outerWidth = 0, outerHeight = 0;  // twips
};

class ReplayDriver {
public:
    virtual ~ReplayDriver() = default;

    virtual Application& app() = 0;
    // Message boxes, shell calls, clipboard writes and printouts of the run; its date.
    virtual Recording& recording() = 0;
    // ---- Actions ----
    virtual void open(const std::string& form) { app().open(form); }
    virtual void close(const std::string& form) { app().close(form); }
    virtual void menu(FormModel& owner, const std::string& key) { owner.menu(key); }
    virtual void submenu(FormModel& owner, const std::string& key) { owner.submenu(key); }
    virtual void type(FormModel& f, const std::string& key, const std::string& text, bool replace);
    // One press and release of a key (Key::Enter, Key::Tab, ...).
    virtual void key(FormModel& f, const std::string& key, int code);
    virtual void keyUp(FormModel& f, const std::string& key, int code);
    virtual void paste(FormModel& f, const std::string& key, const std::string& text);
    virtual void click(FormModel& f, const std::string& key) { f.click(key); }
    virtual void select(FormModel& f, const std::string& key, int index) {
        f.listClick(key, index);
    }
    virtual void scroll(FormModel& f, const std::string& key, int value) { f.scroll(key, value); }
    virtual void hover(FormModel& f, const std::string& key) { f.mouseMove(key); }
    virtual void hoverWindow(FormModel& f) { f.mouseMoveWindow(); }
    virtual void tick(FormModel& f, const std::string& key) { f.tick(key); }
    virtual void tabPage(FormModel& f, const std::string& key, int page) { f.tabShown(key, page); }
    // The calculation record of a window that has one, as its "Als Tabelle kopieren" makes
    // it, without touching the clipboard.
    virtual std::string record(FormModel& f);

    // ---- What the system shows ----
    // Whether a user can reach the control (enabled and visible with all its containers).
    virtual bool reachable(FormModel& f, const std::string& key) { return f.reachable(key); }
    // The control as shown: text or caption, flags, colours, geometry in twips, scroll bar,
    // list and tab state, table cells.
    virtual Control shown(FormModel& f, const std::string& key) { return f.c(key); }
    virtual ShownWindow window(FormModel& f) {
        return {f.window().title, f.outerWidth(), f.outerHeight()};
    }
    virtual bool isOpen(const std::string& form) { return app().isOpen(form); }
    // The name of the front window, "" when none is open.
    virtual std::string front() {
        FormModel* f = app().front();
        return f ? f->name() : std::string();
    }
    // Whether a colour the control shows is the expected one as written in the window
    // descriptions; text is true for its text colour.
    virtual bool sameColour(FormModel& f, const std::string& key, std::uint32_t shown,
                            std::uint32_t expected, bool text) {
        (void)f, (void)key, (void)text;
        return shown == expected;
    }
    // Something the driver could not do as a user would, noticed while a line ran ("" when
    // nothing is left); each is reported as an error of that line.
    virtual std::string takeFault() { return {}; }
    // The finest step of positions and sizes in twips: a check passes when the expected
    // value rounds to the shown one at this step.
    virtual int twipStep() const { return 1; }
};

// What the drivers of real windows share.

// The menu entries from the menu bar down to the entry, the menu bar's entry first.
std::vector<std::string> menuPath(FormModel& owner, const std::string& key);

// A point of a control (width by height) that a click reaches: the preferred one when
// reaches accepts it, else the first of an even 7 by 7 grid; false when none is reached.
bool reachablePoint(int width, int height, int& x, int& y,
                    const std::function<bool(int, int)>& reaches);

// Why a user's click cannot reach a control, as the drivers word it; controls are named as
// the scripts write them (NAME, NAME(INDEX), FORM.NAME for one of another window).
ScriptError outsideItsWindow(const std::string& control);
// over: what lies on top of it, "" for nothing that can be clicked.
ScriptError coveredBy(const std::string& control, const std::string& over);

// The mouse comes to the point of a control (move) before its button goes down; what that
// movement raises (a reaction that moves or resizes the control, say) runs first. A control
// that was under the mouse there (lands) and is no longer cannot be clicked: a ScriptError.
void moveMouseOnto(const std::string& control, const std::function<bool()>& lands,
                   const std::function<void()>& move);

// The window as the checks see it from its client area (twips): the frame and the menu
// bar as the models count them.
ShownWindow shownFromClient(std::string title, int clientWidth, int clientHeight, bool menuBar);

// The form models themselves, with a recording platform: morvane-replay.
class ModelDriver : public ReplayDriver {
public:
    Application& app() override { return app_; }
    Recording& recording() override { return platform_; }

private:
    RecordingPlatform platform_;
    Application app_{platform_};
};

}  // namespace morvane
