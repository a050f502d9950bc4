#include "ui/copy_support.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextDocumentFragment>
#include <memory>

namespace morvane::ui {

namespace {

void toClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

// The widget that owns the text: a scroll area for its viewport.
QWidget* textOwner(QWidget* w) {
    if (!w) return nullptr;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget());
        area && area->viewport() == w)
        return area;
    return w;
}

// Labels and read-only text boxes offer copying; an editable box copies as Qt does it.
bool offersCopy(QWidget* w) {
    if (qobject_cast<QLabel*>(w)) return true;
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->isReadOnly();
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->isReadOnly();
    return false;
}

// Copies the selection, or the whole text where nothing is selected.
bool copyFrom(QWidget* w) {
    if (!offersCopy(w)) return false;
    if (auto* l = qobject_cast<QLabel*>(w)) {
        toClipboard(l->hasSelectedText() ? l->selectedText() : l->text());
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        toClipboard(e->hasSelectedText() ? e->selectedText() : e->text());
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        const QTextCursor c = m->textCursor();
        toClipboard(c.hasSelection() ? c.selection().toPlainText() : m->toPlainText());
    }
    return true;
}

void selectAll(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        l->setSelection(0, static_cast<int>(l->text().size()));
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->selectAll();
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        m->selectAll();
}

class CopyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        QWidget* w = textOwner(static_cast<QWidget*>(watched));
        if (event->type() == QEvent::ContextMenu) {
            std::unique_ptr<QMenu> menu(copyMenuFor(w));
            if (!menu) return false;  // an editable box: Qt's own menu
            menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return copyFrom(w);
        return false;
    }
};

CopyFilter* filter() {
    static QPointer<CopyFilter> f;
    if (!f) f = new CopyFilter(qApp);
    return f;
}

}  // namespace

bool isOutputLabel(const QString& name, bool link) {
    return !link && name.startsWith(QStringLiteral("lbl"), Qt::CaseInsensitive);
}

void makeCopyable(QLabel* label) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::ClickFocus);  // Ctrl+C after a click; Tab passes it by
    label->installEventFilter(filter());
}

void offerCopyMenu(QWidget* textBox) {
    textBox->installEventFilter(filter());
    if (auto* area = qobject_cast<QAbstractScrollArea*>(textBox))
        area->viewport()->installEventFilter(filter());
}

QMenu* copyMenuFor(QWidget* widget) {
    QWidget* w = textOwner(widget);
    if (!offersCopy(w)) return nullptr;
    auto* menu = new QMenu(w);
    QPointer<QWidget> target(w);
    QAction* copy = menu->addAction(QStringLiteral("Kopieren"), menu, [target] {
        if (target) copyFrom(target);
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);  // shown in the menu; Ctrl+C is the widget's
    QAction* all = menu->addAction(QStringLiteral("Alles auswählen"), menu, [target] {
        if (target) selectAll(target);
    });
    all->setShortcut(QKeySequence::SelectAll);
    all->setShortcutContext(Qt::WidgetShortcut);
    return menu;
}

}  // namespace morvane::ui
