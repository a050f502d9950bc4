// One control of a form model: its kind, name and every property that reactions or the
// view use. Design values are declared with the fluent setters below.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace morvane {

enum class Kind {
    TextBox,
    Label,
    Option,
    CheckBox,
    Command,
    Frame,
    ListBox,
    Shape,
    Line,
    Picture,
    HScroll,
    Timer,
    Tab,
    Menu,
    Sheet,  // table-and-chart object (cells with addresses such as "J40")
};

enum class Align { Left, Right, Center };

// Colours as written in the window descriptions: &H00BBGGRR fixed, &H8000nnnn system.
namespace Color {
inline constexpr std::uint32_t MenuBackground = 0x80000004;
inline constexpr std::uint32_t WindowBackground = 0x80000005;
inline constexpr std::uint32_t MenuText = 0x80000007;
inline constexpr std::uint32_t WindowText = 0x80000008;
inline constexpr std::uint32_t ActiveTitleText = 0x80000009;
inline constexpr std::uint32_t ActiveBorder = 0x8000000A;
inline constexpr std::uint32_t InactiveBorder = 0x8000000B;
inline constexpr std::uint32_t ButtonFace = 0x8000000F;
inline constexpr std::uint32_t ButtonHighlight = 0x80000013;
inline constexpr std::uint32_t ButtonText = 0x80000012;
inline constexpr std::uint32_t ToolTipBackground = 0x80000018;
inline constexpr std::uint32_t LightYellow = 0x00C0FFFF;
inline constexpr std::uint32_t Red = 0x000000FF;
inline constexpr std::uint32_t DarkRed = 0x000000C0;
inline constexpr std::uint32_t Blue = 0x00FF0000;
inline constexpr std::uint32_t DarkBlue = 0x00C00000;
inline constexpr std::uint32_t LightRed = 0x00C0C0FF;
inline constexpr std::uint32_t Black = 0x00000000;
inline constexpr std::uint32_t White = 0x00FFFFFF;
// "&H00C0FFFF" form, upper-case, eight digits.
std::string text(std::uint32_t colour);
bool isSystem(std::uint32_t colour);
}  // namespace Color

// The key of a control: "Name" or "Name(3)" for an element of a control array.
std::string controlKey(const std::string& name, int index);

// A caption as it is drawn: "&&" stands for "&", a single "&" marks the access key.
std::string plainCaption(const std::string& caption);

// Kinds that take the keyboard: they can hold the focus and receive key events.
constexpr bool takesKeys(Kind k) {
    switch (k) {
        case Kind::TextBox:
        case Kind::Command:
        case Kind::Option:
        case Kind::CheckBox:
        case Kind::ListBox:
        case Kind::HScroll: return true;
        default: return false;
    }
}

// Windowed controls lie above the drawn ones (labels, shapes, lines, pictures).
constexpr bool windowed(Kind k) {
    return k != Kind::Label && k != Kind::Shape && k != Kind::Line && k != Kind::Picture;
}

// Kinds that hold other controls.
constexpr bool isContainer(Kind k) { return k == Kind::Frame || k == Kind::Tab; }

// What of a control a change touched, as its views learn of it.
enum class Property : std::uint32_t {
    Text = 1u << 0,
    Visible = 1u << 1,
    Enabled = 1u << 2,
    ForeColor = 1u << 3,
    BackColor = 1u << 4,
    Font = 1u << 5,  // bold
    ReadOnly = 1u << 6,
    ToolTip = 1u << 7,
    Geometry = 1u << 8,  // left, top, width, height
    TabStop = 1u << 9,
    Interval = 1u << 10,
    Flat = 1u << 11,
    Picture = 1u << 12,
    Selected = 1u << 13,
    Items = 1u << 14,
    ListIndex = 1u << 15,
    Value = 1u << 16,
    CurrentTab = 1u << 17,
    Cells = 1u << 18,
};

// A set of changed properties; everything() stands for a control shown for the first time
// (or anew), whose every property is to be taken.
class Changes {
public:
    constexpr Changes() = default;
    constexpr Changes(Property p) : bits_(static_cast<std::uint32_t>(p)) {}  // NOLINT
    static constexpr Changes everything() { return Changes(~0u); }
    constexpr bool has(Property p) const { return (bits_ & static_cast<std::uint32_t>(p)) != 0; }
    constexpr bool any(Changes c) const { return (bits_ & c.bits_) != 0; }
    constexpr bool all() const { return bits_ == ~0u; }
    constexpr bool none() const { return bits_ == 0; }
    constexpr Changes operator|(Changes c) const { return Changes(bits_ | c.bits_); }
    Changes& operator|=(Changes c) {
        bits_ |= c.bits_;
        return *this;
    }

private:
    explicit constexpr Changes(std::uint32_t bits) : bits_(bits) {}
    std::uint32_t bits_ = 0;
};

constexpr Changes operator|(Property a, Property b) { return Changes(a) | Changes(b); }

struct Control {
    std::string name;
    int index = -1;  // element of a control array; -1 for a single control
    Kind kind = Kind::Label;

