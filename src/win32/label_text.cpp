#include "win32/label_text.h"

#include <algorithm>

namespace morvane::win32 {

namespace {

int lineHeight(HDC dc) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    return tm.tmHeight;
}

// The advance of every glyph of s as the font measures it, in whole pixels.
std::vector<int> advances(HDC dc, const std::wstring& s) {
    const int n = static_cast<int>(s.size());
    std::vector<int> ends(s.size()), dx(s.size());
    if (n == 0) return dx;
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc, s.c_str(), n, 0, &fit, ends.data(), &size);
    for (std::size_t i = 0; i < s.size(); ++i) dx[i] = ends[i] - (i ? ends[i - 1] : 0);
    return dx;
}

int widthOf(HDC dc, const std::wstring& s) {
    SIZE size{};
    GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
    return size.cx;
}

void drawLine(HDC dc, const RECT& box, int y, const std::wstring& line, UINT align) {
    if (line.empty()) return;
    std::vector<int> dx = advances(dc, line);
    int width = 0;
    for (int d : dx) width += d;
    const int x = align == DT_RIGHT    ? box.right - width
                  : align == DT_CENTER ? box.left + (box.right - box.left - width) / 2
                                       : box.left;
    ExtTextOutW(dc, x, y, ETO_CLIPPED, &box, line.c_str(), static_cast<UINT>(line.size()),
                dx.data());
}

void trimBlanks(std::wstring& s) {
    while (!s.empty() && s.back() == L' ') s.pop_back();
}

}  // namespace

std::vector<std::wstring> brokenLines(HDC dc, const std::wstring& text, int width) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of(L"\r\n", start);
        std::wstring rest = text.substr(start, end == std::wstring::npos ? end : end - start);
        do {
            int fit = 0;
            SIZE size{};
            GetTextExtentExPointW(dc, rest.c_str(), static_cast<int>(rest.size()),
                                  std::max(1, width), &fit, nullptr, &size);
            if (static_cast<std::size_t>(fit) >= rest.size()) {
                lines.push_back(rest);
                break;
            }
            // After the last blank that fits (a blank just past the edge fits: it is dropped).
            std::size_t cut = rest.rfind(L' ', static_cast<std::size_t>(fit));
            std::size_t next = cut;
            if (cut == std::wstring::npos || rest.find_first_not_of(L' ') >= cut) {
                cut = next = static_cast<std::size_t>(std::max(1, fit));
            } else {
                next = rest.find_first_not_of(L' ', cut);
            }
            std::wstring line = rest.substr(0, cut);
            trimBlanks(line);
            lines.push_back(line);
            rest = next == std::wstring::npos ? std::wstring() : rest.substr(next);
        } while (!rest.empty());
        if (end == std::wstring::npos) break;
        start = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

SIZE wrappedSize(HDC dc, const std::wstring& text, int width) {
    const std::vector<std::wstring> lines = brokenLines(dc, text, width);
    LONG widest = 0;
    for (const std::wstring& line : lines) widest = std::max<LONG>(widest, widthOf(dc, line));
    return SIZE{widest, static_cast<LONG>(lines.size()) * lineHeight(dc)};
}

int widestWord(HDC dc, const std::wstring& text) {
    int widest = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of(L" \r\n", start), text.size());
        if (end > start) widest = std::max(widest, widthOf(dc, text.substr(start, end - start)));
        start = end + 1;
    }
    return widest;
}

bool standsOnOneLine(HDC dc, const std::wstring& text, int width, int height) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    // The lines are counted, not their height against the leading's: at 144 dpi a font's two
    // lines are less high than two lines with its external leading.
    return height < 2 * (tm.tmHeight + tm.tmExternalLeading) &&
           brokenLines(dc, text, width).size() <= 1;
}

void drawLabelText(HDC dc, const RECT& box, const std::wstring& text, UINT align, bool oneLine) {
    const int height = lineHeight(dc);
    const int mode = SetBkMode(dc, TRANSPARENT);
    if (oneLine) {
        std::wstring line = text;
        std::erase_if(line, [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; });
        drawLine(dc, box, box.top + (box.bottom - box.top - height) / 2, line, align);
    } else {
        int y = box.top;
        for (const std::wstring& line : brokenLines(dc, text, box.right - box.left)) {
            if (y >= box.bottom) break;
            drawLine(dc, box, y, line, align);
            y += height;
        }
    }
    SetBkMode(dc, mode);
}

}  // namespace morvane::win32
