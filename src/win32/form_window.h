// The window of one open form model on Windows: native controls built from the model's
// controls, the user's events forwarded to the model, every change of the model mirrored.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/binding.h"
#include "shell/form_model.h"
#include "win32/control_binders.h"
#include "win32/menu_bar.h"

namespace morvane {
class Application;
}

namespace morvane::win32 {

class FormWindow : public FormView {
public:
    FormWindow(Application& app, FormModel& model);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    FormModel& model() { return model_; }
    HWND hwnd() const { return hwnd_; }
    UINT dpi() const { return dpi_; }
    // Shows the window for the first time, with the model's focus.
    void show();
    // The model was closed: stop forwarding events and hide; the owner destroys the window.
    void detach();
    bool attached() const { return attached_; }

    // The window of a control (nullptr for menus, timers and unknown keys).
    HWND handleFor(const std::string& key) const;
    // The submenu of a menu entry; the command id of a menu entry, the timer id of a timer.
    HMENU menuFor(const std::string& key) const;
    UINT commandFor(const std::string& key) const;

    // FormView
    void controlChanged(const Control& control, Changes what) override;
    void windowChanged() override;
    void focusChanged(const std::string& key) override;

    // Registers the window classes (once).
    static void registerClasses(HINSTANCE instance);

private:
    friend struct ControlBinders;  // the binders of the kinds of controls

    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK controlProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT handle(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handleControl(HWND h, UINT msg, WPARAM wp, LPARAM lp, const std::string& key);

    void build();
    HWND create(Bound& b, const Control& c, HWND parent);
    void place(Bound& b, const Control& c);
    void apply(Bound& b, const Control& c, Changes what);
    void applyWindow();
    void applyTip(HWND h, const std::string& tip);
    void fitResult(Bound& b, const Control& c);
    void fitCaption(HWND h, const Control& c);
    RECT widened(const Control& c, HWND self, RECT r, int need, bool leftFirst) const;
    void fitButton(HWND h, const Control& c);
    HWND containerOf(const Control& c) const;
    void showPage(const std::string& tabKey);
    void paintSurface(HWND h, HDC dc);
    void paintLabel(HWND h, HDC target, const Control& c);
    void relayout();
    const std::string* keyOf(HWND h) const;
    void moveFocus(const std::string& from, bool back);
    void userEdited(const std::string& key, HWND h);
    void notified(HWND from, UINT code);
    HBRUSH colorsFor(HWND control, HDC dc);
    COLORREF pageColour(const std::string& tabKey);
    COLORREF groundOf(const Control& c, std::uint32_t back);

    Application& app_;
    FormModel& model_;
    HWND hwnd_ = nullptr;
    HWND tips_ = nullptr;
    std::unique_ptr<MenuBar> menus_;
    UINT dpi_ = 96;
    bool attached_ = true;
    int applying_ = 0;  // programmatic text changes are no user edits
    bool built_ = false;
    BoundControls<Bound> bound_;
    std::map<HWND, std::string> keys_;
    std::map<UINT, std::string> timers_;
    int lastLeft_ = -2, lastTop_ = -2;
};

}  // namespace morvane::win32
