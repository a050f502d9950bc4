// morvane-layout-check [--known LIST] SCENARIO...: opens every registered window offscreen in the
// states a user reaches (at open, each tab page, each option and check box clicked, after the steps
// of every scenario file given, and with a long number in every output) and reports
//   - every visible text that does not fit its control (cut, or broken inside a word),
//   - every overlap of two texts of different controls,
//   - every control on a frame's caption or top line,
//   - every text on a background under 4.5:1 contrast,
//   - every disabled control that looks like an enabled one,
//   - every menu bar that hides entries,
// once with the default palette and once with a dark one, while the desktop's own font is a
// large one (the windows must not follow it). Exit status 1 when it finds anything that is
// not on the LIST of known findings.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextLayout>
#include <QToolButton>
#include <algorithm>
#include <iostream>
#include <map>
#include <memory>

#include "layout_findings.h"
#include "shell/application.h"
#include "ui/drawn_widgets.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/window_manager.h"

namespace morvane::ui {
namespace {

struct TextSize {
    int width = 0, height = 0;  // of the lines as drawn
    bool fitsWidth = true;      // every line within the width
};

// Lays a plain text out as a label or button draws it: paragraphs at line breaks, wrapped
// at blanks where wrap is set (a word never breaks).
TextSize layOut(const QString& text, const QFont& font, int width, bool wrap) {
    TextSize out;
    const QFontMetrics fm(font);
    const QStringList paragraphs = text.split(QChar('\n'));
    int lines = 0;
    for (const QString& para : paragraphs) {
        QTextLayout layout(para, font);
        QTextOption opt;
        opt.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout.setTextOption(opt);
        layout.beginLayout();
        for (;;) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(std::max(1, width));
            const int natural = static_cast<int>(std::ceil(line.naturalTextWidth() - 0.01));
            out.width = std::max(out.width, natural);
            if (natural > width) out.fitsWidth = false;
            ++lines;
        }
        layout.endLayout();
    }
    out.height = lines == 0 ? 0 : (lines - 1) * fm.lineSpacing() + fm.height();
    return out;
}

QRect inWindow(QWidget* w, const QRect& r) {
    return QRect(w->mapTo(w->window(), r.topLeft()), r.size());
}

std::uint32_t rgbOf(const QColor& c) { return static_cast<std::uint32_t>(c.rgb()) & 0xFFFFFFu; }

class Checker {
public:
    layout::Findings findings;

    void checkAll(Application& app, WindowManager& windows) {
        QCoreApplication::processEvents();
        for (FormModel* f : app.openForms())
            if (FormWindow* w = windows.window(f->name())) check(*w);
    }

private:
    void add(const std::string& kind, const std::string& where, const std::string& detail,
             bool perPalette = false) {
        findings.add(kind, where, detail, perPalette);
    }

    static std::string size(int w, int h) { return layout::size(w, h); }

    struct Item {
        std::string key;
        QWidget* widget;
        QRect ink;  // where its text (or its whole body) is drawn, in window coordinates
    };

    void check(FormWindow& w) {
        const std::string form = w.model().name();
        std::vector<Item> items;
        for (const Control& c : w.model().controls()) {
            QWidget* widget = w.widgetFor(c.key());
            if (!widget || !widget->isVisible()) continue;
            const std::string where = form + "." + c.key();
            QRect ink;
            checkFit(c, widget, where, ink);
            if (!ink.isEmpty()) items.push_back({c.key(), widget, inWindow(widget, ink)});
            checkColours(c, widget, where);
            if (auto* box = qobject_cast<QGroupBox*>(widget)) checkCaptionLine(form, c, box, w);
        }
        std::vector<layout::Ink> inks;
        for (const Item& i : items)
            inks.push_back(
                {i.key, {i.ink.left(), i.ink.top(), i.ink.right() + 1, i.ink.bottom() + 1}});
        layout::checkOverlaps(findings, form, inks, [&](std::size_t i, std::size_t j) {
            return items[i].widget->isAncestorOf(items[j].widget) ||
                   items[j].widget->isAncestorOf(items[i].widget);
        });
        if (QMenuBar* bar = w.menuBar()) checkMenuBar(form, bar);
    }

