#include "win32/pictures.h"

#include <objbase.h>
#include <shlwapi.h>
#include <wincodec.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "win32/win_look.h"

namespace morvane::win32 {

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<unsigned char> bgra;  // premultiplied, top-down
};

// Decodes an embedded PNG with the Windows Imaging Component.
std::shared_ptr<Image> decode(const std::wstring& name) {
    static std::map<std::wstring, std::shared_ptr<Image>> cache;
    auto found = cache.find(name);
    if (found != cache.end()) return found->second;
    std::shared_ptr<Image> img;
    HRSRC res = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL data = res ? LoadResource(nullptr, res) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (bytes) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IWICImagingFactory* factory = nullptr;
        IStream* stream =
            SHCreateMemStream(static_cast<const BYTE*>(bytes), SizeofResource(nullptr, res));
        IWICBitmapDecoder* decoder = nullptr;
        IWICBitmapFrameDecode* frame = nullptr;
        IWICFormatConverter* conv = nullptr;
        if (stream &&
            SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&factory))) &&
            SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr,
                                                       WICDecodeMetadataCacheOnDemand, &decoder)) &&
            SUCCEEDED(decoder->GetFrame(0, &frame)) &&
            SUCCEEDED(factory->CreateFormatConverter(&conv)) &&
            SUCCEEDED(conv->Initialize(frame, GUID_WICPixelFormat32bppPBGRA,
                                       WICBitmapDitherTypeNone, nullptr, 0,
                                       WICBitmapPaletteTypeCustom))) {
            UINT w = 0, h = 0;
            conv->GetSize(&w, &h);
            auto out = std::make_shared<Image>();
            out->width = static_cast<int>(w), out->height = static_cast<int>(h);
            out->bgra.resize(static_cast<std::size_t>(w) * h * 4);
            if (SUCCEEDED(conv->CopyPixels(nullptr, w * 4, static_cast<UINT>(out->bgra.size()),
                                           out->bgra.data())))
                img = out;
        }
        if (conv) conv->Release();
        if (frame) frame->Release();
        if (decoder) decoder->Release();
        if (factory) factory->Release();
        if (stream) stream->Release();
    }
    cache[name] = img;
    return img;
}

RECT fitted(const RECT& target, int w, int h) {
    const int tw = target.right - target.left, th = target.bottom - target.top;
    if (w <= 0 || h <= 0 || tw <= 0 || th <= 0) return target;
    const double s = std::min(static_cast<double>(tw) / w, static_cast<double>(th) / h);
    const int fw = static_cast<int>(std::lround(w * s)), fh = static_cast<int>(std::lround(h * s));
    RECT r{target.left + (tw - fw) / 2, target.top + (th - fh) / 2, 0, 0};
    r.right = r.left + fw, r.bottom = r.top + fh;
    return r;
}

bool drawImage(HDC dc, const RECT& r, const Image& img) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = img.width;
    bi.bmiHeader.biHeight = -img.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) return false;
    std::copy(img.bgra.begin(), img.bgra.end(), static_cast<unsigned char*>(bits));
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bmp);
    const RECT f = fitted(r, img.width, img.height);
    SetStretchBltMode(dc, HALFTONE);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, f.left, f.top, f.right - f.left, f.bottom - f.top, mem, 0, 0, img.width,
               img.height, blend);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    return true;
}

// ---- The SVG subset ----

struct Element {
    std::string name;
    std::map<std::string, std::string> attr;
    std::string text;
    bool closing = false;
};

std::string unescape(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities)
        for (std::size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + 1))
            s.replace(p, std::string(from).size(), to);
    return s;
}

