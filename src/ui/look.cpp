#include "ui/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "shell/contrast.h"

namespace morvane::ui {

QColor toColor(std::uint32_t colour, const QPalette& p) {
    if ((colour & 0x80000000u) == 0)
        return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                      static_cast<int>((colour >> 16) & 0xFF));
    switch (colour & 0xFF) {
        case 0x00: return p.color(QPalette::Mid);              // scroll bars
        case 0x01: return p.color(QPalette::Dark);             // desktop
        case 0x02: return p.color(QPalette::Highlight);        // active title
        case 0x03: return p.color(QPalette::Mid);              // inactive title
        case 0x04: return p.color(QPalette::Window);           // menu background
        case 0x05: return p.color(QPalette::Base);             // window background
        case 0x06: return p.color(QPalette::Shadow);           // window frame
        case 0x07: return p.color(QPalette::WindowText);       // menu text
        case 0x08: return p.color(QPalette::Text);             // window text
        case 0x09: return p.color(QPalette::HighlightedText);  // active title text
        case 0x0A:                                             // active border
        case 0x0B: return p.color(QPalette::Window);           // inactive border
        case 0x0C: return p.color(QPalette::Dark);             // application workspace
        case 0x0D: return p.color(QPalette::Highlight);
        case 0x0E: return p.color(QPalette::HighlightedText);
        case 0x0F: return p.color(QPalette::Window);                    // button face
        case 0x10: return p.color(QPalette::Dark);                      // button shadow
        case 0x11: return p.color(QPalette::Disabled, QPalette::Text);  // grey text
        case 0x12: return p.color(QPalette::ButtonText);
        case 0x13:                                      // button highlight, as the windows use it
        case 0x14: return p.color(QPalette::Light);     // 3D highlight
        case 0x15: return p.color(QPalette::Shadow);    // 3D dark shadow
        case 0x16: return p.color(QPalette::Midlight);  // 3D light
        case 0x17: return p.color(QPalette::ToolTipText);
        case 0x18: return p.color(QPalette::ToolTipBase);
        default: return p.color(QPalette::Window);
    }
}

QColor toColor(std::uint32_t colour) { return toColor(colour, QApplication::palette()); }

QString programFontFamily() {
    static const QString family = [] {
        QString name;
        for (const char* file :
             {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (name.isEmpty() && !families.isEmpty()) name = families.front();
        }
        if (name.isEmpty()) {
            qWarning("morvane: the embedded font cannot be loaded");
            name = QStringLiteral("Liberation Sans");
        }
        return name;
    }();
    return family;
}

QFont toFont(const std::string& face, double points, bool bold, bool underline) {
    QFont f(programFontFamily());
    f.setStyleHint(QFont::SansSerif);
    // No face of the desktop takes the place of the embedded one (fontconfig would
    // otherwise substitute its preferred sans-serif face for a family it aliases).
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferMatch));
    f.setPixelSize(
        std::max(1, static_cast<int>(std::lround((points > 0 ? points : 8.25) * 96.0 / 72.0))));
    if (face.rfind("Arial", 0) != 0) f.setStretch(MsSansSerifStretch);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

namespace {
std::uint32_t rgbOf(const QColor& c) { return static_cast<std::uint32_t>(c.rgb()) & 0xFFFFFFu; }
}  // namespace

double contrast(const QColor& a, const QColor& b) { return contrastRatio(rgbOf(a), rgbOf(b)); }

QColor readableOn(const QColor& fore, const QColor& back) {
    return QColor::fromRgb(static_cast<QRgb>(morvane::readableOn(rgbOf(fore), rgbOf(back))));
}

QPalette darkPalette() {
    QPalette p;
    auto set = [&p](QPalette::ColorRole role, const char* active, const char* disabled) {
        for (auto group : {QPalette::Active, QPalette::Inactive})
            p.setColor(group, role, QColor(QString::fromLatin1(active)));
        p.setColor(QPalette::Disabled, role, QColor(QString::fromLatin1(disabled)));
    };
    set(QPalette::WindowText, "#dcdcdc", "#6f6f6f");
    set(QPalette::Button, "#424245", "#3a3a3d");
    set(QPalette::Light, "#979797", "#979797");
    set(QPalette::Midlight, "#5e5c64", "#5e5c64");
    set(QPalette::Dark, "#29292c", "#29292c");
    set(QPalette::Mid, "#4a4a4f", "#4a4a4f");
    set(QPalette::Text, "#dcdcdc", "#6f6f6f");
    set(QPalette::BrightText, "#dcdcdc", "#dcdcdc");
    set(QPalette::ButtonText, "#dcdcdc", "#6f6f6f");
    set(QPalette::Base, "#2a2a2d", "#323235");
    set(QPalette::Window, "#323235", "#323235");
    set(QPalette::Shadow, "#000000", "#000000");
    set(QPalette::Highlight, "#12608a", "#12608a");
    set(QPalette::HighlightedText, "#f9f9f9", "#6f6f6f");
    set(QPalette::Link, "#0986d3", "#0986d3");
    set(QPalette::LinkVisited, "#a70b06", "#a70b06");
    set(QPalette::AlternateBase, "#323235", "#323235");
    set(QPalette::ToolTipBase, "#3f3f36", "#3f3f36");
    set(QPalette::ToolTipText, "#d5d5d5", "#d5d5d5");
    set(QPalette::PlaceholderText, "#80dcdcdc", "#806f6f6f");
    return p;
}