    // Checks that the text fits; ink is where the control draws text ("" = nothing).
    void checkFit(const Control& c, QWidget* widget, const std::string& where, QRect& ink) {
        const QFont font = widget->font();
        if (auto* l = qobject_cast<QLabel*>(widget)) {
            const QString text = l->text();
            if (text.isEmpty()) return;  // an empty framed label is a box around others
            // The indent stands on the side the text is aligned to.
            const int indent = std::max(0, l->indent());
            const bool right = l->alignment() & Qt::AlignRight;
            const QRect cr =
                l->contentsRect().adjusted(right ? 0 : indent, 0, right ? -indent : 0, 0);
            // A result (framed, right-aligned) must stand on one line.
            const bool result = c.border && c.align == Align::Right;
            const TextSize t = layOut(text, font, cr.width(), l->wordWrap() && !result);
            if (!t.fitsWidth || t.height > cr.height() + 1)
                add("abgeschnitten", where,
                    "\"" + ss(text.left(40)) + "\" braucht " + size(t.width, t.height) + ", hat " +
                        size(cr.width(), cr.height()));
            if (l->frameShape() != QFrame::NoFrame) {
                ink = l->rect();
            } else {
                QRect r(0, 0, std::min(t.width, cr.width()), std::min(t.height, cr.height()));
                const Qt::Alignment a = l->alignment();
                const int x = a & Qt::AlignRight     ? cr.right() + 1 - r.width()
                              : a & Qt::AlignHCenter ? cr.left() + (cr.width() - r.width()) / 2
                                                     : cr.left();
                const int y =
                    a & Qt::AlignVCenter ? cr.top() + (cr.height() - r.height()) / 2 : cr.top();
                ink = r.translated(x, y);
            }
            return;
        }
        if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
            const QString text = QString(b->text()).remove(QChar('&'));
            const bool push = qobject_cast<QPushButton*>(b) != nullptr;
            int room = b->width(), spare = 0;
            if (push) {
                room -= 6;
                if (!b->icon().isNull()) room -= b->iconSize().width() + 4;
                spare = 4;
            } else {
                const bool radio = qobject_cast<QRadioButton*>(b) != nullptr;
                const QStyle* s = b->style();
                room -= s->pixelMetric(
                            radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                            nullptr, b) +
                        s->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                             : QStyle::PM_CheckBoxLabelSpacing,
                                       nullptr, b);
            }
            if (text.isEmpty()) {
                if (push) ink = b->rect();
                return;
            }
            // Option buttons and check boxes break their captions onto further lines.
            const bool wraps = dynamic_cast<OptionButton*>(b) || dynamic_cast<CheckButton*>(b);
            const TextSize t = layOut(text, font, room, wraps);
            if (!t.fitsWidth || t.height > b->height() - spare + 1)
                add("abgeschnitten", where,
                    "\"" + ss(text.left(40)) + "\" braucht " + size(t.width, t.height) + ", hat " +
                        size(room, b->height() - spare));
            const int h = std::min(b->height(), t.height);
            ink = push ? b->rect()
                       : QRect(0, (b->height() - h) / 2,
                               std::min(b->width(), b->width() - room + t.width), h);
            return;
        }
        if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            const QString title = QString(box->title()).remove(QChar('&'));
            if (title.isEmpty()) return;
            const QFontMetrics fm(font);
            const int need = fm.horizontalAdvance(title) + 14;
            if (need > box->width())
                add("abgeschnitten", where,
                    "Rahmentitel \"" + ss(title.left(40)) + "\" braucht " + std::to_string(need) +
                        " px, hat " + std::to_string(box->width()));
            ink = captionLine(box).second;
            return;
        }
        if (auto* e = qobject_cast<QLineEdit*>(widget)) {
            const QFontMetrics fm(font);
            const QRect cr = e->contentsRect();
            if (cr.height() < fm.height() - 1)
                add("abgeschnitten", where,
                    "Textfeld zeigt " + std::to_string(cr.height()) + " von " +
                        std::to_string(fm.height()) + " px Zeilenhöhe");
            if ((e->isReadOnly() || !e->isEnabled()) &&
                fm.horizontalAdvance(e->text()) > cr.width() - 4)
                add("abgeschnitten", where,
                    "\"" + ss(e->text().left(40)) + "\" passt nicht in " +
                        std::to_string(cr.width()) + " px");
            ink = e->rect();
            return;
        }
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            const QFontMetrics fm(font);
            const int room = list->viewport()->width() - 6;
            for (int i = 0; i < list->count(); ++i)
                if (fm.horizontalAdvance(list->item(i)->text()) > room) {
                    add("abgeschnitten", where,
                        "Eintrag \"" + ss(list->item(i)->text().left(40)) + "\" passt nicht in " +
                            std::to_string(room) + " px");
                    break;
                }
            ink = list->rect();
            return;
        }
        if (qobject_cast<QPlainTextEdit*>(widget)) {
            ink = widget->rect();
            return;
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            QTabBar* bar = tabs->tabBar();
            for (int i = 0; i < bar->count(); ++i)
                if (bar->tabRect(i).width() < bar->fontMetrics().horizontalAdvance(
                                                  QString(bar->tabText(i)).remove(QChar('&'))) +
                                                  8 ||
                    bar->tabRect(i).right() > tabs->width())
                    add("abgeschnitten", where,
                        "Reiter \"" + ss(bar->tabText(i)) + "\" nicht ganz zu sehen");
            ink = QRect(bar->pos(), bar->size());
        }
        (void)c;
    }

    // The background a control's text is drawn on: its own, a filled shape below it, or the
    // container's.
    static QColor backgroundOf(QWidget* widget) {
        if (widget->autoFillBackground())
            return widget->palette().color(QPalette::Active, QPalette::Window);
        QWidget* child = widget;
        for (QWidget* w = widget->parentWidget(); w; child = w, w = w->parentWidget()) {
            const QObjectList& siblings = w->children();
            for (auto i = siblings.indexOf(child) - 1; i >= 0; --i) {
                auto* shape = dynamic_cast<ShapeWidget*>(siblings[i]);
                if (shape && shape->isVisible() && shape->filled() &&
                    shape->geometry().contains(child->geometry().center()))
                    return shape->fill();
            }
            if (w->autoFillBackground() || w->isWindow() || qobject_cast<QTabWidget*>(w))
                return w->palette().color(QPalette::Active, QPalette::Window);
        }
        return QApplication::palette().color(QPalette::Window);
    }

    void checkColours(const Control& c, QWidget* widget, const std::string& where) {
        QPalette::ColorRole foreRole = QPalette::WindowText, backRole = QPalette::Window;
        bool ownBack = false;
        switch (c.kind) {
            case Kind::TextBox:
            case Kind::ListBox:
                foreRole = QPalette::Text, backRole = QPalette::Base, ownBack = true;
                break;
            case Kind::Command:
                foreRole = QPalette::ButtonText, backRole = QPalette::Button, ownBack = true;
                break;
            case Kind::Label:
            case Kind::Option:
            case Kind::CheckBox:
            case Kind::Frame: break;
            default: return;
        }
        if (c.kind != Kind::TextBox && c.kind != Kind::ListBox && c.text.empty()) return;
        const QPalette& p = widget->palette();
        const QColor back = ownBack ? p.color(QPalette::Active, backRole) : backgroundOf(widget);
        const QColor fore = p.color(QPalette::Active, foreRole);
        if (widget->isEnabled()) {
            layout::checkContrast(findings, where, rgbOf(fore), rgbOf(back));
            return;
        }
        const QColor disabledBack =
            ownBack ? p.color(QPalette::Disabled, backRole) : backgroundOf(widget);
        const QColor disabledFore = p.color(QPalette::Disabled, foreRole);
        layout::checkDisabledLook(findings, where, rgbOf(fore), rgbOf(back), rgbOf(disabledFore),
                                  rgbOf(disabledBack));
    }

    // The row of a frame's top line and its caption's rectangle.
    static std::pair<int, QRect> captionLine(QGroupBox* box) {
        if (auto* frame = dynamic_cast<FrameBox*>(box))
            return {frame->lineY(), frame->captionRect()};
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = box->title();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        opt.lineWidth = 1;
        opt.textAlignment = box->alignment();
        const QStyle* s = box->style();
        const QRect frame =
            s->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxFrame, box);
        const QRect label =
            s->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
        return {frame.top(), box->title().isEmpty() ? QRect() : label};
    }

    void checkCaptionLine(const std::string& form, const Control& frame, QGroupBox* box,
                          FormWindow& w) {
        const auto [line, caption] = captionLine(box);
        for (const Control& c : w.model().controls()) {
            if (c.container != frame.key()) continue;
            QWidget* child = w.widgetFor(c.key());
            if (!child || !child->isVisible() || child->parentWidget() != box) continue;
            const QRect g = child->geometry();
            bool onLine = g.top() <= line && g.bottom() >= line;
            if (auto* drawn = dynamic_cast<FrameBox*>(box); drawn && onLine) {
                onLine = false;  // the frame leaves gaps in its line for controls on it
                for (const auto& [from, to] : drawn->topLine())
                    onLine = onLine || (from <= g.right() && to >= g.left());
            }
            if (onLine || g.intersects(caption))
                add("Rahmenlinie", form + "." + c.key(),
                    "liegt auf der Titelzeile von " + frame.key() +
                        " (Linie bei y=" + std::to_string(line) +
                        ", Steuerelement ab y=" + std::to_string(g.top()) + ")");
        }
    }

    void checkMenuBar(const std::string& form, QMenuBar* bar) {
        auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        bool hidden = more && more->isVisible();
        for (QAction* a : bar->actions()) {
            if (!a->isVisible()) continue;
            const QRect r = bar->actionGeometry(a);
            if (r.isEmpty() || r.right() >= bar->width() ||
                (more && more->isVisible() && r.intersects(more->geometry())))
                hidden = true;
        }
        if (hidden) add("Menüleiste", form, "nicht alle Einträge der Menüleiste sind zu sehen");
    }
};

