// The kinds of controls in Qt: one binder for each, and the table that names them.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "shell/binding.h"
#include "shell/sheet_data.h"
#include "ui/accessible_names.h"
#include "ui/drawn_widgets.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/sheet_widget.h"

namespace morvane::ui {

namespace {

// Gives a multi-line box a new text by replacing only the part that differs from what it
// shows: a line break added at the end of a megabyte lays out one line, not the megabyte.
void replaceChangedPart(QPlainTextEdit& box, const QString& shown, const QString& text) {
    const qsizetype most = std::min(shown.size(), text.size());
    qsizetype head = 0;
    while (head < most && shown[head] == text[head]) ++head;
    qsizetype tail = 0;
    while (tail < most - head && shown[shown.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    // A character of two UTF-16 units is replaced whole.
    if (head > 0 && shown[head - 1].isHighSurrogate()) --head;
    if (tail > 0 && shown[shown.size() - tail].isLowSurrogate()) --tail;
    QTextCursor c(box.document());
    c.setPosition(static_cast<int>(head));
    c.setPosition(static_cast<int>(shown.size() - tail), QTextCursor::KeepAnchor);
    c.insertText(text.mid(head, text.size() - head - tail));
}
// Qt wraps a word that is wider than the box by looking for its end again on every line it
// breaks, so a pasted megabyte without a blank takes minutes to lay out. A box that holds such
// a word breaks its lines anywhere; prose keeps breaking at word boundaries.
constexpr qsizetype LongestWrappedWord = 2000;

bool hasLongWord(const QString& text) {
    qsizetype run = 0;
    for (const QChar ch : text) {
        run = ch.isSpace() ? 0 : run + 1;
        if (run > LongestWrappedWord) return true;
    }
    return false;
}

void wrapFor(QPlainTextEdit& box, bool longWord) {
    QTextOption opt = box.document()->defaultTextOption();
    const auto mode =
        longWord ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (opt.wrapMode() == mode) return;
    opt.setWrapMode(mode);
    box.document()->setDefaultTextOption(opt);
}

// A multi-line box that chooses its wrapping before a paste is laid out.
class MultiLineBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (source->hasText() && hasLongWord(source->text())) wrapFor(*this, true);
        QPlainTextEdit::insertFromMimeData(source);
    }
};

Qt::Alignment horizontal(Align a) {
    switch (a) {
        case Align::Right: return Qt::AlignRight;
        case Align::Center: return Qt::AlignHCenter;
        default: return Qt::AlignLeft;
    }
}

// The cells a table's tip names ("J40, J41"); none where the tip is a text.
QStringList cellAddresses(const std::string& tip) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));  // compiled once
    QStringList out;
    for (const QString& part : qs(tip).split(separators, Qt::SkipEmptyParts)) {
        int c = 0, r = 0;
        if (!parseCellAddress(ss(part.toUpper()), c, r)) return {};
        out << part;
    }
    return out;
}
}  // namespace

