// Pictures of the windows: the project's pictures, embedded as PNG at 100, 150 and 200 per
// cent (resource "<FILE STEM>_<percent>", e.g. THOMSON_WEIR_150), and the SVG text that a
// window draws at run time (a small subset: rect, line, path with M and L, circle, text,
// groups, rotation), drawn with GDI.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::win32 {

// Draws the picture fitted into r (aspect ratio kept); false when there is none.
bool drawPicture(HDC dc, const RECT& r, const std::string& picture, UINT dpi);
// The picture as a bitmap of w x h pixels on the background colour (for command buttons).
HBITMAP pictureBitmap(const std::string& picture, int w, int h, UINT dpi, COLORREF back);
// The resource name of a picture file at a scale: "thomson_weir.svg", 150 -> THOMSON_WEIR_150.
std::wstring pictureResource(const std::string& file, int percent);
// Draws SVG text (the subset above) fitted into r; false when it is no SVG.
bool drawSvg(HDC dc, const RECT& r, const std::string& svg);

}  // namespace morvane::win32
