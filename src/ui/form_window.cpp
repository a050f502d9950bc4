#include "ui/form_window.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "shell/application.h"
#include "shell/record.h"
#include "ui/accessible_names.h"
#include "ui/copy_support.h"
#include "ui/drawn_widgets.h"
#include "ui/key_owner.h"
#include "ui/look.h"
#include "ui/record_actions.h"

namespace morvane::ui {

namespace {
const char* const KeyProperty = "morvaneKey";

// Where a control draws, in its parent: a label without frame only where its text stands.
QRect inkOf(QWidget* w) {
    auto* l = qobject_cast<QLabel*>(w);
    if (!l || l->frameShape() != QFrame::NoFrame) return w->geometry();
    if (l->text().isEmpty()) return {};
    const QRect r = l->geometry();
    const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text =
        QFontMetrics(l->font()).boundingRect(QRect(0, 0, r.width(), r.height()), flags, l->text());
    return text.intersected(QRect(0, 0, r.width(), r.height())).translated(r.topLeft());
}

QColor blendTo(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace

FormWindow::FormWindow(Application& app, FormModel& model)
    : QWidget(nullptr), app_(app), model_(model), state_(model), events_(model) {
    setObjectName(qs(model.name()));
    setAttribute(Qt::WA_DeleteOnClose, false);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    surface_ = new QWidget(this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setAccessibleName(qs(model.window().title));
    layout_->addWidget(surface_);
    surface_->setMouseTracking(true);
    surface_->installEventFilter(this);
    KeyOwner::install();
    build();
    state_.addView(this);
    new AccessibleNames(*this);
    if (hasRecord(model_)) new RecordActions(*this);
}

FormWindow::~FormWindow() {
    if (attached_) state_.removeView(this);
}

void FormWindow::detach() {
    if (!attached_) return;
    attached_ = false;
    state_.removeView(this);
    for (auto& [key, b] : bound_)
        if (b.timer) b.timer->stop();
    hide();
}

QWidget* FormWindow::widgetFor(const std::string& key) const {
    const Bound* b = bound_.find(key);
    return b ? b->widget : nullptr;
}

QAction* FormWindow::actionFor(const std::string& key) const {
    const Bound* b = bound_.find(key);
    if (!b) return nullptr;
    return b->menu ? b->menu->menuAction() : b->action;
}

QTimer* FormWindow::timerFor(const std::string& key) const {
    const Bound* b = bound_.find(key);
    return b ? b->timer : nullptr;
}

// ---- Building ----

void FormWindow::build() {
    for (const Control& c : state_.controls()) bound_[c.key()];
    if (state_.hasMenu()) buildMenus();
    // Containers first, so that every child finds its parent.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Control& c : state_.controls()) {
            if ((pass == 0) != isContainer(c.kind) || c.kind == Kind::Menu) continue;
            Bound& b = bound_[c.key()];
            if (c.kind == Kind::Timer) {
                b.timer = new QTimer(this);
                b.timer->setObjectName(qs(c.key()));
                connect(b.timer, &QTimer::timeout, this, [this, k = c.key()] {
                    if (attached_) events_.tick(k);
                });
            } else {
                b.widget = create(c);
            }
        }
    }
    for (const Control& c : state_.controls()) {
        Bound& b = bound_[c.key()];
        if (b.widget) {
            b.widget->setParent(containerOf(c));
            track(b.widget, c.key());
        }
    }
    for (const Control& c : state_.controls()) apply(bound_[c.key()], c, Changes::everything());
    // Stacking: drawn controls below windowed ones, each group in declaration order.
    for (const Control& c : state_.controls())
        if (QWidget* w = bound_[c.key()].widget; w && !windowed(c.kind)) w->raise();
    for (const Control& c : state_.controls())
        if (QWidget* w = bound_[c.key()].widget; w && windowed(c.kind)) w->raise();
    for (const Control& c : state_.controls())
        if (c.kind == Kind::Tab) showPage(c.key());
    applyTabOrder();
    applyWindow();
    for (const Control& c : state_.controls())
        if (const auto fit = binderOf(c.kind).fit) fit(*this, widgetFor(c.key()), c);
    if (!state_.focus().empty()) focusChanged(state_.focus());
}

// Labels fit their texts into their room. A result (a framed, right-aligned label) shows
// its whole number on one line, never wrapped, cut or elided: where it is wider than its
// label, the label grows to the left into the free room before it (the digits keep their
// right edge), then to the right; only where the row has no room left, its font runs
// smaller until every digit is shown (a number too long for any window, such as a
// velocity of 10^130 m/s, then shows the whole number at full size as its tool tip). A wrapped
// caption that needs more lines than its label holds takes the free room below the label when the
// whole text fits there, before the next control and the container's edge.
void FormWindow::fitWrappedLabel(QLabel* l, const Control& c) {
    if (!l) return;
    const int designed = std::max(0, px(c.height));
    QRect r(px(c.left), px(c.top), std::max(0, px(c.width)), designed);
    if (isResult(c)) {
        QFont f = toFont(c.fontName, c.fontSize, c.bold, c.underline);
        const QString text = l->text();
        auto need = [&](const QFont& font) {
            return QFontMetrics(font).horizontalAdvance(text) + 2 * l->frameWidth() + l->indent() +
                   2;
        };
        if (need(f) > r.width()) r = widened(c, r, need(f), true);
        // The number's line, too, stands whole in the label.
        const int lineRoom = r.height() - 2 * l->frameWidth() + 1;
        while ((need(f) > r.width() || QFontMetrics(f).height() > lineRoom) && f.pixelSize() > 1)
            f.setPixelSize(f.pixelSize() - 1);
        // A number made small to fit shows itself at full size when the mouse rests on it.
        const int full = toFont(c.fontName, c.fontSize, c.bold, c.underline).pixelSize();
        l->setToolTip(c.toolTip.empty() && f.pixelSize() < full ? text : toDisplay(c.toolTip));
        if (l->font() != f) l->setFont(f);
        if (l->geometry() != r) l->setGeometry(r);
        return;
    }
    const int need = l->wordWrap() ? l->heightForWidth(r.width()) : -1;
    if (need > designed) {
        QWidget* parent = l->parentWidget();
        int limit = parent == surface_ ? surface_->minimumHeight() : parent->height();
        for (QObject* o : parent->children()) {
            auto* sibling = qobject_cast<QWidget*>(o);
            if (!sibling || sibling == l || sibling->property(KeyProperty).isNull()) continue;
            const QRect g = sibling->geometry();
            if (g.right() >= r.left() && g.left() <= r.right() && g.top() >= r.bottom())
                limit = std::min(limit, g.top() - 1);
        }
        if (need <= limit - r.top()) r.setHeight(need);  // never a line cut in half
    }
    if (l->geometry() != r) l->setGeometry(r);
    // A caption that finds no room for its text runs up to 3 px smaller.
    const QFont full = toFont(c.fontName, c.fontSize, c.bold, c.underline);
    QFont f = full;
    auto fits = [&] {
        const QFontMetrics fm(f);
        const int width = l->contentsRect().width() - std::max(0, l->indent());
        static const QRegularExpression blanks(QStringLiteral("\\s+"));  // compiled once
        for (const QString& word : l->text().split(blanks, Qt::SkipEmptyParts))
            if (fm.horizontalAdvance(word) > width) return false;
        return !l->wordWrap() || l->heightForWidth(r.width()) <= r.height() + 1;
    };
    if (l->font() != f) l->setFont(f);
    while (!fits() && f.pixelSize() > full.pixelSize() - 3) {
        f.setPixelSize(f.pixelSize() - 1);
        l->setFont(f);
    }
    if (!fits() && l->font() != full) l->setFont(full);
}

// An option button or check box whose caption is wider than the control breaks it onto
// further lines where the control is tall enough, else takes the free room to its right.
void FormWindow::fitButton(QAbstractButton* b, const Control& c) {
    if (!b) return;
    QRect r(px(c.left), px(c.top), std::max(0, px(c.width)), std::max(0, px(c.height)));
    const int need = b->sizeHint().width();
    bool wordsFit = true;
    // A caption that breaks onto the lines the control holds needs no more room.
    if (need > r.width() &&
        (wrappedCaptionHeight(b, r.width(), &wordsFit) > r.height() + 1 || !wordsFit))
        r = widened(c, r, need, false);
    if (b->geometry() != r) b->setGeometry(r);
}

// The room a control may grow into along its row: up to the next text or control of the
// same container page and the container's edge (lines and shapes do not stop it).
QRect FormWindow::widened(const Control& c, QRect r, int need, bool leftFirst) const {
    QWidget* self = widgetFor(c.key());
    QWidget* parent = self ? self->parentWidget() : nullptr;
    if (!parent) return r;
    const int edge = parent == surface_ ? 0 : 3;
    int leftLimit = edge,
        rightLimit = (parent == surface_ ? surface_->minimumWidth() : parent->width()) - 1 - edge;
    for (const Control& o : state_.controls()) {
        if (o.key() == c.key() || o.container != c.container || o.page != c.page || !o.visible ||
            o.kind == Kind::Line || o.kind == Kind::Shape)
            continue;
        QWidget* w = widgetFor(o.key());
        if (!w || w->parentWidget() != parent) continue;
        // The ink lies within the box: a box outside the row needs no measuring.
        const QRect box = w->geometry();
        if (box.bottom() < r.top() || box.top() > r.bottom()) continue;
        const QRect g = inkOf(w);
        if (g.isEmpty() || g.bottom() < r.top() || g.top() > r.bottom()) continue;
        if (g.right() < r.left())
            leftLimit = std::max(leftLimit, g.right() + 3);
        else if (g.left() > r.right())
            rightLimit = std::min(rightLimit, g.left() - 3);
    }
    int grow = need - r.width();
    for (int side = 0; side < 2 && grow > 0; ++side) {
        if ((side == 0) == leftFirst) {
            const int take = std::clamp(r.left() - leftLimit, 0, grow);
            r.setLeft(r.left() - take), grow -= take;
        } else {
            const int take = std::clamp(rightLimit - r.right(), 0, grow);
            r.setRight(r.right() + take), grow -= take;
        }
    }
    return r;
}

void FormWindow::buildMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    menuBar_->setNativeMenuBar(false);
    // Menus in the program's own font, like the windows: a larger desktop font would push
    // entries of the bar out of sight.
    const QFont menuFont = toFont("MS Sans Serif", 8.25, false, false);
    menuBar_->setFont(menuFont);
    layout_->setMenuBar(menuBar_);
    for (const Control& c : state_.controls()) {
        if (c.kind != Kind::Menu) continue;
        const std::string key = c.key();
        Bound& b = bound_[key];
        QWidget* parent = menuBar_;
        if (!c.parentMenu.empty()) {
            const Bound* up = bound_.find(c.parentMenu);
            if (!up || !up->menu) continue;
            parent = up->menu;
        }
        if (state_.hasSubmenu(key)) {
            b.menu = new QMenu(toDisplay(c.text), parent);
            b.menu->setFont(menuFont);
            b.menu->setObjectName(qs(key));
            b.menu->menuAction()->setObjectName(qs(key));
            b.menu->setMouseTracking(true);
            if (auto* bar = qobject_cast<QMenuBar*>(parent))
                bar->addMenu(b.menu);
            else
                static_cast<QMenu*>(parent)->addMenu(b.menu);
            connect(b.menu, &QMenu::aboutToShow, this, [this, key] {
                if (attached_) events_.submenu(key);
            });
        } else {
            b.action = new QAction(toDisplay(c.text), parent);
            b.action->setObjectName(qs(key));
            parent->addAction(b.action);
            connect(b.action, &QAction::triggered, this, [this, key] {
                if (attached_) events_.menu(key);
            });
        }
    }
}

QWidget* FormWindow::create(const Control& c) {
    const Binder& binder = binderOf(c.kind);
    if (!binder.create) return nullptr;
    QWidget* w = binder.create(*this, c);
    w->setObjectName(qs(c.key()));
    if (takesKeys(c.kind))
        w->setFocusPolicy(Qt::StrongFocus);
    else if (c.kind != Kind::Sheet)  // a table takes the focus for copying
        w->setFocusPolicy(Qt::NoFocus);
    // What the user may copy: an output label's text, a text box's.
    if (c.kind == Kind::Label && isOutputLabel(qs(c.name), c.handCursor))
        makeCopyable(static_cast<QLabel*>(w));
    if (c.kind == Kind::TextBox) offerCopyMenu(w);
    return w;
}

void FormWindow::track(QWidget* w, const std::string& key) {
    w->setProperty(KeyProperty, qs(key));
    w->setMouseTracking(true);
    w->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
        area->viewport()->setProperty(KeyProperty, qs(key));
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(this);
    }
}

