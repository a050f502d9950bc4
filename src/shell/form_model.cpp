#include "shell/form_model.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "shell/application.h"
#include "shell/number_text.h"

namespace morvane {

namespace Color {
std::string text(std::uint32_t colour) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%08X", static_cast<unsigned>(colour));
    return buf;
}
bool isSystem(std::uint32_t colour) { return (colour & 0x80000000u) != 0; }
}  // namespace Color

namespace {
// Selects a list's item (-1: none), its text with it; returns what that changed.
Changes pick(Control& list, int index) {
    Changes what;
    if (list.listIndex != index) what |= Property::ListIndex;
    list.listIndex = index;
    if (index < 0) return what;
    const std::string& item = list.items[static_cast<std::size_t>(index)];
    if (list.text != item) what |= Property::Text;
    list.text = item;
    return what;
}
}  // namespace

std::string controlKey(const std::string& name, int index) {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

std::string plainCaption(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

FormModel::FormModel(Application& app, std::string name) : FormState(std::move(name)), app_(app) {}

FormModel::~FormModel() = default;

Platform& FormModel::platform() { return app_.platform(); }

void FormModel::init() {
    if (designed_) return;
    designed_ = true;
    design();
    // Every reaction belongs to a declared control (or to every element of a declared
    // array): a misspelt name fails here, when the window is built, not silently later.
    for (const auto& [when, reaction] : reactions_) {
        const std::string& key = when.second;
        if (key.empty() || has(key)) continue;
        const bool array = std::any_of(controls_.begin(), controls_.end(),
                                       [&](const Control& x) { return x.name == key; });
        if (!array)
            throw UnknownControl(name_ + ": Reaktion für das fehlende Steuerelement " + key);
    }
    designControls_ = controls_;
    designWindow_ = window_;
}

void FormModel::create() {
    init();
    controls_ = designControls_;
    window_ = designWindow_;
    focus_ = window_.focus;
    if (focus_.empty()) {
        const auto order = tabOrder();
        if (!order.empty()) focus_ = order.front();
    }
    open_ = true;
    dispatch(On::Load, "", {});
}

void FormModel::destroy() {
    if (!open_) return;
    dispatch(On::Unload, "", {});
    open_ = false;
    controls_ = designControls_;
    window_ = designWindow_;
    focus_.clear();
}

// ---- Reading ----

std::size_t FormState::at(std::string_view key) const {
    auto it = byKey_.find(key);
    if (it == byKey_.end())
        throw UnknownControl(name_ + ": kein Steuerelement " + std::string(key));
    return it->second;
}

int FormState::outerWidth() const {
    return window_.width > 0 ? window_.width : window_.clientWidth + FrameWidthTwips;
}

int FormState::outerHeight() const {
    if (window_.height > 0) return window_.height;
    return window_.clientHeight + FrameHeightTwips + (hasMenu() ? MenuBarTwips : 0);
}

int FormState::clientHeight() const {
    return outerHeight() - FrameHeightTwips - (hasMenu() ? MenuBarTwips : 0);
}

bool FormState::hasMenu() const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [](const Control& x) { return x.kind == Kind::Menu; });
}

bool FormState::hasSubmenu(std::string_view menuKey) const {
    return std::any_of(controls_.begin(), controls_.end(), [&](const Control& x) {
        return x.kind == Kind::Menu && x.parentMenu == menuKey;
    });
}

std::uint32_t FormState::containerBack(const Control& x) const {
    if (x.container.empty() || !has(x.container)) return window_.backColor;
    const Control& box = c(x.container);
    return box.kind == Kind::Frame ? box.backColor : Color::ButtonFace;
}

bool FormState::shownOnPage(const Control& x) const {
    if (x.container.empty() || x.page < 0 || !has(x.container)) return true;
    const Control& tab = c(x.container);
    return tab.kind != Kind::Tab || tab.currentTab == x.page;
}

Num FormModel::num(std::string_view key) const { return NumberText::read(text(key)); }

bool FormState::reachable(std::string_view key) const {
    const Control* x = &c(key);
    for (int depth = 0; depth < 16; ++depth) {
        if (!x->enabled || !x->visible) return false;
        if (x->container.empty() || !has(x->container)) return true;
        x = &c(x->container);
    }
    return true;
}

bool FormState::canHoldFocus(const Control& x) const {
    return takesKeys(x.kind) && x.tabStop && reachable(x.key());
}

