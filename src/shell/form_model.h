// The state and reactions behind one window, independent of any toolkit.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shell/checked.h"
#include "shell/control.h"
#include "shell/failure.h"
#include "shell/platform.h"

namespace morvane {

class Application;

// Keys as the reactions see them (key released) and as key pressed delivers them.
namespace Key {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Shift = 16;
inline constexpr int Escape = 27;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
}  // namespace Key

struct Event {
    int index = -1;  // element of a control array, -1 for a single control
    int key = 0;     // key pressed: the character (0 discards it); key released: the key code
    int value = 0;   // scroll bar value, tab page, list index
};

using Reaction = std::function<void(Event&)>;

enum class On {
    Load,
    Change,
    KeyPress,
    KeyUp,
    Click,
    Scroll,
    MouseMove,
    Tick,
    TabShown,
    Submenu,
    Unload,
};

// The title of the message that tells of a wrong input.
inline constexpr const char* InputErrorTitle = "Eingabefehler";
// The lines most guards show after the failure: the field is set to 0, it or all the values
// are set back.
inline constexpr const char* TypingErrorToZero = "Tippfehler - Wert wird auf 0 gesetzt";
inline constexpr const char* TypingErrorReset = "Tippfehler - Wert wird zurückgesetzt";
inline constexpr const char* TypingErrorResetValues = "Tippfehler - Werte werden zurückgesetzt";

// A guarded reaction's parameters, named where they are written:
// {.text = "Tippfehler - Werte werden zurückgesetzt", .reset = {{"txtE", "650"}}}.
struct Guard {
    std::string text;                                             // line after the failure
    std::string title = InputErrorTitle;                          // of the message box
    std::vector<std::pair<std::string, std::string>> reset = {};  // control key, text, in order
    bool messageFirst = false;                                    // message, then reset
    std::function<void()> resetAction = {};                       // runs after the text resets
};

// The guard of one field that is set back to a value and says so:
// "Tippfehler - Wert wird auf <value> gesetzt".
inline Guard resetTo(std::string key, std::string value) {
    std::string text = "Tippfehler - Wert wird auf " + value + " gesetzt";
    return {.text = std::move(text), .reset = {{std::move(key), std::move(value)}}};
}

// The window itself.
struct WindowProps {
    std::string title = {};
    int clientWidth = 0, clientHeight = 0;  // twips
    int left = -1, top = -1;                // twips on the screen; -1 = placed by the desktop
    int width = 0, height = 0;              // outer size in twips (0 = client + frame)
    std::uint32_t backColor = Color::ButtonFace;
    std::string icon = {};  // picture resource; "" = the program's icon
    bool sizable = false;
    std::string focus = {};              // control that holds the focus at open
    std::string font = "MS Sans Serif";  // default font of the window's controls
    double fontSize = 8.25;              // and its size in points
};

// One row of a window's calculation record: the keys of the control that shows the caption
// (a label or the frame around the field), of the field (a text box, an output label, an
// option button standing for its group, a list box; a scroll bar gets its names from the row
// but shows its value elsewhere) and of the unit label ("" for none).
// A cell of a table has the head of its column as well; its caption reads "row, column".
// A field whose caption is no text beside it (a formula picture) has the words as text.
struct RecordRow {
    std::string caption, field, unit, column, text;
};

// Frame of a top-level window in twips, for the outer size derived from the client area.
inline constexpr int FrameWidthTwips = 90;
inline constexpr int FrameHeightTwips = 405;
inline constexpr int MenuBarTwips = 285;

// A name that the window does not declare: a fault of the program, never of the user's input.
class UnknownControl : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Observes a window's state: told which properties of which control changed (never given
// a copy to compare), when the window itself changed and where the focus went.
class FormView {
public:
    virtual ~FormView() = default;
    virtual void controlChanged(const Control& control, Changes what) = 0;
    virtual void windowChanged() = 0;
    virtual void focusChanged(const std::string& key) = 0;
};

// What a view may read and observe of a window: its controls, the window and the focus.
class FormState {
public:
    const std::string& name() const { return name_; }
    bool isOpen() const { return open_; }

    bool has(std::string_view key) const { return byKey_.find(key) != byKey_.end(); }
    // The control of a key; a key the window does not declare raises UnknownControl.
    const Control& c(std::string_view key) const { return controls_[at(key)]; }
    const std::vector<Control>& controls() const { return controls_; }
    const std::string& text(std::string_view key) const { return c(key).text; }
    bool empty(std::string_view key) const { return c(key).text.empty(); }

    const WindowProps& window() const { return window_; }
    int outerWidth() const;
    int outerHeight() const;
    // The client area that the outer size leaves (twips).
    int clientWidth() const { return outerWidth() - FrameWidthTwips; }
    int clientHeight() const;
    bool hasMenu() const;
    // Whether a menu entry has entries of its own (opens a submenu).
    bool hasSubmenu(std::string_view menuKey) const;
    // The calculation record's rows in reading order; none for windows without a record.
    const std::vector<RecordRow>& recordRows() const { return recordRows_; }

