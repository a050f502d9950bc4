#include "ui/accessible_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "shell/record.h"
#include "ui/form_window.h"
#include "ui/look.h"

namespace morvane::ui {

namespace {
// Set on widgets whose accessible name comes from a record row, so that the window does not
// give them their own text as name again.
const char* const NamedProperty = "morvaneNamed";
const char* const OutputProperty = "morvaneOutput";

// An output label: static text named by its caption, with its shown value as value and as
// readable text.
class OutputAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit OutputAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return label()->accessibleName().isEmpty() ? label()->text()
                                                           : label()->accessibleName();
            case QAccessible::Value: return label()->text();
            case QAccessible::Description: return label()->accessibleDescription();
            default: return QAccessibleWidget::text(t);
        }
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Read-only text without a caret or selection of its own.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return label()->text().mid(start, std::max(0, end - start));
    }
    int characterCount() const override { return static_cast<int>(label()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* accessibleRoles(const QString& className, QObject* object) {
    if (className == QLatin1String("morvane::ui::FormWindow") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("QLabel") && object->property(OutputProperty).toBool())
        return new OutputAccessible(static_cast<QLabel*>(object));
    return nullptr;
}
}  // namespace

void installAccessibleRoles() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(accessibleRoles);
}

AccessibleNames::AccessibleNames(FormWindow& window)
    : QObject(&window), window_(window), model_(window.model()) {
    installAccessibleRoles();
    FormModel& model = window_.model();
    for (const RecordRow& row : model.recordRows()) {
        if (!model.has(row.field) || model.c(row.field).kind != Kind::Label) continue;
        QWidget* w = window_.widgetFor(row.field);
        if (!w) continue;
        w->setProperty(OutputProperty, true);
        // An interface made while the window was built is the plain label's: made anew.
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(w);
        if (made && !dynamic_cast<OutputAccessible*>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    for (const RecordRow& row : model.recordRows()) name(row);
    model.addView(this);
    registered_ = true;
}

AccessibleNames::~AccessibleNames() {
    if (registered_) model_.removeView(this);
}

void AccessibleNames::name(const RecordRow& row) {
    const FormModel& model = window_.model();
    if (!model.has(row.field)) return;
    const Control& field = model.c(row.field);
    QWidget* w = window_.widgetFor(row.field);
    if (!w || field.kind == Kind::Option) return;  // an option is called by its own caption
    const RecordLine line = describeRow(model, row);
    QString name = qs(line.caption);
    if (name.isEmpty()) name = qs(recordText(field.toolTip));
    if (name.isEmpty()) name = qs(line.unit);
    w->setProperty(NamedProperty, true);
    if (w->accessibleName() != name) w->setAccessibleName(name);
    if (w->accessibleDescription() != qs(line.unit)) w->setAccessibleDescription(qs(line.unit));
    if (row.caption.empty()) return;
    // A label that shows "&" would show it as a mnemonic once it has a buddy.
    auto* caption = qobject_cast<QLabel*>(window_.widgetFor(row.caption));
    if (caption && !caption->buddy() && !caption->text().contains(QChar('&'))) caption->setBuddy(w);
}

void AccessibleNames::controlChanged(const Control& control, Changes) {
    if (!window_.attached()) return;
    const std::string key = control.key();
    for (const RecordRow& row : window_.model().recordRows())
        if (row.field == key || row.caption == key || row.unit == key || row.column == key)
            name(row);
}

bool namedByRecord(const QWidget* w) { return w->property(NamedProperty).toBool(); }

}  // namespace morvane::ui