std::vector<std::string> FormState::tabOrder() const {
    std::vector<const Control*> v;
    for (const auto& x : controls_)
        if (canHoldFocus(x)) v.push_back(&x);
    std::stable_sort(v.begin(), v.end(), [](const Control* a, const Control* b) {
        const int ia = a->tabIndex < 0 ? 1 << 30 : a->tabIndex;
        const int ib = b->tabIndex < 0 ? 1 << 30 : b->tabIndex;
        return ia < ib;
    });
    std::vector<std::string> keys;
    keys.reserve(v.size());
    for (const auto* x : v) keys.push_back(x->key());
    return keys;
}

// ---- Writing ----

void FormState::notify(const Control& control, Changes what) {
    for (auto* v : std::vector<FormView*>(views_)) v->controlChanged(control, what);
}

void FormState::notifyWindow() {
    for (auto* v : std::vector<FormView*>(views_)) v->windowChanged();
}

void FormState::notifyFocus() {
    for (auto* v : std::vector<FormView*>(views_)) v->focusChanged(focus_);
}

void FormModel::setText(std::string_view key, std::string_view text) {
    Control& x = mut(key);
    if (x.text == text) return;
    x.text = std::string(text);
    notify(x, Property::Text);
    raise(On::Change, x, {.index = x.index});
}

void FormModel::setNumber(std::string_view key, double value) {
    setText(key, NumberText::plain(value));
}

void FormModel::show(std::string_view key, double value, std::string_view pattern) {
    setText(key, NumberText::plain(value));
    setText(key, NumberText::formatText(text(key), pattern));
}

#define MORVANE_SETTER(fn, type, member, property)     \
    void FormModel::fn(std::string_view key, type v) { \
        Control& x = mut(key);                         \
        if (x.member == v) return;                     \
        x.member = v;                                  \
        notify(x, Property::property);                 \
    }
MORVANE_SETTER(setVisible, bool, visible, Visible)
MORVANE_SETTER(setEnabled, bool, enabled, Enabled)
MORVANE_SETTER(setForeColor, std::uint32_t, foreColor, ForeColor)
MORVANE_SETTER(setBackColor, std::uint32_t, backColor, BackColor)
MORVANE_SETTER(setBold, bool, bold, Font)
MORVANE_SETTER(setReadOnly, bool, readOnly, ReadOnly)
MORVANE_SETTER(setWidth, int, width, Geometry)
MORVANE_SETTER(setHeight, int, height, Geometry)
MORVANE_SETTER(setTop, int, top, Geometry)
MORVANE_SETTER(setLeft, int, left, Geometry)
MORVANE_SETTER(setTabStop, bool, tabStop, TabStop)
MORVANE_SETTER(setInterval, int, interval, Interval)
MORVANE_SETTER(setFlat, bool, flat, Flat)
#undef MORVANE_SETTER

void FormModel::setPicture(std::string_view key, std::string picture) {
    Control& x = mut(key);
    if (x.picture == picture) return;
    x.picture = std::move(picture);
    notify(x, Property::Picture);
}

void FormModel::setToolTip(std::string_view key, std::string_view tip) {
    Control& x = mut(key);
    const Changes what = x.toolTip == tip ? Changes() : Property::ToolTip;
    x.toolTip = std::string(tip);
    notify(x, what);
}

void FormModel::setGeometry(std::string_view key, int l, int t, int w, int h) {
    Control& x = mut(key);
    const bool same = x.left == l && x.top == t && x.width == w && x.height == h;
    x.left = l, x.top = t, x.width = w, x.height = h;
    notify(x, same ? Changes() : Property::Geometry);
}

void FormModel::setSelected(std::string_view key, bool selected) {
    Control& x = mut(key);
    if (selected && x.kind == Kind::Option) {
        for (auto& o : controls_) {
            if (&o != &x && o.kind == Kind::Option && o.container == x.container &&
                o.page == x.page && o.selected) {
                o.selected = false;
                notify(o, Property::Selected);
            }
        }
    }
    if (x.selected == selected) return;
    x.selected = selected;
    notify(x, Property::Selected);
}

void FormModel::select(std::string_view key) {
    const bool was = c(key).selected;
    setSelected(key, true);
    if (was) return;
    const Control& x = c(key);
    raise(On::Click, x, {.index = x.index});
}

