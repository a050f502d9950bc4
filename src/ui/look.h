// How the form models' colours, fonts, key codes and pictures look on the desktop.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <string>

class QKeyEvent;
class QPalette;

namespace morvane::ui {

// A colour as written in the window descriptions: &H8000nnnn is a role of the desktop's
// palette, &H00BBGGRR a fixed colour.
QColor toColor(std::uint32_t colour, const QPalette& palette);
QColor toColor(std::uint32_t colour);  // against the application's palette

// A font of a control: "MS Sans Serif" becomes the desktop's sans-serif font; the point
// size is kept.
QFont toFont(const std::string& face, double points, bool bold, bool underline);

// The key code a key released reaction sees: upper-case letters, digits, Enter 13, Tab 9,
// Backspace 8, arrows 37-40, Delete 46, Shift 16, comma 188, dot 190, minus 189, ...; a
// symbol typed with AltGr reports the key that carries it (€ as E). Never 0: a key without
// a code of its own reports OtherKey, so that every released key reaches the reactions.
inline constexpr int OtherKey = 223;
int keyCode(const QKeyEvent& event);

// The resource path of a picture file of resources/pictures ("" stays "").
QString picturePath(const std::string& file);

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// Texts with CR LF line breaks as the models keep them <-> as widgets show them.
QString toDisplay(const std::string& text);
std::string fromDisplay(const QString& text);

}  // namespace morvane::ui
