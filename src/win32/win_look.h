// How the form models' texts, colours, fonts and positions look on Windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace morvane::win32 {

// UTF-8 (the core) <-> UTF-16 (the W functions).
std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The whole text of a window or control (GetWindowText).
std::wstring windowTextW(HWND h);
inline std::string windowText(HWND h) { return narrow(windowTextW(h)); }

// Twips to pixels at a window's DPI: 15 twips make one pixel at 96 dpi.
inline int px(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// A colour as written in the window descriptions: &H800000nn is the system colour nn
// (GetSysColor), &H00BBGGRR a fixed one.
COLORREF toColor(std::uint32_t colour);
// The colour as close to fore as can be read on back (4.5:1).
COLORREF readable(COLORREF fore, COLORREF back);

// Brushes and fonts that live as long as the program: one per colour and per look.
HBRUSH brush(COLORREF colour);
// The pixel height of a font of the given points at dpi: its height at 96 dpi grown by
// dpi/96 and rounded down, so that no text grows faster than the boxes laid out for it.
int fontPixels(double points, UINT dpi);
HFONT font(const std::string& face, double points, bool bold, bool underline, UINT dpi);
// The same face, pixels high.
HFONT fontOfPixels(const std::string& face, int pixels, bool bold, bool underline);

}  // namespace morvane::win32