// Each kind of control has its own binder: it makes the kind's widget and connects the
// widget's signals to the model's events, and it mirrors a change of the model's control to
// the widget. What every widget shares (place, font, colours, enabled, tool tip, visibility)
// FormWindow::apply() mirrors itself; the table at the end names each kind's binder.
struct FormWindow::Kinds {
    struct TextBox {
        static QWidget* create(FormWindow& window, const Control& c) {
            FormWindow* self = &window;
            const std::string key = c.key();
            QWidget* w = nullptr;
            if (c.multiLine) {
                auto* e = new MultiLineBox(window.surface_);
                e->setTabChangesFocus(true);
                e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                e->document()->setDocumentMargin(2);
                connect(e, &QPlainTextEdit::textChanged, self,
                        [self, e, key] { self->userEdited(key, e->toPlainText()); });
                w = e;
            } else {
                auto* e = new QLineEdit(window.surface_);
                connect(e, &QLineEdit::textChanged, self,
                        [self, key](const QString& t) { self->userEdited(key, t); });
                w = e;
            }
            return w;
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes what) {
            const QString text = toDisplay(c.text);
            const Qt::Alignment align = horizontal(c.align);
            if (auto* e = qobject_cast<QLineEdit*>(b.widget)) {
                if (e->text() != text) {
                    QSignalBlocker block(e);
                    e->setText(text);
                    // A text that does not fit shows its beginning, unless the user is at it.
                    if (!e->hasFocus()) e->setCursorPosition(0);
                }
                e->setReadOnly(c.readOnly);
                e->setAlignment(align | Qt::AlignVCenter);
                e->setFrame(c.border);
                // A flat text box: one plain line instead of the sunken frame.
                if (what.has(Property::Flat))
                    e->setStyleSheet(c.flat && c.border
                                         ? QStringLiteral("QLineEdit { border: 1px solid "
                                                          "palette(text); padding: 0 1px; }")
                                         : QString());
            } else if (auto* m = qobject_cast<QPlainTextEdit*>(b.widget)) {
                if (const QString shown = m->toPlainText(); shown != text) {
                    QSignalBlocker block(m);
                    // Breaking anywhere before a long word comes in, at word boundaries again
                    // only once it is gone.
                    const bool longWord = hasLongWord(text);
                    if (longWord) wrapFor(*m, true);
                    replaceChangedPart(*m, shown, text);
                    if (!longWord) wrapFor(*m, false);
                    if (m->hasFocus()) m->moveCursor(QTextCursor::End);
                }
                m->setReadOnly(c.readOnly);
                m->setVerticalScrollBarPolicy(c.scrollBar ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
                if (!c.border)
                    m->setFrameStyle(QFrame::NoFrame);
                else if (c.flat)
                    m->setFrameStyle(QFrame::Box | QFrame::Plain);
                else
                    m->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
                // A new text option lays out the whole text again: only when it changes.
                if (QTextOption opt = m->document()->defaultTextOption();
                    opt.alignment() != align) {
                    opt.setAlignment(align);
                    m->document()->setDefaultTextOption(opt);
                }
            }
        }
    };

    struct Label {
        static QWidget* create(FormWindow& window, const Control&) {
            auto* l = new QLabel(window.surface_);
            l->setTextFormat(Qt::PlainText);
            return l;
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            auto* l = static_cast<QLabel*>(b.widget);
            l->setText(toDisplay(c.text));
            if (c.border) {
                l->setFrameStyle(QFrame::Box | QFrame::Plain);
                l->setLineWidth(1);
                l->setIndent(3);
            } else {
                l->setFrameStyle(QFrame::NoFrame);
                l->setIndent(0);
            }
            // Label texts break at blanks where they do not fit, and start at the top then;
            // a text that fits on the line of a one-line label stands in its middle. A result
            // never breaks (see fitWrappedLabel).
            l->setWordWrap(!isResult(c));
            const int lineHeight = QFontMetrics(l->font()).lineSpacing();
            // A result's text is one line unless it breaks itself: no layout needed to know.
            const bool oneLine =
                px(c.height) < 2 * lineHeight &&
                (isResult(c) ? c.text.find('\n') == std::string::npos
                             : l->heightForWidth(std::max(1, px(c.width))) < 2 * lineHeight);
            l->setAlignment(horizontal(c.align) | (oneLine ? Qt::AlignVCenter : Qt::AlignTop));
            if (!namedByRecord(l)) l->setAccessibleName(toDisplay(plainCaption(c.text)));
            if (!what.all()) fit(window, l, c);
        }
        static void fit(FormWindow& window, QWidget* w, const Control& c) {
            window.fitWrappedLabel(static_cast<QLabel*>(w), c);
        }
    };

    // Option buttons and check boxes.
    struct Choice {
        static QWidget* create(FormWindow& window, const Control& c) {
            FormWindow* self = &window;
            QAbstractButton* a = nullptr;
            if (c.kind == Kind::Option) {
                auto* r = new OptionButton(window.surface_);
                QButtonGroup*& g = window.groups_[c.container + "#" + std::to_string(c.page)];
                if (!g) {
                    g = new QButtonGroup(self);
                    g->setExclusive(true);
                }
                g->addButton(r);
                a = r;
            } else {
                a = new CheckButton(window.surface_);
            }
            connect(a, &QAbstractButton::clicked, self, [self, key = c.key()] {
                if (self->attached_) self->events_.click(key);
            });
            return a;
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            auto* a = static_cast<QAbstractButton*>(b.widget);
            a->setText(toDisplay(c.text));
            if (a->isChecked() != c.selected) {
                QSignalBlocker block(a);
                QButtonGroup* g = a->group();
                if (g && !c.selected) g->setExclusive(false);
                a->setChecked(c.selected);
                if (g && !c.selected) g->setExclusive(true);
            }
            a->setAccessibleName(toDisplay(plainCaption(c.text)));
            if (!what.all()) fit(window, a, c);
        }
        static void fit(FormWindow& window, QWidget* w, const Control& c) {
            window.fitButton(static_cast<QAbstractButton*>(w), c);
        }
    };

