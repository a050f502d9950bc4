#include "widget_driver.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "ui/drawn_widgets.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/sheet_widget.h"
#include "user_input.h"

namespace morvane::gui {

using ui::fromDisplay;
using ui::qs;
using ui::ss;

namespace {
constexpr int TwipsPerPixel = 15;
constexpr int MenuWaitMs = 2000;

std::uint32_t packed(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}

struct KeyStroke {
    int qtKey;
    QString text;
};

KeyStroke strokeOf(int code) {
    switch (code) {
        case Key::Enter: return {Qt::Key_Return, QStringLiteral("\r")};
        case Key::Backspace: return {Qt::Key_Backspace, QStringLiteral("\b")};
        case Key::Delete: return {Qt::Key_Delete, QStringLiteral("\x7f")};
        case Key::Tab: return {Qt::Key_Tab, QStringLiteral("\t")};
        case ShiftTab: return {Qt::Key_Backtab, {}};
        case Key::Escape: return {Qt::Key_Escape, QStringLiteral("\x1b")};
        case Key::Left: return {Qt::Key_Left, {}};
        case Key::Right: return {Qt::Key_Right, {}};
        case Key::Up: return {Qt::Key_Up, {}};
        case Key::Down: return {Qt::Key_Down, {}};
        case Key::Home: return {Qt::Key_Home, {}};
        case Key::End: return {Qt::Key_End, {}};
        case Key::Shift: return {Qt::Key_Shift, {}};
        default: return {0, {}};
    }
}

// The key a character is typed with: its upper-case code point, as a keyboard layout
// reports it (Qt::Key_A for "a", Qt::Key_Comma for ",", 0x20AC for "€").
KeyStroke strokeOf(char32_t cp) {
    switch (cp) {
        case 8: return strokeOf(Key::Backspace);
        case 9: return strokeOf(Key::Tab);
        case 13: return strokeOf(Key::Enter);
        case 27: return strokeOf(Key::Escape);
        default: break;
    }
    return {static_cast<int>(QChar::toUpper(cp)), QString::fromUcs4(&cp, 1)};
}

bool waitFor(const std::function<bool()>& done) {
    return QTest::qWaitFor([&] { return done(); }, MenuWaitMs);
}

// The control a widget stands for: a text box for its viewport.
const QWidget& controlOf(const QWidget& w) {
    auto* area = qobject_cast<const QAbstractScrollArea*>(w.parentWidget());
    return area && area->viewport() == &w ? *area : w;
}

// The part of a widget that its window shows, in the window's coordinates: its rectangle
// cut by every container's, the window's surface last. Empty where the window is too small
// for it (a panel that only a taller window shows).
QRect shownPart(const QWidget& w) {
    QRect r = w.rect();
    for (const QWidget* p = &w; !p->isWindow() && p->parentWidget(); p = p->parentWidget())
        r = r.translated(p->pos()) & p->parentWidget()->rect();
    return r;
}

// Whether a point of the window's top widget lands on the widget (or a child of it).
bool lands(QWidget& target, QPoint inTop) {
    QWidget* top = target.window();
    QWidget* hit = top->childAt(inTop);
    return hit ? hit == &target || target.isAncestorOf(hit) : &target == top;
}
}  // namespace

WidgetDriver::WidgetDriver() {
    // A script takes no time: the windows' timers tick only when a line says `tick`.
    QObject::connect(&windows_, &ui::WindowManager::windowOpened, [this](const QString& name) {
        ui::FormWindow* w = windows_.window(ss(name));
        if (!w) return;
        for (const Control& c : w->model().controls())
            if (QTimer* t = w->timerFor(c.key())) t->blockSignals(true);
    });
}

WidgetDriver::~WidgetDriver() {
    // Menus left open by a script that ended inside them.
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

// ---- Finding widgets ----

ui::FormWindow& WidgetDriver::formWindow(const std::string& form) const {
    ui::FormWindow* w = windows_.window(form);
    if (!w || !w->attached()) throw ScriptError("window " + form + " has no window shown");
    return *w;
}

QWidget& WidgetDriver::widget(FormModel& f, const std::string& key) const {
    QWidget* w = formWindow(f.name()).widgetFor(key);
    if (!w) throw ScriptError("control " + key + " has no widget");
    return *w;
}

QPoint WidgetDriver::visiblePoint(QWidget& target, QPoint preferred) const {
    QWidget* top = target.window();
    const std::string name = ss(controlOf(target).objectName());
    if (shownPart(target).isEmpty()) throw outsideItsWindow(name);
    int x = preferred.x(), y = preferred.y();
    if (reachablePoint(target.width(), target.height(), x, y, [&](int px, int py) {
            const QPoint p(px, py);
            return target.rect().contains(p) && lands(target, target.mapTo(top, p));
        }))
        return {x, y};
    QWidget* over = top->childAt(target.mapTo(top, preferred));
    throw coveredBy(name, over ? ss(controlOf(*over).objectName()) : std::string());
}

// ---- Input ----

void WidgetDriver::activate(ui::FormWindow& w) {
    if (QApplication::activeWindow() == &w) return;
    w.raise();
    w.activateWindow();
    (void)QTest::qWaitForWindowActive(&w, 1000);
}

void WidgetDriver::mouse(Mouse action, QWidget& target, QPoint at, Qt::KeyboardModifiers mods) {
    QWidget* top = target.window();
    QWindow* window = top->windowHandle();
    if (!window) throw ScriptError("control " + ss(target.objectName()) + " is not shown");
    QPoint p = target.mapTo(top, at);
    if (p.isNull()) p = QPoint(1, 1);  // (0, 0) would mean the window's middle
    if (action != Mouse::Move && action != Mouse::Release) {
        moveMouseOnto(
            ss(controlOf(target).objectName()), [&] { return lands(target, p); },
            [&] {
                QTest::mouseMove(window, p);
                platform_.releaseAnsweringKey();
            });
    }
    switch (action) {
        case Mouse::Click: QTest::mouseClick(window, Qt::LeftButton, mods, p); break;
        case Mouse::DoubleClick: QTest::mouseDClick(window, Qt::LeftButton, mods, p); break;
        case Mouse::Press: QTest::mousePress(window, Qt::LeftButton, mods, p); break;
        case Mouse::Move: QTest::mouseMove(window, p); break;
        case Mouse::Release: QTest::mouseRelease(window, Qt::LeftButton, mods, p); break;
    }
    platform_.releaseAnsweringKey();
}

void WidgetDriver::keyEvent(QWindow* window, bool press, int qtKey, const QString& text,
                            Qt::KeyboardModifiers mods) {
    if (!window) return;
    QTest::simulateEvent(window, press, qtKey, mods, text, false);
    platform_.releaseAnsweringKey();
}

void WidgetDriver::focusTextBox(QWidget& box, bool selectAll) {
    if (auto* e = qobject_cast<QLineEdit*>(&box)) {
        const QPoint at = visiblePoint(*e, e->rect().center());
        if (selectAll) {  // a triple click
            mouse(Mouse::DoubleClick, *e, at);
            mouse(Mouse::Click, *e, at);
            if (e->selectedText() != e->text())
                throw ScriptError("the text of " + ss(e->objectName()) +
                                  " cannot be selected with the mouse");
        } else {
            mouse(Mouse::Click, *e, at);
            e->setCursorPosition(static_cast<int>(e->text().size()));
        }
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(&box)) {
        QWidget* view = m->viewport();
        auto pointAt = [&](QTextCursor::MoveOperation where) {
            QTextCursor c(m->document());
            c.movePosition(where);
            return m->cursorRect(c).center();
        };
        if (selectAll) {  // a drag from the start of the text to its end
            QScrollBar* bar = m->verticalScrollBar();
            bar->setValue(bar->minimum());
            mouse(Mouse::Press, *view, visiblePoint(*view, pointAt(QTextCursor::Start)));
            // The corner below the last line shown; the text scrolls on while it goes on.
            const QPoint corner =
                visiblePoint(*view, QPoint(view->width() - 1, view->height() - 1));
            mouse(Mouse::Move, *view, corner);
            // Then the text scrolls on to its end, as holding the mouse there does: to two
            // pages before the end in one step (a megabyte would take thousands of pages),
            // then a page at a time. A box lower than a line scrolls by no page: one line at
            // a time then. The mouse stirs at the corner after each step: a movement to where
            // it already is is no movement, and the selection would not follow the text.
            const int step = std::max(1, bar->pageStep());
            const QPoint beside = visiblePoint(*view, corner - QPoint(1, 0));
            auto stir = [&] {
                mouse(Mouse::Move, *view, beside);
                mouse(Mouse::Move, *view, corner);
            };
            if (bar->maximum() - 2 * step > bar->value()) {
                bar->setValue(bar->maximum() - 2 * step);
                stir();
            }
            while (m->textCursor().position() < m->document()->characterCount() - 1 &&
                   bar->value() < bar->maximum()) {
                bar->setValue(bar->value() + step);
                stir();
            }
            mouse(Mouse::Release, *view, corner);
            if (m->textCursor().selectedText().size() != m->document()->characterCount() - 1)
                throw ScriptError("the text of " + ss(m->objectName()) +
                                  " cannot be selected with the mouse");
        } else {
            mouse(Mouse::Click, *view, visiblePoint(*view, view->rect().center()));
            m->moveCursor(QTextCursor::End);
        }
    }
}

void WidgetDriver::focusForKeys(FormModel& f, const std::string& key) {
    ui::FormWindow& fw = formWindow(f.name());
    activate(fw);
    QWidget& w = widget(f, key);
    if (f.c(key).kind == Kind::TextBox) {
        focusTextBox(w, false);
    } else if (w.focusPolicy() != Qt::NoFocus) {
        w.setFocus(Qt::TabFocusReason);
    }
}

void WidgetDriver::settle() {
    QCoreApplication::processEvents();
    platform_.releaseAnsweringKey();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WidgetDriver::close(const std::string& form) {
    if (ui::FormWindow* w = windows_.window(form); w && w->attached()) w->close();
    settle();
}

void WidgetDriver::openMenusTo(FormModel& owner, const std::string& key, bool chooseIt) {
    ui::FormWindow& fw = formWindow(owner.name());
    QMenuBar* bar = fw.menuBar();
    if (!bar) throw ScriptError("window " + owner.name() + " has no menu bar");
    const std::vector<std::string> path = menuPath(owner, key);
    activate(fw);
    QMenu* menu = nullptr;  // the open menu that holds the next entry
    for (std::size_t i = 0; i < path.size(); ++i) {
        QAction* a = fw.actionFor(path[i]);
        if (!a || !a->isVisible() || !a->isEnabled())
            throw ScriptError("menu entry " + path[i] + " cannot be chosen");
        QWidget& holder = menu ? static_cast<QWidget&>(*menu) : static_cast<QWidget&>(*bar);
        const QRect r = menu ? menu->actionGeometry(a) : bar->actionGeometry(a);
        const bool last = i + 1 == path.size();
        if (last && !a->menu() && !chooseIt) break;  // no submenu to show: the menus close
        mouse(Mouse::Click, holder, r.center());
        if (last && !a->menu()) return;  // chosen: the menus closed, the reaction ran
        QMenu* sub = a->menu();
        if (!sub || !waitFor([&] { return sub->isVisible(); }))
            throw ScriptError("menu " + path[i] + " does not open");
        menu = sub;
    }
    // A submenu was opened to be shown: close the menus again, the innermost first.
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

void WidgetDriver::menu(FormModel& owner, const std::string& key) {
    openMenusTo(owner, key, true);
    settle();
}

void WidgetDriver::submenu(FormModel& owner, const std::string& key) {
    openMenusTo(owner, key, false);
    settle();
}

void WidgetDriver::type(FormModel& f, const std::string& key, const std::string& text,
                        bool replace) {
    ui::FormWindow& fw = formWindow(f.name());
    activate(fw);
    QWidget& w = widget(f, key);
    if (f.c(key).kind == Kind::TextBox)
        focusTextBox(w, replace);
    else
        focusForKeys(f, key);
    QPointer<ui::FormWindow> window(&fw);
    for (const std::string& ch : utf8Chars(text)) {
        if (!window || !window->attached()) break;
        const auto cps = QString::fromStdString(ch).toUcs4();
        if (cps.size() != 1 || cps.front() == 10) continue;  // a line feed comes with the CR
        const KeyStroke k = strokeOf(static_cast<char32_t>(cps.front()));
        const Qt::KeyboardModifiers mods =
            QChar::isUpper(cps.front()) ? Qt::ShiftModifier : Qt::NoModifier;
        keyEvent(window->windowHandle(), true, k.qtKey, k.text, mods);
        if (!window || !window->attached()) break;
        keyEvent(window->windowHandle(), false, k.qtKey, k.text, mods);
    }
    settle();
}

void WidgetDriver::key(FormModel& f, const std::string& key, int code) {
    focusForKeys(f, key);
    const KeyStroke k = strokeOf(code);
    QPointer<ui::FormWindow> window(&formWindow(f.name()));
    const Qt::KeyboardModifiers mods =
        code == Key::Shift || code == ShiftTab ? Qt::ShiftModifier : Qt::NoModifier;
    keyEvent(window->windowHandle(), true, k.qtKey, k.text, mods);
    // The release goes where the keyboard is now: after a Tab, the next control.
    if (window && window->attached())
        keyEvent(window->windowHandle(), false, k.qtKey, k.text, Qt::NoModifier);
    settle();
}

void WidgetDriver::hold(FormModel& f, const std::string& key, const std::string& text, int code,
                        int count) {
    if (f.c(key).kind == Kind::TextBox && !text.empty())
        focusTextBox(widget(f, key), false);
    else
        focusForKeys(f, key);
    KeyStroke k = strokeOf(code);
    Qt::KeyboardModifiers mods = code == ShiftTab ? Qt::ShiftModifier : Qt::NoModifier;
    if (const auto cps = QString::fromStdString(text).toUcs4(); cps.size() == 1) {
        k = strokeOf(static_cast<char32_t>(cps.front()));
        mods = QChar::isUpper(cps.front()) ? Qt::ShiftModifier : Qt::NoModifier;
    }
    QPointer<ui::FormWindow> window(&formWindow(f.name()));
    for (int i = 0; i < count && window && window->attached(); ++i) {
        QTest::simulateEvent(window->windowHandle(), true, k.qtKey, mods, k.text, i > 0);
        platform_.releaseAnsweringKey();
    }
    if (window && window->attached())
        keyEvent(window->windowHandle(), false, k.qtKey, k.text, mods);
    settle();
}

std::string WidgetDriver::clickAt(FormModel& f, double x, double y) {
    ui::FormWindow& fw = formWindow(f.name());
    activate(fw);
    QWidget* surface = fw.surface();
    const QPoint at(static_cast<int>(x * surface->width()),
                    static_cast<int>(y * surface->height()));
    QWidget* hit = surface->childAt(at);
    std::string key;
    for (QWidget* w = hit; w && w != surface && key.empty(); w = w->parentWidget())
        for (const Control& c : f.controls())
            if (fw.widgetFor(c.key()) == w) {
                key = c.key();
                break;
            }
    mouse(Mouse::Click, *surface, at);
    settle();
    return key;
}

void WidgetDriver::paste(FormModel& f, const std::string& key, const std::string& text) {
    activate(formWindow(f.name()));
    QWidget& w = widget(f, key);
    focusTextBox(w, true);
    QGuiApplication::clipboard()->setText(ui::toDisplay(text));
    // The box's own paste action, which a read-only box does not offer; an empty text
    // leaves nothing to paste, the selection is cut instead.
    if (auto* e = qobject_cast<QLineEdit*>(&w); e && !e->isReadOnly())
        text.empty() ? e->cut() : e->paste();
    if (auto* m = qobject_cast<QPlainTextEdit*>(&w); m && !m->isReadOnly())
        text.empty() ? m->cut() : m->paste();
    settle();
}

void WidgetDriver::click(FormModel& f, const std::string& key) {
    activate(formWindow(f.name()));
    QWidget* w = &widget(f, key);
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        QTabBar* bar = tabs->tabBar();
        mouse(Mouse::Click, *bar, visiblePoint(*bar, bar->tabRect(bar->currentIndex()).center()));
    } else if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
        // On the round or square mark: the blank room right of a short caption takes no click.
        const QPoint mark(std::min(8, w->width() / 2), w->height() / 2);
        mouse(Mouse::Click, *w, visiblePoint(*w, mark));
    } else {
        mouse(Mouse::Click, *w, visiblePoint(*w, w->rect().center()));
    }
    settle();
}

void WidgetDriver::select(FormModel& f, const std::string& key, int index) {
    activate(formWindow(f.name()));
    auto* list = qobject_cast<QListWidget*>(&widget(f, key));
    if (!list || index < 0 || index >= list->count())
        throw ScriptError("control " + key + " is no list");
    QListWidgetItem* item = list->item(index);
    list->scrollToItem(item);
    QWidget* view = list->viewport();
    mouse(Mouse::Click, *view, visiblePoint(*view, list->visualItemRect(item).center()));
    settle();
}

void WidgetDriver::scroll(FormModel& f, const std::string& key, int value) {
    activate(formWindow(f.name()));
    auto* bar = qobject_cast<QScrollBar*>(&widget(f, key));
    if (!bar) throw ScriptError("control " + key + " is no scroll bar");
    // The thumb dragged to the value and let go.
    bar->setSliderDown(true);
    bar->setSliderPosition(value);
    bar->setSliderDown(false);
    settle();
}

void WidgetDriver::tabPage(FormModel& f, const std::string& key, int page) {
    activate(formWindow(f.name()));
    auto* tabs = qobject_cast<QTabWidget*>(&widget(f, key));
    if (!tabs) throw ScriptError("control " + key + " is no tab control");
    QTabBar* bar = tabs->tabBar();
    mouse(Mouse::Click, *bar, visiblePoint(*bar, bar->tabRect(page).center()));
    settle();
}

// ---- Reading ----

bool WidgetDriver::reachable(FormModel& f, const std::string& key) {
    settle();
    QWidget& w = widget(f, key);
    return w.isEnabled() && w.isVisible() && !shownPart(w).isEmpty();
}

Control WidgetDriver::shown(FormModel& f, const std::string& key) {
    settle();
    const Kind kind = f.c(key).kind;
    ui::FormWindow& fw = formWindow(f.name());
    Control x;
    x.kind = kind;
    x.name = key;
    if (kind == Kind::Menu) {
        QAction* a = fw.actionFor(key);
        if (!a) throw ScriptError("menu entry " + key + " has no action");
        x.text = fromDisplay(a->text());
        x.visible = a->isVisible();
        x.enabled = a->isEnabled();
        x.selected = a->isChecked();
        return x;
    }
    if (kind == Kind::Timer) {
        QTimer* t = fw.timerFor(key);
        x.enabled = t && t->isActive();
        x.interval = t ? t->interval() : 0;
        return x;
    }
    QWidget& w = widget(f, key);
    QWidget* parent = w.parentWidget();
    x.visible = w.isVisibleTo(parent);
    x.enabled = w.isEnabledTo(parent);
    x.bold = w.font().bold();
    x.toolTip = fromDisplay(w.toolTip());
    const QRect g = w.geometry();
    x.left = g.x() * TwipsPerPixel;
    x.top = g.y() * TwipsPerPixel;
    x.width = g.width() * TwipsPerPixel;
    x.height = g.height() * TwipsPerPixel;
    const QPalette& p = w.palette();
    auto colours = [&](QPalette::ColorRole fore, QPalette::ColorRole back) {
        x.foreColor = packed(p.color(fore));
        x.backColor = packed(p.color(back));
    };
    colours(QPalette::WindowText, QPalette::Window);
    if (auto* e = qobject_cast<QLineEdit*>(&w)) {
        x.text = fromDisplay(e->text());
        x.readOnly = e->isReadOnly();
        x.flat = e->styleSheet().contains(QStringLiteral("solid"));
        colours(QPalette::Text, QPalette::Base);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(&w)) {
        x.text = fromDisplay(m->toPlainText());
        x.readOnly = m->isReadOnly();
        x.flat = m->frameShape() == QFrame::Box && m->frameShadow() == QFrame::Plain;
        colours(QPalette::Text, QPalette::Base);
    } else if (auto* l = qobject_cast<QLabel*>(&w)) {
        x.text = fromDisplay(l->text());
    } else if (auto* b = qobject_cast<QAbstractButton*>(&w)) {
        x.text = fromDisplay(b->text());
        x.selected = b->isChecked();
        if (kind == Kind::Command) colours(QPalette::ButtonText, QPalette::Button);
    } else if (auto* g = qobject_cast<QGroupBox*>(&w)) {
        x.text = fromDisplay(g->title());
    } else if (auto* list = qobject_cast<QListWidget*>(&w)) {
        for (int i = 0; i < list->count(); ++i)
            x.items.push_back(fromDisplay(list->item(i)->text()));
        x.listIndex = list->currentRow();
        if (x.listIndex >= 0) x.text = x.items[static_cast<std::size_t>(x.listIndex)];
        colours(QPalette::Text, QPalette::Base);
    } else if (auto* s = qobject_cast<QScrollBar*>(&w)) {
        x.value = s->value();
        x.min = s->invertedAppearance() ? s->maximum() : s->minimum();
        x.max = s->invertedAppearance() ? s->minimum() : s->maximum();
    } else if (auto* t = qobject_cast<QTabWidget*>(&w)) {
        for (int i = 0; i < t->count(); ++i) x.tabs.push_back(fromDisplay(t->tabText(i)));
        x.currentTab = t->currentIndex();
        if (x.currentTab >= 0) x.text = x.tabs[static_cast<std::size_t>(x.currentTab)];
    } else if (auto* sheet = dynamic_cast<ui::SheetWidget*>(&w)) {
        QTableWidget* table = sheet->table();
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c) {
                // Every cell of the shown range reads as it shows, an empty one as "".
                QTableWidgetItem* item = table->item(r, c);
                const QString address =
                    table->horizontalHeaderItem(c)->text() + table->verticalHeaderItem(r)->text();
                x.cells[ss(address)] = item ? ss(item->text()) : std::string();
            }
    }
    return x;
}

ShownWindow WidgetDriver::window(FormModel& f) {
    settle();
    ui::FormWindow& fw = formWindow(f.name());
    const QSize client = fw.surface()->size();
    return shownFromClient(ss(fw.windowTitle()), client.width() * TwipsPerPixel,
                           client.height() * TwipsPerPixel, fw.menuBar() != nullptr);
}

bool WidgetDriver::isOpen(const std::string& form) {
    ui::FormWindow* w = windows_.window(form);
    return w && w->attached() && w->isVisible();
}

std::string WidgetDriver::front() {
    settle();
    auto* w = qobject_cast<ui::FormWindow*>(QApplication::activeWindow());
    return w && w->attached() ? w->model().name() : std::string();
}

// A colour of the descriptions as the windows show it: a system colour as look.cpp maps it;
// a text colour may be darkened or lightened to be readable on what it is drawn on (its
// own background, its container's, or a filled shape below it).
bool WidgetDriver::sameColour(FormModel& f, const std::string& key, std::uint32_t shown,
                              std::uint32_t expected, bool text) {
    const QColor want = ui::toColor(expected);
    if (shown == packed(want)) return true;
    if (!text || f.c(key).kind == Kind::Menu || f.c(key).kind == Kind::Timer) return false;
    QWidget& w = widget(f, key);
    std::vector<QColor> under;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        under.push_back(w.palette().color(role));
    if (QWidget* parent = w.parentWidget()) {
        under.push_back(parent->palette().color(QPalette::Window));
        const QPoint middle = w.geometry().center();
        for (QObject* o : parent->children())
            if (auto* shape = dynamic_cast<ui::ShapeWidget*>(o); shape && shape->filled() &&
                                                                 shape->isVisibleTo(parent) &&
                                                                 shape->geometry().contains(middle))
                under.push_back(shape->fill());
    }
    for (const QColor& back : under)
        if (packed(ui::readableOn(want, back)) == shown) return true;
    return false;
}

}  // namespace morvane::gui