// The Qt windows on the form models, each window alone or a scenario's.
class QtChecks : public layout::WindowChecks {
public:
    explicit QtChecks(Checker& checker) : checker_(checker) {}
    void begin(Application& app) override {
        windows_ = std::make_unique<WindowManager>(app, false);
    }
    void end() override {
        windows_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void checkAll(Application& app) override { checker_.checkAll(app, *windows_); }
    // Every output shows a long number, then the windows are checked once more.
    void checkLongValues(Application& app, layout::Findings& findings) override {
        WindowChecks::checkLongValues(app, findings);
        // MORVANE_LAYOUT_SHOTS=DIR keeps a picture of each window with its long values.
        const QString shots = qEnvironmentVariable("MORVANE_LAYOUT_SHOTS");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            for (FormModel* f : app.openForms())
                if (FormWindow* w = windows_->window(f->name()))
                    w->grab().save(shots + "/" + qs(f->name()) + "-" + qs(findings.variant) +
                                   ".png");
    }
    void showTab(FormModel& form, const Control& tab, int page) override {
        if (FormWindow* w = windows_->window(form.name()))
            if (auto* tabs = qobject_cast<QTabWidget*>(w->widgetFor(tab.key())))
                tabs->setCurrentIndex(page);
    }

private:
    Checker& checker_;
    std::unique_ptr<WindowManager> windows_;
};

}  // namespace
}  // namespace morvane::ui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    // A desktop with a large font of its own: the windows keep theirs.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    morvane::ui::Checker checker;
    std::vector<std::filesystem::path> scenarios;
    try {
        scenarios = morvane::layout::readArguments(checker.findings, {argv + 1, argv + argc});
    } catch (const std::runtime_error& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }
    const QPalette light = QApplication::palette();
    for (const char* name : {"hell", "dunkel"}) {
        checker.findings.variant = name;
        QApplication::setPalette(checker.findings.variant == "hell" ? light
                                                                    : morvane::ui::darkPalette());
        morvane::ui::QtChecks checks(checker);
        morvane::layout::exploreWindows(checker.findings, checks);
        morvane::layout::walkScenarios(checker.findings, checks, scenarios, std::cerr);
    }
    const int found = checker.findings.report(std::cout);
    return found == 0 ? 0 : 1;
}