    const std::string& focus() const { return focus_; }
    // Whether a user can reach the control: it and all its containers enabled and visible.
    bool reachable(std::string_view key) const;
    bool canHoldFocus(const Control& control) const;
    // Focusable controls in tab order.
    std::vector<std::string> tabOrder() const;
    // The background a control stands on: its frame's, a tab page's or the window's.
    std::uint32_t containerBack(const Control& control) const;
    // Whether the control's tab page (if it lies on one) is the page shown.
    bool shownOnPage(const Control& control) const;

    // Observing changes nothing that a view reads.
    void addView(FormView* view) const;
    void removeView(FormView* view) const;

protected:
    explicit FormState(std::string name) : name_(std::move(name)) {}
    ~FormState() = default;
    FormState(const FormState&) = delete;
    FormState& operator=(const FormState&) = delete;

    std::size_t at(std::string_view key) const;
    Control& mut(std::string_view key) { return controls_[at(key)]; }
    // Tells the views; a change that touched nothing tells them all the same.
    void notify(const Control& control, Changes what);
    void notifyWindow();
    void notifyFocus();

    std::string name_;
    bool open_ = false;
    WindowProps window_;
    std::vector<Control> controls_;
    std::vector<RecordRow> recordRows_;
    std::map<std::string, std::size_t, std::less<>> byKey_;
    std::string focus_;

private:
    mutable std::vector<FormView*> views_;
};

// What an event source (a binding's controls, the replay tools) may raise: the user's events.
// Each returns when every reaction has ended; a failure nobody guarded is reported, never
// thrown.
class FormEvents {
public:
    // Key pressed: returns the character to insert (0 if a reaction discarded it).
    virtual int keyPress(std::string_view key, int character) = 0;
    virtual void keyUp(std::string_view key, int keyCode) = 0;
    // The user edited the text (typing, deleting, pasting): sets it and raises change.
    virtual void userEdit(std::string_view key, std::string_view text) = 0;
    virtual void click(std::string_view key) = 0;
    virtual void listClick(std::string_view key, int index) = 0;
    virtual void scroll(std::string_view key, int value) = 0;
    virtual void mouseMove(std::string_view key) = 0;
    virtual void mouseMoveWindow() = 0;
    virtual void tick(std::string_view key) = 0;
    virtual void tabShown(std::string_view key, int page) = 0;
    virtual void menu(std::string_view key) = 0;
    virtual void submenu(std::string_view key) = 0;
    // The user moved the focus (by mouse or Tab); no event.
    virtual void userFocus(std::string_view key) = 0;

protected:
    FormEvents() = default;
    ~FormEvents() = default;
    FormEvents(const FormEvents&) = delete;
    FormEvents& operator=(const FormEvents&) = delete;
};

// What a window's author writes with: the design, the reactions, and what they change.
class FormModel : public FormState, public FormEvents {
public:
    FormModel(Application& app, std::string name);
    virtual ~FormModel();
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    Application& app() { return app_; }
    Platform& platform();

    // ---- Lifecycle (called by Application) ----
    // Declares the controls and takes their design values (once, before first use).
    void init();
    // Restores the design values and runs the load reaction.
    void create();
    // Runs the unload reaction, then returns the controls to their design values.
    void destroy();

    // ---- Reading ----
    // The text read as a number; a text that is no number raises Failure(NoNumber).
    Num num(std::string_view key) const;

    // ---- Writing (every change is mirrored to the views) ----
    // Sets a text or caption; a different text raises the control's change reaction at once.
    void setText(std::string_view key, std::string_view text);
    void setCaption(std::string_view key, std::string_view text) { setText(key, text); }
    // Writes a number in two steps: its plain text, then that text with the pattern.
    void show(std::string_view key, double value, std::string_view pattern);
    // Writes the plain text of a number.
    void setNumber(std::string_view key, double value);
    void setVisible(std::string_view key, bool visible);
    void setEnabled(std::string_view key, bool enabled);
    void setForeColor(std::string_view key, std::uint32_t colour);
    void setBackColor(std::string_view key, std::uint32_t colour);
    void setBold(std::string_view key, bool bold);
    void setReadOnly(std::string_view key, bool readOnly);
    void setToolTip(std::string_view key, std::string_view tip);
    void setGeometry(std::string_view key, int left, int top, int width, int height);
    void setWidth(std::string_view key, int width);
    void setHeight(std::string_view key, int height);
    void setTop(std::string_view key, int top);
    void setLeft(std::string_view key, int left);
    void setTabStop(std::string_view key, bool stop);
    void setFlat(std::string_view key, bool flat);
    // A picture resource name, or SVG text that the window drew itself.
    void setPicture(std::string_view key, std::string picture);
    // Selects an option button (deselecting its group) and raises its click reaction.
    void select(std::string_view key);
    // Sets an option button or check box without raising anything.
    void setSelected(std::string_view key, bool selected);
    void setItems(std::string_view key, std::vector<std::string> items);
    void addItem(std::string_view key, std::string item);
    // Sets the selected list item; raises the list's click reaction like a user's choice.
    void setListIndex(std::string_view key, int index);
    // Sets a scroll bar's value; a different value raises its scroll reaction.
    void setValue(std::string_view key, int value);
    void setInterval(std::string_view key, int ms);
    void setCurrentTab(std::string_view key, int page);
    void setCell(std::string_view key, std::string_view address, std::string_view text);
    void setFocus(std::string_view key);
    void setTitle(std::string_view title);
    void setOuterHeight(int twips);
    void setOuterWidth(int twips);
    void setWindowPos(int left, int top);
    void setWindowBackColor(std::uint32_t colour);