std::vector<Element> parse(const std::string& s) {
    std::vector<Element> out;
    std::size_t i = 0;
    while ((i = s.find('<', i)) != std::string::npos) {
        const std::size_t end = s.find('>', i);
        if (end == std::string::npos) break;
        std::string tag = s.substr(i + 1, end - i - 1);
        i = end + 1;
        if (tag.empty() || tag[0] == '?' || tag[0] == '!') continue;
        Element e;
        if (tag[0] == '/') {
            e.closing = true;
            e.name = tag.substr(1);
            out.push_back(e);
            continue;
        }
        const bool selfClosing = tag.back() == '/';
        if (selfClosing) tag.pop_back();
        std::size_t p = 0;
        while (p < tag.size() && !std::isspace(static_cast<unsigned char>(tag[p]))) ++p;
        e.name = tag.substr(0, p);
        while (p < tag.size()) {
            while (p < tag.size() && std::isspace(static_cast<unsigned char>(tag[p]))) ++p;
            const std::size_t eq = tag.find('=', p);
            if (eq == std::string::npos) break;
            const std::string name = tag.substr(p, eq - p);
            const char quote = eq + 1 < tag.size() ? tag[eq + 1] : '"';
            const std::size_t close = tag.find(quote, eq + 2);
            if (close == std::string::npos) break;
            e.attr[name] = unescape(tag.substr(eq + 2, close - eq - 2));
            p = close + 1;
        }
        if (e.name == "text" && !selfClosing) {
            const std::size_t stop = s.find("</text>", i);
            if (stop == std::string::npos) break;
            e.text = unescape(s.substr(i, stop - i));
            i = stop + 7;
            out.push_back(e);
            continue;
        }
        out.push_back(e);
        if (selfClosing && e.name == "g") out.push_back(Element{"g", {}, {}, true});
    }
    return out;
}

double number(const std::string& s, double fallback = 0) {
    double v = fallback;
    const char* b = s.data();
    while (*b == ' ') ++b;
    std::from_chars(b, s.data() + s.size(), v);
    return v;
}

bool colour(const std::string& s, COLORREF& out) {
    if (s.size() == 7 && s[0] == '#') {
        const unsigned v = static_cast<unsigned>(std::stoul(s.substr(1), nullptr, 16));
        out = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
        return true;
    }
    if (s == "black") return out = RGB(0, 0, 0), true;
    if (s == "white") return out = RGB(255, 255, 255), true;
    if (s == "red") return out = RGB(255, 0, 0), true;
    return false;
}

struct Style {
    std::string fill = "#000000", stroke = "none";
    double strokeWidth = 1, fontSize = 16;
    std::string fontFamily = "Arial", fontWeight = "normal", anchor = "start", dash;
};

Style inherit(Style s, const Element& e) {
    auto take = [&](const char* name, std::string& into) {
        auto it = e.attr.find(name);
        if (it != e.attr.end()) into = it->second;
    };
    take("fill", s.fill);
    take("stroke", s.stroke);
    take("font-family", s.fontFamily);
    take("font-weight", s.fontWeight);
    take("text-anchor", s.anchor);
    take("stroke-dasharray", s.dash);
    if (auto it = e.attr.find("stroke-width"); it != e.attr.end())
        s.strokeWidth = number(it->second, 1);
    if (auto it = e.attr.find("font-size"); it != e.attr.end()) s.fontSize = number(it->second, 16);
    return s;
}

class SvgPainter {
public:
    SvgPainter(HDC dc, double scale, double dx, double dy)
        : dc_(dc), scale_(scale), dx_(dx), dy_(dy) {}

    double x(double v) const { return dx_ + v * scale_; }
    double y(double v) const { return dy_ + v * scale_; }

    HPEN pen(const Style& s) const {
        COLORREF c = 0;
        if (!colour(s.stroke, c)) return static_cast<HPEN>(GetStockObject(NULL_PEN));
        const DWORD width = static_cast<DWORD>(std::max(1L, std::lround(s.strokeWidth * scale_)));
        LOGBRUSH lb{BS_SOLID, c, 0};
        std::vector<DWORD> dashes;
        if (!s.dash.empty()) {
            std::string d = s.dash;
            std::replace(d.begin(), d.end(), ',', ' ');
            for (std::size_t p = 0; p < d.size();) {
                while (p < d.size() && d[p] == ' ') ++p;
                if (p >= d.size()) break;
                const std::size_t q = d.find(' ', p);
                dashes.push_back(static_cast<DWORD>(
                    std::max(1L, std::lround(number(d.substr(p, q - p)) * scale_))));
                p = q == std::string::npos ? d.size() : q;
            }
        }
        const DWORD style = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_ROUND |
                            (dashes.empty() ? PS_SOLID : PS_USERSTYLE);
        return ExtCreatePen(style, width, &lb, static_cast<DWORD>(dashes.size()),
                            dashes.empty() ? nullptr : dashes.data());
    }

