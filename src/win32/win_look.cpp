#include "win32/win_look.h"

#include <algorithm>
#include <cmath>

#include "shell/contrast.h"
#include "shell/control.h"

namespace morvane::win32 {

std::wstring wide(std::string_view s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

std::string narrow(std::wstring_view w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                        nullptr);
    return s;
}

COLORREF toColor(std::uint32_t colour) {
    if (colour == Color::ActiveTitleText) {
        // The windows use the title text as the white of the classic theme, for fields and
        // text on dark grounds. Themes with light title bars make it dark; the highlighted
        // text keeps that white in every standard theme, as in the Qt edition.
        return GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);  // &H00BBGGRR is a COLORREF
}

namespace {
std::uint32_t rgbOf(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}
}  // namespace

COLORREF readable(COLORREF fore, COLORREF back) {
    const std::uint32_t c = readableOn(rgbOf(fore), rgbOf(back));
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

std::wstring windowTextW(HWND h) {
    const int n = GetWindowTextLengthW(h);
    std::wstring w(static_cast<std::size_t>(n) + 1, L'\0');
    w.resize(static_cast<std::size_t>(std::max(0, GetWindowTextW(h, w.data(), n + 1))));
    return w;
}

HBRUSH brush(COLORREF colour) {
    static std::map<COLORREF, HBRUSH> brushes;
    HBRUSH& b = brushes[colour];
    if (!b) b = CreateSolidBrush(colour);
    return b;
}

int fontPixels(double points, UINT dpi) {
    const long at96 = std::lround((points > 0 ? points : 8.25) * 96 / 72.0);
    return std::max(1, static_cast<int>(at96 * static_cast<long>(dpi) / 96));
}

HFONT font(const std::string& face, double points, bool bold, bool underline, UINT dpi) {
    return fontOfPixels(face, fontPixels(points, dpi), bold, underline);
}

HFONT fontOfPixels(const std::string& face, int pixels, bool bold, bool underline) {
    using Look = std::tuple<std::string, int, bool, bool>;
    static std::map<Look, HFONT> fonts;
    HFONT& f = fonts[Look{face, pixels, bold, underline}];
    if (!f) {
        LOGFONTW lf{};
        lf.lfHeight = -pixels;
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = underline ? TRUE : FALSE;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = CLEARTYPE_QUALITY;
        const std::wstring name = wide(face.empty() ? std::string("MS Sans Serif") : face);
        lstrcpynW(lf.lfFaceName, name.c_str(), LF_FACESIZE);
        f = CreateFontIndirectW(&lf);
    }
    return f;
}

}  // namespace morvane::win32
