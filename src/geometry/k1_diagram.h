// The decay constant K1 of naturally aerated ponds and its diagram.
#pragma once

#include <string>

#include "shell/checked.h"

namespace morvane {

// K1 in 1/d for the mean retention time t* (d), the water temperature T (°C) and the
// volumetric loading BR (g BSB5/(m³ d)). Throws Failure where the formula is undefined.
Num pondK1(Num tStar, Num T, Num BR);

// A log-log diagram (SVG text) of K1 over t* from 3 to 100 days for BR = 1, 2, 5 and 10 at
// 20 °C (solid) and 4 °C (dashed), with the design point (t*, K1) marked when it lies in the
// diagram's range; designed = false draws the curves only.
std::string k1Diagram(bool designed, double tStar, double k1);

}  // namespace morvane