QWidget* FormWindow::containerOf(const Control& c) const {
    if (c.container.empty()) return surface_;
    const Bound* box = bound_.find(c.container);
    if (!box || !box->widget) return surface_;
    return box->widget;  // a frame, or a tab control (its pages are shown by hand)
}

// relative to it; only those of the shown page are visible.
void FormWindow::showPage(const std::string& tabKey) {
    for (const Control& c : state_.controls()) {
        if (c.container != tabKey || c.page < 0) continue;
        if (QWidget* w = widgetFor(c.key())) {
            w->setVisible(c.visible && state_.shownOnPage(c));
            w->raise();
        }
    }
}

// ---- Mirroring the model ----

// A control's colours as its palette. A text always stays readable on what it is drawn on:
// where a fixed colour meets one of the desktop's (a dark desktop's light window text on a
// window's fixed light yellow), the text moves towards black or white until it stands out
// 4.5:1. Active and inactive windows look alike; a disabled control keeps the desktop's
// greyed text where its colours are the desktop's, else its text half way to its background.
void FormWindow::applyColors(QWidget* w, const Control& c) {
    QPalette p = w->palette();
    const QPalette base = QApplication::palette();
    const QColor back = toColor(c.backColor, base), fore = toColor(c.foreColor, base);
    const bool desktop = Color::isSystem(c.foreColor) && Color::isSystem(c.backColor);
    // A desktop's text colour that has to give way on a fixed background becomes plain black
    // or white; a fixed text colour keeps its hue as far as it can.
    auto readable = [&c](const QColor& text, const QColor& on) {
        if (!Color::isSystem(c.foreColor) || contrast(text, on) >= 4.5) return readableOn(text, on);
        return contrast(Qt::black, on) >= contrast(Qt::white, on) ? QColor(Qt::black)
                                                                  : QColor(Qt::white);
    };
    auto set = [&p](QPalette::ColorRole role, const QColor& colour) {
        p.setColor(QPalette::Active, role, colour);
        p.setColor(QPalette::Inactive, role, colour);
    };
    auto greyed = [&](QPalette::ColorRole role, const QColor& text, const QColor& on) {
        p.setColor(QPalette::Disabled, role,
                   desktop ? base.color(QPalette::Disabled, role) : blendTo(text, on, 0.55));
    };
    switch (c.kind) {
        case Kind::TextBox:
        case Kind::ListBox: {
            set(QPalette::Base, back);
            p.setColor(QPalette::Disabled, QPalette::Base,
                       Color::isSystem(c.backColor) ? base.color(QPalette::Disabled, QPalette::Base)
                                                    : back);
            const QColor text = readable(fore, back);
            set(QPalette::Text, text);
            greyed(QPalette::Text, text, p.color(QPalette::Disabled, QPalette::Base));
            break;
        }
        case Kind::Command: {
            if (c.backColor != Color::ButtonFace)
                for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                    p.setColor(g, QPalette::Button, back);
            const QColor face = p.color(QPalette::Active, QPalette::Button);
            if (c.foreColor != Color::ButtonText || c.backColor != Color::ButtonFace) {
                const QColor text = readable(fore, face);
                set(QPalette::ButtonText, text);
                greyed(QPalette::ButtonText, text, face);
            }
            break;
        }
        case Kind::Label:
        case Kind::Option:
        case Kind::CheckBox:
        case Kind::Frame: {
            for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                p.setColor(g, QPalette::Window, back);
            // A background like the container's is left to the container, which the style
            // may draw in its own way (group boxes, tab pages).
            const bool fills = !c.transparent && back != toColor(state_.containerBack(c), base);
            w->setAutoFillBackground(fills);
            const QColor under = textBackground(c, back, fills);
            const QColor text = readable(fore, under);
            set(QPalette::WindowText, text);
            greyed(QPalette::WindowText, text, under);
            break;
        }
        default: return;
    }
    w->setPalette(p);
}