void FormModel::setItems(std::string_view key, std::vector<std::string> items) {
    Control& x = mut(key);
    Changes what;
    if (x.items != items) what |= Property::Items;
    if (x.listIndex != -1) what |= Property::ListIndex;
    x.items = std::move(items);
    x.listIndex = -1;
    notify(x, what);
}

void FormModel::addItem(std::string_view key, std::string item) {
    Control& x = mut(key);
    x.items.push_back(std::move(item));
    notify(x, Property::Items);
}

void FormModel::setListIndex(std::string_view key, int index) {
    Control& x = mut(key);
    if (index < -1 || index >= static_cast<int>(x.items.size()))
        throw Failure(FailureKind::Invalid);
    notify(x, pick(x, index));
    raise(On::Click, x, {.index = x.index, .value = index});
}

void FormModel::setValue(std::string_view key, int value) {
    Control& x = mut(key);
    value = std::clamp(value, std::min(x.min, x.max), std::max(x.min, x.max));
    if (x.value == value) return;
    x.value = value;
    notify(x, Property::Value);
    raise(On::Scroll, x, {.index = x.index, .value = value});
}

void FormModel::setCurrentTab(std::string_view key, int page) {
    Control& x = mut(key);
    if (x.currentTab == page) return;
    x.currentTab = page;
    notify(x, Property::CurrentTab);
}

void FormModel::setCell(std::string_view key, std::string_view address, std::string_view text) {
    Control& x = mut(key);
    std::string a(address);
    for (auto& ch : a) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    auto [cell, added] = x.cells.try_emplace(a);
    const Changes what = added || cell->second != text ? Property::Cells : Changes();
    cell->second = std::string(text);
    notify(x, what);
}

void FormModel::setFocus(std::string_view key) {
    focus_ = std::string(key);
    notifyFocus();
}

void FormModel::setTitle(std::string_view title) {
    window_.title = std::string(title);
    notifyWindow();
}

void FormModel::setOuterHeight(int twips) {
    window_.height = twips;
    notifyWindow();
}

void FormModel::setOuterWidth(int twips) {
    window_.width = twips;
    notifyWindow();
}

void FormModel::setWindowBackColor(std::uint32_t colour) {
    window_.backColor = colour;
    notifyWindow();
}

void FormModel::setWindowPos(int left, int top) {
    window_.left = left;
    window_.top = top;
    notifyWindow();
}

// ---- Messages and guards ----

void FormModel::message(const std::string& text, const std::string& title, MessageIcon icon) {
    platform().message(text, title, icon);
}

void FormModel::guarded(const Guard& guard, const std::function<void()>& body) {
    try {
        body();
    } catch (const Failure& f) {
        auto reset = [&] {
            for (const auto& [key, text] : guard.reset) setText(key, text);
            if (guard.resetAction) guard.resetAction();
        };
        if (!guard.messageFirst) reset();
        message(std::string(describe(f.kind())) + "\r\n" + guard.text, guard.title);
        if (guard.messageFirst) reset();
    }
}

void FormModel::reportUnguarded(const Failure& failure) {
    message(std::string(describe(failure.kind())) + "\r\nDie Berechnung wurde abgebrochen.",
            AppTitle, MessageIcon::Error);
}

// ---- Events ----

void FormModel::on(On event, std::string_view key, Reaction reaction) {
    reactions_[{static_cast<int>(event), std::string(key)}] = std::move(reaction);
}

void FormModel::on(On event, std::string_view key, std::function<void()> reaction) {
    on(event, key, Reaction([r = std::move(reaction)](Event&) { r(); }));
}

void FormModel::onLoad(std::function<void()> reaction) { on(On::Load, "", std::move(reaction)); }

void FormModel::appendLineBreakOnEdit(std::string_view key) {
    auto busy = std::make_shared<bool>(false);
    on(On::Change, key, [this, busy, k = std::string(key)] {
        if (*busy) return;
        *busy = true;
        try {
            setText(k, text(k) + "\r\n");
            setFocus(k);
        } catch (...) {
            *busy = false;
            throw;
        }
        *busy = false;
    });
}

void FormModel::raise(On on, const Control& control, Event& event) {
    const int ev = static_cast<int>(on);
    auto it = reactions_.find({ev, control.key()});
    if (it == reactions_.end() && control.index >= 0) it = reactions_.find({ev, control.name});
    if (it == reactions_.end()) return;
    event.index = control.index;
    Reaction r = it->second;  // a reaction may outlive changes to the table
    r(event);
}

