// The window of one open form model: builds Qt widgets from the model's controls, forwards
// the user's events to the model and mirrors every change of the model back.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "shell/binding.h"
#include "shell/form_model.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QAction;
class QTimer;
class QVBoxLayout;

namespace morvane {
class Application;
}

namespace morvane::ui {

class FormWindow : public QWidget, public FormView {
    Q_OBJECT
public:
    FormWindow(Application& app, FormModel& model);
    ~FormWindow() override;

    FormModel& model() { return model_; }
    // The model was closed: stop forwarding events and hide; the owner deletes the window.
    void detach();
    bool attached() const { return attached_; }

    // The widget of a control (nullptr for menus, timers and unknown keys).
    QWidget* widgetFor(const std::string& key) const;
    QAction* actionFor(const std::string& key) const;
    QTimer* timerFor(const std::string& key) const;
    QMenuBar* menuBar() const { return menuBar_; }
    // The client area: the window without its menu bar.
    QWidget* surface() const { return surface_; }

    // FormView
    void controlChanged(const Control& control, Changes what) override;
    void windowChanged() override;
    void focusChanged(const std::string& key) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Bound {
        QWidget* widget = nullptr;
        QAction* action = nullptr;
        QMenu* menu = nullptr;
        QTimer* timer = nullptr;
    };

    void build();
    void buildMenus();
    QWidget* create(const Control& c);
    void place(Bound& b, const Control& c);
    void apply(Bound& b, const Control& c, Changes what);
    void applyColors(QWidget* w, const Control& c);
    void fitWrappedLabel(QLabel* label, const Control& c);
    void fitButton(QAbstractButton* button, const Control& c);
    QRect widened(const Control& c, QRect r, int need, bool leftFirst) const;
    QColor textBackground(const Control& c, const QColor& own, bool fills) const;
    void restyle();
    void applyTabOrder();
    void applyWindow();
    void track(QWidget* w, const std::string& key);
    QWidget* containerOf(const Control& c) const;
    void showPage(const std::string& tabKey);
    bool onKeyPress(const std::string& key, QWidget* w, QKeyEvent* e);
    void userEdited(const std::string& key, const QString& displayText);

    // What the window does with one kind of control; the binders and their table are in
    // control_binders.cpp.
    struct Binder {
        // Makes the widget and connects its signals to the model's events; nullptr for
        // kinds without a widget (menus and timers, which the window makes itself).
        QWidget* (*create)(FormWindow& window, const Control& c);
        // Mirrors a change of the control that is the kind's own.
        void (*apply)(FormWindow& window, Bound& b, const Control& c, Changes what);
        // Fits the widget to its text once every control stands in place.
        void (*fit)(FormWindow& window, QWidget* w, const Control& c) = nullptr;
        bool clickedByMouse = false;  // a left click on the widget is the control's click
    };
    struct Kinds;
    static const Binder& binderOf(Kind kind);

    Application& app_;
    FormModel& model_;
    const FormState& state_;  // what the window reads and observes
    FormEvents& events_;      // where it sends the user's events
    bool attached_ = true;
    bool firstFocus_ = true;  // no control has had the focus yet
    QVBoxLayout* layout_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QWidget* surface_ = nullptr;
    BoundControls<Bound> bound_;
    std::map<std::string, QButtonGroup*> groups_;
    std::vector<std::string> lastTabOrder_;
    int lastLeft_ = -2, lastTop_ = -2;
    std::uint32_t lastBack_ = 0xFFFFFFFFu;
};

}  // namespace morvane::ui
