// The texts of labels, laid out and drawn with the same glyph advances.
//
// GDI measures a text in whole pixels per glyph, but TextOut and DrawText may place the
// glyphs at their finer design advances (Wine does), so that a line measured to fit runs a
// few pixels further and loses its last letter at the label's edge. Here every line is broken
// by the measured advances and drawn at exactly those advances (ExtTextOut with its dx
// array): what fits when measured is what is drawn.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace morvane::win32 {

// The lines of text in a box width pixels wide, in the font selected into dc: broken at line
// breaks and, where a line is too long, after its last blank that fits; a word longer than
// the whole line breaks where the line ends. Blanks at a break are dropped.
std::vector<std::wstring> brokenLines(HDC dc, const std::wstring& text, int width);

// The size the broken lines take: the widest line and the lines' height.
SIZE wrappedSize(HDC dc, const std::wstring& text, int width);

// The width of the widest word of text (words part at blanks and line breaks): where it is
// wider than a box, brokenLines breaks that word inside.
int widestWord(HDC dc, const std::wstring& text);

// Whether a label's text stands on one line in the label's vertical middle: the label is less
// than two lines high (external leading counted) and the text does not break within width.
bool standsOnOneLine(HDC dc, const std::wstring& text, int width, int height);

// Draws text into box in the selected font and the text colour, on no background:
// wrapped as brokenLines breaks it (starting at the top), or with `oneLine` on a single line
// in the box's vertical middle. `align` is DT_LEFT, DT_CENTER or DT_RIGHT. Clipped to box.
void drawLabelText(HDC dc, const RECT& box, const std::wstring& text, UINT align, bool oneLine);

}  // namespace morvane::win32