    void draw(const Element& e, const Style& s, const SIZE& canvas) {
        COLORREF fill = 0;
        const bool filled = colour(s.fill, fill);
        HPEN p = pen(s);
        HGDIOBJ oldPen = SelectObject(dc_, p);
        HGDIOBJ oldBrush = SelectObject(dc_, filled ? brush(fill) : GetStockObject(NULL_BRUSH));
        auto a = [&](const char* n, double fb = 0) {
            auto it = e.attr.find(n);
            return it == e.attr.end() ? fb : number(it->second, fb);
        };
        auto length = [&](const char* n, double whole) {
            auto it = e.attr.find(n);
            if (it == e.attr.end()) return 0.0;
            if (!it->second.empty() && it->second.back() == '%')
                return whole * number(it->second) / 100;
            return number(it->second);
        };
        auto pt = [&](double vx, double vy) {
            return POINT{static_cast<LONG>(std::lround(x(vx))),
                         static_cast<LONG>(std::lround(y(vy)))};
        };
        if (e.name == "rect") {
            const POINT a0 = pt(a("x"), a("y"));
            const POINT a1 =
                pt(a("x") + length("width", canvas.cx), a("y") + length("height", canvas.cy));
            Rectangle(dc_, a0.x, a0.y, a1.x + 1, a1.y + 1);
        } else if (e.name == "line") {
            const POINT a0 = pt(a("x1"), a("y1")), a1 = pt(a("x2"), a("y2"));
            MoveToEx(dc_, a0.x, a0.y, nullptr);
            LineTo(dc_, a1.x, a1.y);
        } else if (e.name == "circle") {
            const POINT c = pt(a("cx"), a("cy"));
            const int r = static_cast<int>(std::lround(a("r") * scale_));
            Ellipse(dc_, c.x - r, c.y - r, c.x + r + 1, c.y + r + 1);
        } else if (e.name == "path") {
            auto it = e.attr.find("d");
            std::vector<POINT> pts;
            if (it != e.attr.end()) {
                std::string d = it->second;
                for (char& ch : d)
                    if (ch == ',' || ch == 'M' || ch == 'L') ch = ' ';
                std::vector<double> v;
                for (std::size_t q = 0; q < d.size();) {
                    while (q < d.size() && d[q] == ' ') ++q;
                    if (q >= d.size()) break;
                    std::size_t r = d.find(' ', q);
                    if (r == std::string::npos) r = d.size();
                    v.push_back(number(d.substr(q, r - q)));
                    q = r;
                }
                for (std::size_t k = 0; k + 1 < v.size(); k += 2) pts.push_back(pt(v[k], v[k + 1]));
            }
            if (pts.size() >= 2) Polyline(dc_, pts.data(), static_cast<int>(pts.size()));
        } else if (e.name == "text") {
            drawText(e, s, a("x"), a("y"));
        }
        SelectObject(dc_, oldBrush);
        SelectObject(dc_, oldPen);
        if (p != GetStockObject(NULL_PEN)) DeleteObject(p);
    }

    void drawText(const Element& e, const Style& s, double tx, double ty) {
        // "rotate(a cx cy)": the only transform the windows' pictures use.
        double angle = 0;
        if (auto it = e.attr.find("transform"); it != e.attr.end()) {
            const std::size_t p = it->second.find("rotate(");
            if (p != std::string::npos) angle = number(it->second.substr(p + 7));
        }
        COLORREF c = 0;
        if (!colour(s.fill, c)) return;
        std::string face = s.fontFamily;
        // The first family the machine has among the named ones; Arial stands in.
        face = face.find("Arial") != std::string::npos ? "Arial" : face.substr(0, face.find(','));
        LOGFONTW lf{};
        lf.lfHeight = -static_cast<LONG>(std::lround(s.fontSize * scale_));
        lf.lfWeight = s.fontWeight == "bold" ? FW_BOLD : FW_NORMAL;
        lf.lfEscapement = lf.lfOrientation = static_cast<LONG>(std::lround(-angle * 10));
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = ANTIALIASED_QUALITY;
        lstrcpynW(lf.lfFaceName, wide(face).c_str(), LF_FACESIZE);
        HFONT f = CreateFontIndirectW(&lf);
        HGDIOBJ old = SelectObject(dc_, f);
        SetTextColor(dc_, c);
        SetBkMode(dc_, TRANSPARENT);
        UINT align = TA_BASELINE | TA_LEFT;
        if (s.anchor == "middle") align = TA_BASELINE | TA_CENTER;
        if (s.anchor == "end") align = TA_BASELINE | TA_RIGHT;
        SetTextAlign(dc_, align);
        const std::wstring w = wide(e.text);
        TextOutW(dc_, static_cast<int>(std::lround(x(tx))), static_cast<int>(std::lround(y(ty))),
                 w.c_str(), static_cast<int>(w.size()));
        SelectObject(dc_, old);
        DeleteObject(f);
    }

private:
    HDC dc_;
    double scale_, dx_, dy_;
};

}  // namespace