void FormModel::raise(On on, const Control& control, Event&& event) { raise(on, control, event); }

void FormModel::dispatch(On on, std::string_view key, Event&& event) { dispatch(on, key, event); }

void FormModel::dispatch(On on, std::string_view key, Event& event) {
    try {
        if (key.empty()) {
            auto it = reactions_.find({static_cast<int>(on), std::string()});
            if (it != reactions_.end()) {
                Reaction r = it->second;
                r(event);
            }
        } else {
            raise(on, c(key), event);
        }
    } catch (const Failure& f) {
        reportUnguarded(f);
    } catch (const UnknownControl& fault) {
        // Shown as what it is, so that no test mistakes it for an input error.
        message(std::string("Programmfehler: ") + fault.what() +
                    "\r\nDie Berechnung wurde abgebrochen.",
                AppTitle, MessageIcon::Error);
    } catch (const std::out_of_range&) {
        reportUnguarded(Failure(FailureKind::Invalid));
    }
}

int FormModel::keyPress(std::string_view key, int character) {
    Event e;
    e.key = character;
    dispatch(On::KeyPress, key, e);
    return e.key;
}

void FormModel::keyUp(std::string_view key, int keyCode) {
    dispatch(On::KeyUp, key, {.key = keyCode});
}

void FormModel::userEdit(std::string_view key, std::string_view text) {
    Control& x = mut(key);
    if (x.text == text) return;
    x.text = std::string(text);
    notify(x, Property::Text);
    dispatch(On::Change, key, {});
}

void FormModel::click(std::string_view key) {
    const Control& x = c(key);
    if (x.kind == Kind::Option) setSelected(key, true);
    if (x.kind == Kind::CheckBox) setSelected(key, !x.selected);
    dispatch(On::Click, key, {});
}

void FormModel::listClick(std::string_view key, int index) {
    Control& x = mut(key);
    if (index < 0 || index >= static_cast<int>(x.items.size())) return;
    notify(x, pick(x, index));
    dispatch(On::Click, key, {.value = index});
}

void FormModel::scroll(std::string_view key, int value) {
    Control& x = mut(key);
    value = std::clamp(value, std::min(x.min, x.max), std::max(x.min, x.max));
    const Changes what = x.value == value ? Changes() : Property::Value;
    x.value = value;
    notify(x, what);
    dispatch(On::Scroll, key, {.value = value});
}

void FormModel::mouseMove(std::string_view key) { dispatch(On::MouseMove, key, {}); }

void FormModel::mouseMoveWindow() { dispatch(On::MouseMove, "", {}); }

void FormModel::tick(std::string_view key) { dispatch(On::Tick, key, {}); }

void FormModel::tabShown(std::string_view key, int page) {
    setCurrentTab(key, page);
    dispatch(On::TabShown, key, {.value = page});
}

void FormModel::menu(std::string_view key) { dispatch(On::Click, key, {}); }

void FormModel::submenu(std::string_view key) { dispatch(On::Submenu, key, {}); }

void FormModel::userFocus(std::string_view key) { focus_ = std::string(key); }

// ---- Views and declaration ----

void FormState::addView(FormView* view) const { views_.push_back(view); }

void FormState::removeView(FormView* view) const {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

Control& FormModel::add(Kind kind, std::string name, int index) {
    return add(piece(kind), std::move(name), index);
}

Control FormModel::piece(Kind kind) const {
    Control x;
    x.kind = kind;
    x.fontName = window_.font;
    x.fontSize = window_.fontSize;
    switch (kind) {
        case Kind::TextBox:
        case Kind::ListBox:
            x.backColor = Color::WindowBackground;
            x.foreColor = Color::WindowText;
            x.border = true;
            break;
        case Kind::Label: x.tabStop = false; break;
        case Kind::Shape:
        case Kind::Line:
            x.foreColor = Color::WindowText;
            x.tabStop = false;
            break;
        case Kind::Frame:
        case Kind::Picture:
        case Kind::Timer:
        case Kind::Menu: x.tabStop = false; break;
        default: break;
    }
    return x;
}

Control& FormModel::add(Control x, std::string name, int index) {
    x.name = std::move(name);
    x.index = index;
    const std::string k = x.key();
    if (byKey_.count(k)) throw std::logic_error(name_ + ": control declared twice: " + k);
    byKey_.emplace(k, controls_.size());
    controls_.push_back(std::move(x));
    return controls_.back();
}

}  // namespace morvane
