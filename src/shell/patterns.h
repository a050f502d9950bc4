// The output patterns of the windows (see NumberText::format). Most end in a blank that
// the output label shows after the number; the names say so, for the blank is invisible
// in the text: Dec2Blank is "##,##0.00 ", Dec2 is "##,##0.00".
#pragma once

namespace morvane::Pattern {

inline constexpr const char* Int = "##,##0";
inline constexpr const char* IntBlank = "##,##0 ";
inline constexpr const char* Dec1 = "##,##0.0";
inline constexpr const char* Dec1Blank = "##,##0.0 ";
inline constexpr const char* Dec1TwoBlanks = "##,##0.0  ";
inline constexpr const char* Dec2 = "##,##0.00";
inline constexpr const char* Dec2Blank = "##,##0.00 ";
inline constexpr const char* Dec3 = "##,##0.000";
inline constexpr const char* Dec3Blank = "##,##0.000 ";
inline constexpr const char* Dec4 = "##,##0.0000";
inline constexpr const char* Dec4Blank = "##,##0.0000 ";
inline constexpr const char* Dec5 = "##,##0.00000";
inline constexpr const char* Dec5Blank = "##,##0.00000 ";
inline constexpr const char* Dec6Blank = "##,##0.000000 ";

}  // namespace morvane::Pattern