std::wstring pictureResource(const std::string& file, int percent) {
    std::string stem = file.substr(0, file.rfind('.'));
    for (char& ch : stem)
        ch = static_cast<char>(std::isalnum(static_cast<unsigned char>(ch))
                                   ? std::toupper(static_cast<unsigned char>(ch))
                                   : '_');
    return wide(stem + "_" + std::to_string(percent));
}

bool drawSvg(HDC dc, const RECT& r, const std::string& svg) {
    const auto elements = parse(svg);
    if (elements.empty() || elements.front().name != "svg") return false;
    const Element& root = elements.front();
    double vx = 0, vy = 0, vw = 0, vh = 0;
    if (auto it = root.attr.find("viewBox"); it != root.attr.end()) {
        std::string v = it->second;
        std::replace(v.begin(), v.end(), ',', ' ');
        double n[4] = {0, 0, 0, 0};
        std::size_t p = 0;
        for (double& d : n) {
            while (p < v.size() && v[p] == ' ') ++p;
            std::size_t q = v.find(' ', p);
            if (q == std::string::npos) q = v.size();
            d = number(v.substr(p, q - p));
            p = q;
        }
        vx = n[0], vy = n[1], vw = n[2], vh = n[3];
    }
    if (vw <= 0 || vh <= 0) {
        vw = number(root.attr.count("width") ? root.attr.at("width") : "0");
        vh = number(root.attr.count("height") ? root.attr.at("height") : "0");
    }
    if (vw <= 0 || vh <= 0) return false;
    const RECT f =
        fitted(r, static_cast<int>(std::lround(vw * 16)), static_cast<int>(std::lround(vh * 16)));
    const double scale = static_cast<double>(f.right - f.left) / vw;
    SvgPainter painter(dc, scale, f.left - vx * scale, f.top - vy * scale);
    std::vector<Style> styles{inherit(Style{}, root)};
    const SIZE canvas{static_cast<LONG>(vw), static_cast<LONG>(vh)};
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, f.left, f.top, f.right, f.bottom);
    for (std::size_t i = 1; i < elements.size(); ++i) {
        const Element& e = elements[i];
        if (e.name == "g") {
            if (e.closing) {
                if (styles.size() > 1) styles.pop_back();
            } else {
                styles.push_back(inherit(styles.back(), e));
            }
            continue;
        }
        if (e.closing) continue;
        painter.draw(e, inherit(styles.back(), e), canvas);
    }
    RestoreDC(dc, saved);
    return true;
}

bool drawPicture(HDC dc, const RECT& r, const std::string& picture, UINT dpi) {
    if (picture.empty()) return false;
    if (picture.front() == '<') return drawSvg(dc, r, picture);
    // The embedded size nearest above the screen's scale, else the largest there is.
    const int wanted = dpi <= 96 ? 100 : dpi <= 144 ? 150 : 200;
    for (int percent : {wanted, 200, 150, 100})
        if (auto img = decode(pictureResource(picture, percent))) return drawImage(dc, r, *img);
    return false;
}

HBITMAP pictureBitmap(const std::string& picture, int w, int h, UINT dpi, COLORREF back) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    RECT r{0, 0, w, h};
    FillRect(mem, &r, brush(back));
    const bool drawn = drawPicture(mem, r, picture, dpi);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    if (!drawn) {
        DeleteObject(bmp);
        return nullptr;
    }
    return bmp;
}

}  // namespace morvane::win32
