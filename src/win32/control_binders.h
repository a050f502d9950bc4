// The kinds of controls on Windows: what the form window keeps of each control, and one
// binder for each kind, which makes the kind's native control. The binders and the table
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
    // own (menus and timers, which the window serves itself; shapes and lines, which it draws
    // on their container's surface).
    HWND (*create)(FormWindow& window, Bound& b, const Control& c, HWND parent) = nullptr;
    // The window subclasses the control to pass its keys, focus and mouse to the model; the
    // panels of frames and tab controls are of the window's own class and go without.
    bool subclassed = true;
};
const Binder& binderOf(Kind kind);

}  // namespace morvane::win32