int keyCode(const QKeyEvent& e) {
    const int k = e.key();
    const bool keypad = e.modifiers() & Qt::KeypadModifier;
    if (keypad && k >= Qt::Key_0 && k <= Qt::Key_9) return 96 + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;  // upper-case ASCII
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Pause: return 19;
        case Qt::Key_CapsLock: return 20;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        case Qt::Key_Asterisk: return keypad ? 106 : 187;
        case Qt::Key_Plus: return keypad ? 107 : 187;
        case Qt::Key_Minus: return keypad ? 109 : 189;
        case Qt::Key_Comma: return keypad ? 110 : 188;
        case Qt::Key_Period: return keypad ? 110 : 190;
        case Qt::Key_Slash: return keypad ? 111 : 55;
        // The keys of a German keyboard, reported by the key that carries the symbol.
        case Qt::Key_Semicolon: return 188;
        case Qt::Key_Colon: return 190;
        case Qt::Key_Underscore: return 189;
        case Qt::Key_Exclam: return '1';
        case Qt::Key_QuoteDbl: return '2';
        case Qt::Key_section: return '3';
        case Qt::Key_Dollar: return '4';
        case Qt::Key_Percent: return '5';
        case Qt::Key_Ampersand: return '6';
        case Qt::Key_ParenLeft: return '8';
        case Qt::Key_ParenRight: return '9';
        case Qt::Key_Equal: return '0';
        case Qt::Key_ssharp:
        case Qt::Key_Question: return 219;
        case Qt::Key_Udiaeresis: return 186;
        case Qt::Key_Odiaeresis: return 192;
        case Qt::Key_Adiaeresis: return 222;
        case Qt::Key_NumberSign:
        case Qt::Key_Apostrophe: return 191;
        case Qt::Key_Less:
        case Qt::Key_Greater:
        case Qt::Key_Bar: return 226;
        case Qt::Key_AsciiCircum:
        case Qt::Key_degree:
        case Qt::Key_Dead_Circumflex: return 220;
        case Qt::Key_QuoteLeft:
        case Qt::Key_acute:
        case Qt::Key_Dead_Acute:
        case Qt::Key_Dead_Grave: return 221;
        // AltGr symbols of a German keyboard: the code of the key that carries them.
        case 0x20AC: return 'E';  // €, which Qt reports by its character
        case Qt::Key_At: return 'Q';
        case Qt::Key_mu: return 'M';
        case Qt::Key_twosuperior: return '2';
        case Qt::Key_threesuperior: return '3';
        case Qt::Key_BraceLeft: return '7';
        case Qt::Key_BracketLeft: return '8';
        case Qt::Key_BracketRight: return '9';
        case Qt::Key_BraceRight: return '0';
        case Qt::Key_Backslash: return 219;
        case Qt::Key_AsciiTilde: return 187;
        case Qt::Key_AltGr: return 18;
        case Qt::Key_Clear: return 12;
        case Qt::Key_Print: return 44;
        case Qt::Key_Meta:
        case Qt::Key_Super_L: return 91;
        case Qt::Key_Super_R: return 92;
        case Qt::Key_Menu: return 93;
        case Qt::Key_NumLock: return 144;
        case Qt::Key_ScrollLock: return 145;
        default: break;
    }
    // Any other key: the letter or digit it types, else the code of a miscellaneous key.
    const QString t = e.text().toUpper();
    if (t.size() == 1 &&
        ((t[0] >= QChar('A') && t[0] <= QChar('Z')) || (t[0] >= QChar('0') && t[0] <= QChar('9'))))
        return t[0].unicode();
    return OtherKey;
}

QString picturePath(const std::string& file) {
    if (file.empty()) return {};
    // A window may draw its picture itself and hand over the SVG text.
    if (file.front() == ':' || file.front() == '/' || file.front() == '<') return qs(file);
    return QStringLiteral(":/pictures/") + qs(file);
}

QString toDisplay(const std::string& text) {
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

std::string fromDisplay(const QString& text) {
    QString s = text;
    s.replace(QChar('\n'), QStringLiteral("\r\n"));
    return ss(s);
}

}  // namespace morvane::ui
