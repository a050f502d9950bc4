// The table-and-chart object of a window (Kind::Sheet) drawn with GDI: the used cells as a
// table, and their curve as a line chart (see shell/sheet_data.h for what they show).
#pragma once

#include <windows.h>

#include "shell/control.h"

namespace morvane::win32 {

void drawSheet(HDC dc, const RECT& r, const Control& sheet, HFONT font, UINT dpi);

}  // namespace morvane::win32
