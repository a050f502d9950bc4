// The kinds of controls on Windows: what the form window keeps of each control, and one
// binder for each kind, which makes the kind's native control, mirrors a change of the
// model's control to it and passes the user's doing on to the model. The binders and the table
// that names them are in control_binders.cpp.
#pragma once

#include <windows.h>

#include <string>

#include "shell/control.h"

namespace morvane::win32 {

class FormWindow;

// The window classes of the form window's own controls (FormWindow registers them).
inline constexpr const wchar_t* PanelClass = L"MorvanePanel";  // frames and tab controls
inline constexpr const wchar_t* PictureClass = L"MorvanePicture";
inline constexpr const wchar_t* SheetClass = L"MorvaneSheet";

// What the window keeps of one control.
struct Bound {
    HWND hwnd = nullptr;  // the control, or the panel of a frame or tab control
    HWND face = nullptr;  // the tab control inside a tab panel
    UINT id = 0;
    HBITMAP picture = nullptr;          // command buttons with a picture
    COLORREF pageColour = CLR_INVALID;  // tab controls: the colour of their pages
    std::string tip;                    // the tool tip shown
};

// What the window does with one kind of control.
struct Binder {
    // Makes the native control as a child of parent; nullptr for kinds without one of their
    // own: menus (entries of the menu bar), timers, and shapes and lines (drawn on their
    // container's surface), whose binders only mirror their changes.
    HWND (*create)(FormWindow& window, Bound& b, const Control& c, HWND parent) = nullptr;
    // Mirrors a change of the control that is the kind's own.
    void (*apply)(FormWindow& window, Bound& b, const Control& c, Changes what) = nullptr;
    // Fits the control to its text once every control stands in place.
    void (*fit)(FormWindow& window, Bound& b, const Control& c) = nullptr;
    // Passes what the control tells its parent on to the model: the notification code of a
    // WM_COMMAND, of a WM_NOTIFY (tab controls) or the request of a WM_HSCROLL (scroll bars).
    void (*notified)(FormWindow& window, const std::string& key, HWND from, UINT code) = nullptr;
    // Paints the control h, of the window's own class, into dc, whose client area is r; the
    // window paints the panels of frames and tab controls as surfaces.
    void (*paint)(FormWindow& window, HWND h, const Control& c, HDC dc, const RECT& r) = nullptr;
};
const Binder& binderOf(Kind kind);

// Changes a window's style (GWL_STYLE) and redraws it where the style changed.
void setStyle(HWND h, LONG_PTR add, LONG_PTR remove);

}  // namespace morvane::win32
