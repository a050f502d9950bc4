// The table-and-chart object of a window (Kind::Sheet): the used cells as a table, a child
// window of the sheet's with scroll bars of its own, and their curve as a line chart drawn
// with GDI (see shell/sheet_data.h for what they show).
//
// The table scrolls by whole rows and columns, its head row and head column staying in
// place: by its scroll bars, by the mouse wheel over it, and by the arrow keys, Page Up and
// Page Down, Home and End once a click gave it the focus; Tab gives the focus back.
#pragma once

#include <windows.h>

#include "shell/control.h"

namespace morvane::win32 {

// Draws the sheet's window: its chart, with the table in its place. The table follows the
// sheet whenever the sheet is drawn (its cells, font, DPI and place); the first drawing
// makes it.
void drawSheet(HWND sheet, HDC dc, const RECT& r, const Control& c, HFONT font, UINT dpi);

// The table window of a sheet's window; nullptr before the sheet is first drawn.
HWND sheetTable(HWND sheet);
// Where a row of the table's cells (from 0, the first used row) shows in the table window's
// client area, cut to the part of it that shows; empty when it is scrolled away.
RECT sheetRowRect(HWND table, int row);
// The same for a column of cells (from 0, the first used column).
RECT sheetColumnRect(HWND table, int column);

// The wheel turns the table under the mouse, as in the Qt edition, wherever the focus is:
// a wheel message for another window of the thread goes to the table under its point when
// that table can scroll that way.
void wheelToTable(MSG& m);

}  // namespace morvane::win32