    // ---- Message boxes and guards ----
    void message(const std::string& text, const std::string& title = InputErrorTitle,
                 MessageIcon icon = MessageIcon::None);
    // Runs body; on the first failure applies the guard (reset and message).
    void guarded(const Guard& guard, const std::function<void()>& body);
    // Shows what an unguarded reaction's failure means to the user; the system goes on.
    virtual void reportUnguarded(const Failure& failure);

    // ---- The user's events (FormEvents) ----
    int keyPress(std::string_view key, int character) final;
    void keyUp(std::string_view key, int keyCode) final;
    void userEdit(std::string_view key, std::string_view text) final;
    void click(std::string_view key) final;
    void listClick(std::string_view key, int index) final;
    void scroll(std::string_view key, int value) final;
    void mouseMove(std::string_view key) final;
    void mouseMoveWindow() final;
    void tick(std::string_view key) final;
    void tabShown(std::string_view key, int page) final;
    void menu(std::string_view key) final;
    void submenu(std::string_view key) final;
    void userFocus(std::string_view key) final;

protected:
    // Declares the window and its controls with their design values. Called once.
    virtual void design() = 0;
    WindowProps& win() { return window_; }
    Control& add(Kind kind, std::string name, int index = -1);
    // A control of the kind with the window's defaults, not declared: the model of a piece
    // that recurs (see Layout).
    Control piece(Kind kind) const;
    // Declares a control as a copy of a model piece.
    Control& add(Control piece, std::string name, int index = -1);
    // A label whose text wraps within its place: a note, or a heading of several lines.
    Control& note(std::string name, int index, std::string text, int left, int top, int width,
                  int height) {
        return add(Kind::Label, std::move(name), index)
            .caption(std::move(text))
            .at(left, top, width, height)
            .wrap();
    }
    Control& note(std::string name, std::string text, int left, int top, int width, int height) {
        return note(std::move(name), -1, std::move(text), left, top, width, height);
    }
    // An option button in its frame.
    Control& option(std::string name, std::string frame, std::string caption, int left, int top,
                    int width, int height) {
        return add(Kind::Option, std::move(name))
            .in(std::move(frame))
            .caption(std::move(caption))
            .at(left, top, width, height);
    }
    // Registers a reaction. A key without index ("Label1") catches every element of an array.
    void on(On event, std::string_view key, Reaction reaction);
    void on(On event, std::string_view key, std::function<void()> reaction);
    void onLoad(std::function<void()> reaction);
    // An editable info text box: each user edit appends one line break at the end and
    // gives the box the focus with the caret at the end; the change this makes does not
    // trigger it again.
    void appendLineBreakOnEdit(std::string_view key);

    // Declares the next row of the calculation record (control keys, see RecordRow).
    void recordRow(std::string caption, std::string field, std::string unit = {}) {
        recordRows_.push_back({std::move(caption), std::move(field), std::move(unit), {}, {}});
    }
    // Declares a row whose caption the window shows otherwise than as a text beside the
    // field (a formula picture, a tool tip): the caption's words.
    void recordNamed(std::string words, std::string field, std::string unit = {}) {
        recordRows_.push_back({{}, std::move(field), std::move(unit), {}, std::move(words)});
    }
    // Declares a table cell: the heads of its row and column, the cell, its unit.
    void recordCell(std::string row, std::string column, std::string field, std::string unit = {}) {
        recordRows_.push_back(
            {std::move(row), std::move(field), std::move(unit), std::move(column), {}});
    }

private:
    friend class Layout;
    // Runs a reaction for a user event; a failure nobody guarded is reported, never thrown.
    void dispatch(On on, std::string_view key, Event& event);
    void dispatch(On on, std::string_view key, Event&& event);
    void raise(On on, const Control& control, Event& event);
    void raise(On on, const Control& control, Event&& event);

    Application& app_;
    bool designed_ = false;
    WindowProps designWindow_;
    std::vector<Control> designControls_;
    std::map<std::pair<int, std::string>, Reaction> reactions_;
};

}  // namespace morvane