// What a control's text is drawn on: its own background, a filled shape below it, or its
// container's background.
QColor FormWindow::textBackground(const Control& c, const QColor& own, bool fills) const {
    if (fills) return own;
    const QPalette base = QApplication::palette();
    const int cx = c.left + c.width / 2, cy = c.top + c.height / 2;
    const Control* under = nullptr;
    for (const Control& o : state_.controls()) {
        if (&o == &c || o.key() == c.key()) {
            if (!windowed(c.kind)) break;  // drawn controls lie above the shapes before them
            continue;
        }
        if (o.kind == Kind::Shape && o.filled && o.visible && o.container == c.container &&
            o.page == c.page && cx >= o.left && cx <= o.left + o.width && cy >= o.top &&
            cy <= o.top + o.height)
            under = &o;
    }
    return toColor(under ? under->backColor : state_.containerBack(c), base);
}

// The desktop's palette changed (a dark theme chosen while the program runs): every colour
// that follows the desktop is taken anew.
void FormWindow::restyle() {
    for (const Control& c : state_.controls()) {
        QWidget* w = widgetFor(c.key());
        if (!w) continue;
        applyColors(w, c);
        if (c.kind == Kind::Shape)
            static_cast<ShapeWidget*>(w)->setLook(c.shape, toColor(c.foreColor), c.borderWidth,
                                                  c.filled, toColor(c.backColor));
        if (c.kind == Kind::Line) place(bound_[c.key()], c);
    }
    applyWindow();
}

