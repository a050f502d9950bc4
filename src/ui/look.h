// How the form models' colours, fonts, key codes and pictures look on the desktop.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cmath>
#include <cstdint>
#include <string>

#include "shell/control.h"

class QKeyEvent;
class QPalette;

namespace morvane::ui {

// A colour as written in the window descriptions: &H8000nnnn is a role of the desktop's
// palette, &H00BBGGRR a fixed colour.
QColor toColor(std::uint32_t colour, const QPalette& palette);
QColor toColor(std::uint32_t colour);  // against the application's palette

// A font of a control. Every face ("MS Sans Serif", "Arial", ...) becomes the program's
// own Liberation Sans, embedded in the program, whatever fonts the desktop has or prefers:
// it has Arial's widths, and "MS Sans Serif" is drawn a little narrower, as that face runs.
// Sizes are pixel sizes at 96 dots per inch, the resolution the twip positions assume
// (8.25 pt = 11 px, lines of 13 px; 9.75 pt = 13 px, lines of 15 px); a high-resolution
// screen scales them together with the positions.
QFont toFont(const std::string& face, double points, bool bold, bool underline);

// The family name of the program's embedded font (registered on first use).
QString programFontFamily();

// How much narrower than Liberation Sans "MS Sans Serif" runs (QFont stretch, percent).
inline constexpr int MsSansSerifStretch = 90;

// Text and background as the WCAG contrast ratio (1 to 21).
double contrast(const QColor& a, const QColor& b);
// The colour as close to fore as can be read on back: fore itself where the contrast is
// 4.5:1 or more, else fore moved towards black or white, whichever back lets stand out.
QColor readableOn(const QColor& fore, const QColor& back);
// A dark desktop palette, built like the "darker" colour scheme of qt6ct.
QPalette darkPalette();

// The key code a key released reaction sees: upper-case letters, digits, Enter 13, Tab 9,
// Backspace 8, arrows 37-40, Delete 46, Shift 16, comma 188, dot 190, minus 189, ...; a
// symbol typed with AltGr reports the key that carries it (€ as E). Never 0: a key without
// a code of its own reports OtherKey, so that every released key reaches the reactions.
inline constexpr int OtherKey = 223;
int keyCode(const QKeyEvent& event);

// Twips as pixels at 96 dots per inch.
inline int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

// The resource path of a picture file of resources/pictures ("" stays "").
QString picturePath(const std::string& file);

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// Texts with CR LF line breaks as the models keep them <-> as widgets show them.
QString toDisplay(const std::string& text);
std::string fromDisplay(const QString& text);

}  // namespace morvane::ui
