#include "shell/contrast.h"

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {
double channel(std::uint32_t rgb, int shift) {
    const double v = ((rgb >> shift) & 0xFF) / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
double luminance(std::uint32_t rgb) {
    return 0.2126 * channel(rgb, 16) + 0.7152 * channel(rgb, 8) + 0.0722 * channel(rgb, 0);
}
}  // namespace

double contrastRatio(std::uint32_t a, std::uint32_t b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint32_t readableOn(std::uint32_t fore, std::uint32_t back) {
    constexpr double Enough = 4.5;
    if (contrastRatio(fore, back) >= Enough) return fore;
    const std::uint32_t target =
        contrastRatio(0x000000, back) >= contrastRatio(0xFFFFFF, back) ? 0x000000 : 0xFFFFFF;
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        std::uint32_t c = 0;
        for (int shift : {16, 8, 0}) {
            const double from = (fore >> shift) & 0xFF, to = (target >> shift) & 0xFF;
            c |= static_cast<std::uint32_t>(std::lround(from + (to - from) * t)) << shift;
        }
        if (contrastRatio(c, back) >= Enough) return c;
    }
    return target;
}

}  // namespace morvane
