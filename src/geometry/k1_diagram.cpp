#include "geometry/k1_diagram.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "shell/checked.h"

namespace morvane {

Num pondK1(Num tStar, Num T, Num BR) {
    const Num exponent = -1 / (1.391 + 1.304 / T + (0.061 + 0.05 * T) / BR);
    const Num denominator = 0.327 + 10.277 / T + 1 / (BR * (0.25 + 0.476 / T));
    return pow(tStar, exponent) / denominator;
}

namespace {

// Numbers for SVG attributes, with a decimal point whatever the locale.
std::string num(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1);
    return std::string(buf, r.ptr);
}

constexpr double W = 937, H = 721;
constexpr double Left = 90, Right = 870, Top = 50, Bottom = 640;
constexpr double XMin = 3, XMax = 100, YMin = 0.01, YMax = 0.3;

double px(double t) { return Left + (Right - Left) * std::log(t / XMin) / std::log(XMax / XMin); }
double py(double k) { return Bottom - (Bottom - Top) * std::log(k / YMin) / std::log(YMax / YMin); }

std::string text(double x, double y, const std::string& s, const char* anchor = "middle",
                 const std::string& extra = "") {
    return "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" text-anchor=\"" + anchor + "\"" +
           extra + ">" + s + "</text>\n";
}

}  // namespace

std::string k1Diagram(bool designed, double tStar, double k1) {
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(W) + "\" height=\"" +
                    num(H) + "\" viewBox=\"0 0 " + num(W) + " " + num(H) + "\">\n";
    s += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    s += "<g font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"14\" fill=\"#000000\">\n";
    // Grid and axes.
    for (double t : {3.0, 5.0, 10.0, 20.0, 30.0, 50.0, 100.0}) {
        s += "<line x1=\"" + num(px(t)) + "\" y1=\"" + num(Top) + "\" x2=\"" + num(px(t)) +
             "\" y2=\"" + num(Bottom) + "\" stroke=\"#d0d7de\"/>\n";
        s += text(px(t), Bottom + 22, num(t).substr(0, num(t).find('.')));
    }
    for (double k : {0.01, 0.02, 0.03, 0.05, 0.1, 0.2, 0.3}) {
        s += "<line x1=\"" + num(Left) + "\" y1=\"" + num(py(k)) + "\" x2=\"" + num(Right) +
             "\" y2=\"" + num(py(k)) + "\" stroke=\"#d0d7de\"/>\n";
        std::string label = std::to_string(k).substr(0, k < 0.1 ? 4 : 3);
        for (auto& ch : label)
            if (ch == '.') ch = ',';
        s += text(Left - 8, py(k) + 5, label, "end");
    }
    s += "<rect x=\"" + num(Left) + "\" y=\"" + num(Top) + "\" width=\"" + num(Right - Left) +
         "\" height=\"" + num(Bottom - Top) + "\" fill=\"none\" stroke=\"#000000\"/>\n";
    s += text((Left + Right) / 2, H - 20, "mittlere Verweilzeit t* in d");
    s += text(24, (Top + Bottom) / 2, "K1 in 1/d", "middle",
              " transform=\"rotate(-90 24 " + num((Top + Bottom) / 2) + ")\"");
    s += text((Left + Right) / 2, 30,
              "Abbaukonstante K1 für BR = 1, 2, 5 und 10 g/(m³·d): 20 °C durchgezogen, 4 °C "
              "gestrichelt",
              "middle", " font-weight=\"bold\"");
    // Curves.
    const char* colours[] = {"#1f5fa0", "#2e8b57", "#c07000", "#b02020"};
    const double loadings[] = {1, 2, 5, 10};
    for (int i = 0; i < 4; ++i) {
        for (double T : {20.0, 4.0}) {
            std::string path;
            for (int j = 0; j <= 80; ++j) {
                const double t = XMin * std::pow(XMax / XMin, j / 80.0);
                const double k = std::clamp<double>(pondK1(t, T, loadings[i]), YMin, YMax);
                path += (j ? " L" : "M") + num(px(t)) + " " + num(py(k));
            }
            s += "<path d=\"" + path + "\" fill=\"none\" stroke=\"" + colours[i] +
                 "\" stroke-width=\"2\"" + (T < 10 ? " stroke-dasharray=\"8 5\"" : "") + "/>\n";
        }
        const double k = std::clamp<double>(pondK1(XMax, 20, loadings[i]), YMin, YMax);
        s += text(Right + 4, py(k) + 5, "BR " + std::to_string(static_cast<int>(loadings[i])),
                  "start", std::string(" font-size=\"12\" fill=\"") + colours[i] + "\"");
    }
    // The design point.
    if (designed && tStar >= XMin && tStar <= XMax && k1 >= YMin && k1 <= YMax) {
        s += "<circle cx=\"" + num(px(tStar)) + "\" cy=\"" + num(py(k1)) +
             "\" r=\"7\" fill=\"#ff0000\" stroke=\"#000000\"/>\n";
        s += text(px(tStar) + 12, py(k1) - 10, "Bemessungspunkt", "start",
                  " font-weight=\"bold\" fill=\"#c00000\"");
    }
    s += "</g>\n</svg>\n";
    return s;
}

}  // namespace morvane