    std::string text;        // text of a text box, caption of everything else
    std::string container;   // key of the containing frame or tab control; "" = the window
    int page = -1;           // page of the containing tab control
    std::string parentMenu;  // menu entries: key of the parent entry; "" = the menu bar

    int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the container
    bool enabled = true;
    bool visible = true;
    std::uint32_t backColor = Color::ButtonFace;
    std::uint32_t foreColor = Color::ButtonText;
    bool transparent = false;  // labels drawn without background
    std::string fontName = "MS Sans Serif";
    double fontSize = 8.25;
    bool bold = false;
    bool underline = false;
    Align align = Align::Left;
    bool border = false;  // single-line border (labels, pictures); text boxes have one
    bool flat = false;    // text box drawn without three-dimensional border
    bool multiLine = false;
    bool scrollBar = false;  // vertical scroll bar of a multi-line text box
    bool readOnly = false;
    bool wordWrap = false;
    int tabIndex = -1;  // position in the tab order; -1 = after all others
    bool tabStop = true;
    std::string toolTip;
    bool handCursor = false;  // link controls
    bool selected = false;    // option button, check box

    std::vector<std::string> items;  // list box
    int listIndex = -1;

    int min = 0, max = 32767, value = 0, smallChange = 1, largeChange = 1;  // scroll bar
    int interval = 0;                                                       // timer, ms

    std::string picture;  // picture resource name (pictures, command buttons)
    int shape = 0;        // shapes: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded
    int borderWidth = 1;  // shapes and lines
    bool filled = false;  // shapes: filled with backColor
    // Lines: left/top is the first point, width/height hold the second point (x2, y2).

    std::vector<std::string> tabs;  // captions of the pages of a tab control
    int currentTab = 0;

    std::map<std::string, std::string> cells;  // table objects: address (upper-case) -> text

    std::string key() const { return controlKey(name, index); }

    // Fluent design setters.
    Control& at(int l, int t, int w, int h) {
        left = l, top = t, width = w, height = h;
        return *this;
    }
    Control& caption(std::string s) {
        text = std::move(s);
        return *this;
    }
    Control& in(std::string containerKey, int pageIndex = -1) {
        container = std::move(containerKey), page = pageIndex;
        return *this;
    }
    Control& tab(int i, bool stop = true) {
        tabIndex = i, tabStop = stop;
        return *this;
    }
    Control& noTab() {
        tabStop = false;
        return *this;
    }
    Control& align_(Align a) {
        align = a;
        return *this;
    }
    Control& right() { return align_(Align::Right); }
    Control& center() { return align_(Align::Center); }
    Control& colors(std::uint32_t fore, std::uint32_t back) {
        foreColor = fore, backColor = back;
        return *this;
    }
    Control& fore(std::uint32_t c) {
        foreColor = c;
        return *this;
    }
    Control& back(std::uint32_t c) {
        backColor = c;
        return *this;
    }
    Control& font(std::string face, double size, bool isBold = false) {
        fontName = std::move(face), fontSize = size, bold = isBold;
        return *this;
    }
    Control& bold_(bool b = true) {
        bold = b;
        return *this;
    }
    // The usual output label: right-aligned, framed, window text on the window background.
    Control& output() {
        align = Align::Right, border = true;
        return colors(Color::WindowText, Color::WindowBackground);
    }
    // An info text box: multi-line with a scroll bar, read-only, window text on the tool-tip
    // background in "Arial" 9 points.
    Control& infoText() {
        multiLine = true, scrollBar = true, readOnly = true;
        return colors(Color::ButtonText, Color::ToolTipBackground).font("Arial", 9);
    }
    Control& framed(bool b = true) {
        border = b;
        return *this;
    }
    Control& wrap(bool b = true) {
        wordWrap = b;
        return *this;
    }
    Control& multi(bool scroll = true) {
        multiLine = true, scrollBar = scroll;
        return *this;
    }
    Control& readonly(bool b = true) {
        readOnly = b;
        return *this;
    }
    Control& hidden() {
        visible = false;
        return *this;
    }
    Control& disabled() {
        enabled = false;
        return *this;
    }
    Control& tip(std::string s) {
        toolTip = std::move(s);
        return *this;
    }
    Control& link() {
        handCursor = true;
        return *this;
    }
    Control& pic(std::string resource) {
        picture = std::move(resource);
        return *this;
    }
    Control& range(int lo, int hi, int small = 1, int large = 1) {
        min = lo, max = hi, smallChange = small, largeChange = large;
        return *this;
    }
    Control& val(int v) {
        value = v;
        return *this;
    }
    Control& sel(bool b = true) {
        selected = b;
        return *this;
    }
    Control& list(std::vector<std::string> entries) {
        items = std::move(entries);
        return *this;
    }
    Control& menuOf(std::string parentKey) {
        parentMenu = std::move(parentKey);
        return *this;
    }
};

// A result: a framed, right-aligned label showing a number on one line.
inline bool isResult(const Control& c) {
    return c.kind == Kind::Label && c.border && c.align == Align::Right;
}

}  // namespace morvane
