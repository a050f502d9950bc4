// Number texts with fixed German conventions (decimal comma, dot as thousands separator),
// independent of the environment's locale.
#pragma once

#include <string>
#include <string_view>

namespace morvane::NumberText {

// Reads a text as a number. Accepts optional blanks around, an optional leading sign,
// digits with a comma as decimal separator, thousands dots among the digits before the
// comma (skipped wherever they stand) and an optional exponent (E or e, optional sign,
// digits). Returns false for everything else (empty text, blanks only, a lone sign or
// comma, letters, units, "%").
[[nodiscard]] bool tryRead(std::string_view text, double& out);

// Like tryRead, but throws Failure(NoNumber) for a refused text and Failure(Overflow)
// for a number beyond the double range.
double read(std::string_view text);

// Plain text: 15 significant digits, no trailing zeros, decimal comma, no thousands
// separators, exponent form ("1E-05", "1,5E+20") below 1E-4 and from 1E15. Throws
// Failure for infinite or not-a-number values.
std::string plain(double v);

// Formats with a pattern such as "##,##0.00 " or "##,##0.0 % " (see the table of
// patterns): half away from zero on the 15-digit decimal form, dots between groups of
// three digits, comma before the decimals, the literal tail appended unchanged. A "%" in
// the tail multiplies by 100 first.
std::string format(double v, std::string_view pattern);

// Formats a field's own text: the text read as a number and formatted with the pattern;
// a text that is no number is returned unchanged.
std::string formatText(std::string_view text, std::string_view pattern);

// Four-decimal fixed-point conversion: v * 10000 rounded half to even, divided by 10000.
// Throws Failure(Overflow) beyond +-922337203685477.5807.
double fixed4(double v);

// The German long date, e.g. "Dienstag, 8. Dezember 2026".
std::string longDate(int year, int month, int day);

}  // namespace morvane::NumberText
