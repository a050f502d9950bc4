// How well a text stands out from its background, for every binding's colours.
#pragma once

#include <cstdint>

namespace morvane {

// Colours as 0xRRGGBB. The WCAG contrast ratio (1 to 21).
double contrastRatio(std::uint32_t a, std::uint32_t b);

// The colour as close to fore as can be read on back: fore itself where the contrast is
// 4.5:1 or more, else fore moved towards black or white, whichever back lets stand out.
std::uint32_t readableOn(std::uint32_t fore, std::uint32_t back);

}  // namespace morvane