    struct Command {
        static QWidget* create(FormWindow& window, const Control& c) {
            FormWindow* self = &window;
            auto* p = new QPushButton(window.surface_);
            p->setAutoDefault(false);
            connect(p, &QPushButton::clicked, self, [self, key = c.key()] {
                if (self->attached_) self->events_.click(key);
            });
            return p;
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes what) {
            auto* p = static_cast<QPushButton*>(b.widget);
            p->setText(toDisplay(c.text));
            if (what.has(Property::Picture)) {
                const QString path = picturePath(c.picture);
                p->setIcon(path.isEmpty() ? QIcon() : QIcon(path));
                if (!path.isEmpty()) {
                    const int side = std::max(8, std::min(px(c.width), px(c.height)) - 8);
                    p->setIconSize(QSize(side, side));
                }
            }
            p->setAccessibleName(toDisplay(plainCaption(c.text)));
        }
    };

    struct Frame {
        static QWidget* create(FormWindow& window, const Control&) {
            return new FrameBox(window.surface_);
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            static_cast<QGroupBox*>(b.widget)->setTitle(toDisplay(c.text));
            b.widget->setAccessibleName(toDisplay(plainCaption(c.text)));
            // The controls that took the frame's colour take the new one.
            if (!what.all() && what.has(Property::BackColor))
                for (const Control& child : window.state_.controls())
                    if (child.container == c.key())
                        if (QWidget* cw = window.widgetFor(child.key()))
                            window.applyColors(cw, child);
        }
    };

    struct ListBox {
        static QWidget* create(FormWindow& window, const Control& c) {
            FormWindow* self = &window;
            auto* l = new QListWidget(window.surface_);
            l->setSelectionMode(QAbstractItemView::SingleSelection);
            connect(l, &QListWidget::currentRowChanged, self, [self, key = c.key()](int row) {
                if (self->attached_ && row >= 0) self->events_.listClick(key, row);
            });
            return l;
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes what) {
            auto* l = static_cast<QListWidget*>(b.widget);
            QSignalBlocker block(l);
            if (what.has(Property::Items)) {
                l->clear();
                for (const auto& item : c.items) l->addItem(toDisplay(item));
            }
            if (l->currentRow() != c.listIndex) l->setCurrentRow(c.listIndex);
        }
    };

    struct Shape {
        static QWidget* create(FormWindow& window, const Control&) {
            return new ShapeWidget(window.surface_);
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes) {
            static_cast<ShapeWidget*>(b.widget)->setLook(
                c.shape, toColor(c.foreColor), c.borderWidth, c.filled, toColor(c.backColor));
            b.widget->setAccessibleName(QStringLiteral("Form"));
        }
    };

    struct Line {
        static QWidget* create(FormWindow& window, const Control&) {
            return new LineWidget(window.surface_);
        }
        static void apply(FormWindow&, Bound& b, const Control&, Changes) {
            b.widget->setAccessibleName(QStringLiteral("Linie"));
        }
    };

    struct Picture {
        static QWidget* create(FormWindow& window, const Control&) {
            return new PictureWidget(window.surface_);
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes) {
            auto* pic = static_cast<PictureWidget*>(b.widget);
            pic->setPicture(picturePath(c.picture));
            pic->setBorder(c.border);
            pic->setAccessibleName(c.toolTip.empty() ? qs(c.picture) : toDisplay(c.toolTip));
        }
    };

    struct HScroll {
        static QWidget* create(FormWindow& window, const Control& c) {
            FormWindow* self = &window;
            auto* s = new QScrollBar(Qt::Horizontal, window.surface_);
            connect(s, &QScrollBar::valueChanged, self, [self, key = c.key()](int v) {
                if (self->attached_) self->events_.scroll(key, v);
            });
            return s;
        }
        static void apply(FormWindow&, Bound& b, const Control& c, Changes) {
            auto* s = static_cast<QScrollBar*>(b.widget);
            QSignalBlocker block(s);
            s->setRange(std::min(c.min, c.max), std::max(c.min, c.max));
            s->setInvertedAppearance(c.min > c.max);
            s->setSingleStep(c.smallChange);
            s->setPageStep(c.largeChange);
            s->setValue(c.value);
        }
    };