void FormWindow::changeEvent(QEvent* event) {
    // The window's own palette is the desktop's: it changes with the desktop's theme.
    const auto t = event->type();
    if (t == QEvent::ApplicationPaletteChange || t == QEvent::PaletteChange) restyle();
    QWidget::changeEvent(event);
}

void FormWindow::place(Bound& b, const Control& c) {
    QWidget* w = b.widget;
    if (!w) return;
    if (c.kind == Kind::Line) {
        static_cast<LineWidget*>(w)->setEnds(QPoint(px(c.left), px(c.top)),
                                             QPoint(px(c.width), px(c.height)),
                                             toColor(c.foreColor), c.borderWidth);
        return;
    }
    w->setGeometry(px(c.left), px(c.top), std::max(0, px(c.width)), std::max(0, px(c.height)));
}

void FormWindow::apply(Bound& b, const Control& c, Changes what) {
    const Binder& binder = binderOf(c.kind);
    if (c.kind == Kind::Menu || c.kind == Kind::Timer) {
        binder.apply(*this, b, c, what);
        return;
    }
    QWidget* w = b.widget;
    if (!w) return;
    const bool fresh = what.all();

    // A line's colour and width are part of where it stands (see place).
    if (what.any(Property::Geometry | Property::ForeColor)) place(b, c);
    if (what.has(Property::Font)) w->setFont(toFont(c.fontName, c.fontSize, c.bold, c.underline));
    if (what.any(Property::BackColor | Property::ForeColor)) applyColors(w, c);
    if (what.has(Property::Enabled)) w->setEnabled(c.enabled);
    if (what.has(Property::ToolTip) && c.kind != Kind::Sheet) w->setToolTip(toDisplay(c.toolTip));
    if (fresh) {
        if (c.handCursor)
            w->setCursor(Qt::PointingHandCursor);
        else
            w->unsetCursor();
    }
    if (what.has(Property::TabStop) && takesKeys(c.kind))
        w->setFocusPolicy(c.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    binder.apply(*this, b, c, what);
    if (what.has(Property::Visible)) w->setVisible(c.visible && state_.shownOnPage(c));
    if (!fresh && what.any(Property::Visible | Property::Enabled | Property::TabStop))
        applyTabOrder();
}

void FormWindow::applyTabOrder() {
    const auto keys = state_.tabOrder();
    if (keys == lastTabOrder_) return;
    lastTabOrder_ = keys;
    QWidget* prev = nullptr;
    for (const auto& k : keys) {
        QWidget* w = widgetFor(k);
        if (!w) continue;
        if (prev) QWidget::setTabOrder(prev, w);
        prev = w;
    }
}

void FormWindow::applyWindow() {
    const WindowProps& wp = state_.window();
    setWindowTitle(qs(wp.title));
    surface_->setAccessibleName(qs(wp.title));
    surface_->setFixedSize(std::max(1, px(state_.clientWidth())),
                           std::max(0, px(state_.clientHeight())));
    if (wp.backColor != lastBack_) {
        const bool again = lastBack_ != 0xFFFFFFFFu;
        lastBack_ = wp.backColor;
        if (again)  // controls that took the window's colour may stand out now, or no more
            for (const Control& c : state_.controls())
                if (QWidget* w = widgetFor(c.key())) applyColors(w, c);
    }
    QPalette p = surface_->palette();
    p.setColor(QPalette::Window, toColor(wp.backColor));
    surface_->setPalette(p);
    surface_->setAutoFillBackground(true);
    if (!wp.icon.empty()) {
        const QString path = picturePath(wp.icon);
        setWindowIcon(QIcon(path));
    }
    if ((wp.left != lastLeft_ || wp.top != lastTop_) && wp.left >= 0 && wp.top >= 0)
        move(px(wp.left), px(wp.top));
    lastLeft_ = wp.left, lastTop_ = wp.top;
}

void FormWindow::controlChanged(const Control& control, Changes what) {
    if (Bound* b = bound_.find(control.key())) apply(*b, control, what);
}

void FormWindow::windowChanged() { applyWindow(); }

void FormWindow::focusChanged(const std::string& key) {
    if (QWidget* w = widgetFor(key); w && w->focusPolicy() != Qt::NoFocus) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

// ---- The user's events ----

void FormWindow::userEdited(const std::string& key, const QString& displayText) {
    if (!attached_ || !state_.has(key)) return;
    const std::string text = fromDisplay(displayText);
    if (state_.c(key).text == text) return;
    events_.userEdit(key, text);
}

bool FormWindow::onKeyPress(const std::string& key, QWidget* w, QKeyEvent* e) {
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab || e->key() == Qt::Key_Delete)
        return false;
    // A focused command button answers Enter as it answers Space, once per press.
    if (auto* button = qobject_cast<QPushButton*>(w);
        button && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        if (!e->isAutoRepeat()) button->click();
        return true;
    }
    const auto chars = e->text().toUcs4();
    if (chars.size() != 1) return false;
    const int character = static_cast<int>(chars.front());
    if (character == 127) return false;
    QPointer<QWidget> guard(w);
    const int kept = events_.keyPress(key, character);
    if (!attached_ || !guard) return true;
    if (kept == 0) return true;
    if (kept == character) return false;
    // A reaction replaced the character: insert its own instead.
    const char32_t replaced = static_cast<char32_t>(kept);
    const QString insert = QString::fromUcs4(&replaced, 1);
    if (auto* le = qobject_cast<QLineEdit*>(w); le && !le->isReadOnly()) {
        if (kept == 8)
            le->backspace();
        else if (kept >= 32)
            le->insert(insert);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(w); m && !m->isReadOnly()) {
        if (kept == 13)
            m->insertPlainText(QStringLiteral("\n"));
        else if (kept >= 32)
            m->insertPlainText(insert);
    }
    return true;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!attached_) {
        const auto t = event->type();
        return t == QEvent::KeyPress || t == QEvent::KeyRelease;
    }
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w) return false;
    const std::string key = ss(w->property(KeyProperty).toString());
    switch (event->type()) {
        case QEvent::MouseMove:
            if (w == surface_)
                events_.mouseMoveWindow();
            else if (!key.empty())
                events_.mouseMove(key);
            return false;
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(event);
            if (key.empty() || m->button() != Qt::LeftButton || !w->rect().contains(m->pos()))
                return false;
            if (binderOf(state_.c(key).kind).clickedByMouse) events_.click(key);
            return false;
        }
        case QEvent::KeyPress:
            if (key.empty() || !takesKeys(state_.c(key).kind)) return false;
            return onKeyPress(key, w, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(event);
            if (key.empty() || k->isAutoRepeat() || !takesKeys(state_.c(key).kind)) return false;
            const int code = keyCode(*k);
            if (code == Key::Tab) {
                // A Tab's release belongs to the control the Tab moved the focus to.
                QWidget* f = QApplication::focusWidget();
                const std::string to = f && f != w && f->window() == this
                                           ? ss(f->property(KeyProperty).toString())
                                           : std::string();
                if (!to.empty() && takesKeys(state_.c(to).kind)) {
                    events_.keyUp(to, code);
                    return true;
                }
            }
            events_.keyUp(key, code);
            return !attached_;
        }
        case QEvent::FocusIn: {
            if (key.empty()) return false;
            // The field that receives the focus when the window opens is selected as a
            // Tab selects it, so that the first key replaces the design text.
            if (std::exchange(firstFocus_, false) &&
                static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
                if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
            // Output labels take the focus for copying; the form knows nothing of it.
            if (takesKeys(state_.c(key).kind) && state_.focus() != key) events_.userFocus(key);
            return false;
        }
        default: return false;
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (attached_) app_.close(state_.name());
}

}  // namespace morvane::ui