    struct Tab {
        static QWidget* create(FormWindow& window, const Control& c) {
            FormWindow* self = &window;
            const std::string key = c.key();
            auto* t = new QTabWidget(window.surface_);
            t->tabBar()->setFocusPolicy(Qt::NoFocus);
            for (const std::string& caption : c.tabs) {
                auto* page = new QWidget;
                page->setAutoFillBackground(false);
                t->addTab(page, toDisplay(caption));
            }
            connect(t, &QTabWidget::currentChanged, self, [self, key](int page) {
                if (!self->attached_) return;
                self->events_.tabShown(key, page);
                self->showPage(key);
            });
            window.track(t->tabBar(), key);
            return t;
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes what) {
            auto* t = static_cast<QTabWidget*>(b.widget);
            for (int i = 0; i < t->count() && i < static_cast<int>(c.tabs.size()); ++i)
                t->setTabText(i, toDisplay(c.tabs[static_cast<std::size_t>(i)]));
            if (t->currentIndex() != c.currentTab && c.currentTab >= 0 &&
                c.currentTab < t->count()) {
                QSignalBlocker block(t);
                t->setCurrentIndex(c.currentTab);
            }
            if (!what.all() && what.has(Property::CurrentTab)) window.showPage(c.key());
        }
    };

    struct Sheet {
        static QWidget* create(FormWindow& window, const Control&) {
            return new SheetWidget(window.surface_);
        }
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes) {
            // A tip that names cells marks them instead of standing as a tip.
            const QStringList hi = cellAddresses(c.toolTip);
            if (hi.isEmpty()) b.widget->setToolTip(toDisplay(c.toolTip));
            static_cast<SheetWidget*>(b.widget)->setCells(
                [&state = window.state_, key = c.key()]() -> const SheetWidget::Cells& {
                    return state.c(key).cells;
                },
                hi);
        }
    };

    struct Timer {
        static void apply(FormWindow& window, Bound& b, const Control& c, Changes) {
            if (!b.timer) return;
            const bool run = window.attached_ && c.enabled && c.interval > 0;
            if (!run) {
                b.timer->stop();
            } else if (!b.timer->isActive() || b.timer->interval() != c.interval) {
                b.timer->start(c.interval);
            }
        }
    };

    struct Menu {
        static void apply(FormWindow&, Bound& b, const Control& c, Changes) {
            QAction* a = b.menu ? b.menu->menuAction() : b.action;
            if (!a) return;
            a->setText(toDisplay(c.text));
            a->setVisible(c.visible);
            a->setEnabled(c.enabled);
        }
    };
};

const FormWindow::Binder& FormWindow::binderOf(Kind kind) {
    using K = Kinds;
    // kind: makes its widget, mirrors a change, fits it to its text, clicked by mouse
    static const std::pair<Kind, Binder> binders[] = {
        {Kind::TextBox, {K::TextBox::create, K::TextBox::apply}},
        {Kind::Label, {K::Label::create, K::Label::apply, K::Label::fit, true}},
        {Kind::Option, {K::Choice::create, K::Choice::apply, K::Choice::fit}},
        {Kind::CheckBox, {K::Choice::create, K::Choice::apply, K::Choice::fit}},
        {Kind::Command, {K::Command::create, K::Command::apply}},
        {Kind::Frame, {K::Frame::create, K::Frame::apply}},
        {Kind::ListBox, {K::ListBox::create, K::ListBox::apply}},
        {Kind::Shape, {K::Shape::create, K::Shape::apply}},
        {Kind::Line, {K::Line::create, K::Line::apply}},
        {Kind::Picture, {K::Picture::create, K::Picture::apply, nullptr, true}},
        {Kind::HScroll, {K::HScroll::create, K::HScroll::apply}},
        {Kind::Timer, {nullptr, K::Timer::apply}},
        {Kind::Tab, {K::Tab::create, K::Tab::apply}},
        {Kind::Menu, {nullptr, K::Menu::apply}},
        {Kind::Sheet, {K::Sheet::create, K::Sheet::apply}},
    };
    return binderIn(binders, kind);
}

}  // namespace morvane::ui
