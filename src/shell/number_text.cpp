// Number texts with fixed German conventions. Everything here works on bytes and on
// std::from_chars / std::to_chars, which never consult the locale, so the results are the
// same whatever LC_NUMERIC or the global C++ locale say.
#include "shell/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "shell/failure.h"

namespace morvane::NumberText {

namespace {

// Blanks around a number; a multi-line field's line breaks count as blanks too.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

void requireFinite(double v) {
    if (std::isnan(v)) throw Failure(FailureKind::Invalid);
    if (std::isinf(v)) throw Failure(FailureKind::Overflow);
}

enum class ReadResult { Ok, NoNumber, Overflow };

// Exponent values are clamped far beyond anything that could still give a finite,
// non-zero double, so that absurdly long exponent texts cannot overflow the arithmetic.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

ReadResult readNumber(std::string_view text, double& out) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view s = text.substr(begin, end - begin);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }

    // All mantissa digits in order, without separators; value = digits * 10^exp10.
    std::string digits;
    std::int64_t exp10 = 0;
    bool anyDigit = false;
    for (; i < s.size() && (isDigit(s[i]) || s[i] == '.'); ++i) {
        if (s[i] == '.') continue;  // thousands dots are skipped wherever they stand
        anyDigit = true;
        if (s[i] != '0' || !digits.empty()) digits.push_back(s[i]);
    }
    if (i < s.size() && s[i] == ',') {
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            anyDigit = true;
            if (s[i] != '0' || !digits.empty()) digits.push_back(s[i]);
            --exp10;
        }
    }
    if (!anyDigit) return ReadResult::NoNumber;

    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            ++i;
        }
        if (i >= s.size() || !isDigit(s[i])) return ReadResult::NoNumber;
        std::int64_t e = 0;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            if (e < kExponentClamp) e = e * 10 + (s[i] - '0');
        }
        exp10 += expNegative ? -e : e;
    }
    if (i != s.size()) return ReadResult::NoNumber;

    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++exp10;
    }
    if (digits.empty()) {
        out = 0.0;  // "-0" reads as plain zero
        return ReadResult::Ok;
    }

    // Decimal exponent of the leading digit decides the clear cases without parsing.
    const std::int64_t magnitude = static_cast<std::int64_t>(digits.size()) - 1 + exp10;
    if (magnitude > 310) return ReadResult::Overflow;
    if (magnitude < -330) {
        out = 0.0;
        return ReadResult::Ok;
    }

    std::string c;
    c.reserve(digits.size() + 24);
    if (negative) c.push_back('-');
    c += digits;
    c.push_back('e');
    c += std::to_string(exp10);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(c.data(), c.data() + c.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0) return ReadResult::Overflow;
        out = 0.0;  // underflow reads as zero
        return ReadResult::Ok;
    }
    if (ec != std::errc() || ptr != c.data() + c.size()) return ReadResult::NoNumber;
    if (std::isinf(value)) return ReadResult::Overflow;
    out = value;
    return ReadResult::Ok;
}

// A finite, non-zero value rounded to 15 significant digits: value = d.dddd * 10^exp
// with exactly 15 digits and the sign kept apart.
struct Decimal15 {
    bool negative = false;
    std::string digits;
    int exp = 0;
};

Decimal15 decimal15(double v) {
    std::array<char, 64> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific, 14);
    const std::string_view s(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    Decimal15 d;
    std::size_t i = 0;
    if (s[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; s[i] != 'e'; ++i) {
        if (s[i] != '.') d.digits.push_back(s[i]);
    }
    ++i;  // 'e'
    const bool expNegative = s[i] == '-';
    ++i;
    int e = 0;
    for (; i < s.size(); ++i) e = e * 10 + (s[i] - '0');
    d.exp = expNegative ? -e : e;
    return d;
}

// Adds one to a decimal digit string, growing it on a carry out of the top digit.
void incrementDigits(std::string& digits) {
    for (std::size_t k = digits.size(); k-- > 0;) {
        if (digits[k] != '9') {
            ++digits[k];
            return;
        }
        digits[k] = '0';
    }
    digits.insert(digits.begin(), '1');
}

struct Pattern {
    bool hasNumber = false;    // the pattern starts with digit placeholders
    bool grouping = false;     // a ',' among the integer placeholders
    std::size_t minInt = 0;    // '0' placeholders before the decimal point
    std::size_t decimals = 0;  // '0' placeholders after the decimal point
    bool percent = false;
    std::string_view tail;
};

// Patterns have the form "##,##0" [ "." "0"... ] tail. The tail is everything after the
// last '0' of the number part, and is copied byte for byte (it may hold UTF-8 text).
Pattern parsePattern(std::string_view pattern) {
    Pattern p;
    std::size_t i = 0;
    for (; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '#' || c == '0') {
            p.hasNumber = true;
            if (c == '0') ++p.minInt;
        } else if (c == ',') {
            p.grouping = true;
        } else {
            break;
        }
    }
    if (i + 1 < pattern.size() && pattern[i] == '.' && pattern[i + 1] == '0') {
        for (++i; i < pattern.size() && pattern[i] == '0'; ++i) ++p.decimals;
    }
    p.tail = pattern.substr(i);
    p.percent = p.tail.find('%') != std::string_view::npos;
    return p;
}

std::string groupThousands(std::string_view intPart) {
    std::string out;
    out.reserve(intPart.size() + intPart.size() / 3);
    for (std::size_t k = 0; k < intPart.size(); ++k) {
        if (k > 0 && (intPart.size() - k) % 3 == 0) out.push_back('.');
        out.push_back(intPart[k]);
    }
    return out;
}

constexpr std::array<const char*, 7> kWeekdays = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                                  "Freitag", "Samstag",  "Sonntag"};
constexpr std::array<const char*, 12> kMonths = {"Januar",    "Februar", "März",     "April",
                                                 "Mai",       "Juni",    "Juli",     "August",
                                                 "September", "Oktober", "November", "Dezember"};

bool isLeapYear(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(long long y, int m) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : kDays[static_cast<std::size_t>(m - 1)];
}

// Days since 1970-01-01 in the proleptic Gregorian calendar.
long long daysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

bool tryRead(std::string_view text, double& out) {
    double value = 0.0;
    if (readNumber(text, value) != ReadResult::Ok) return false;
    out = value;
    return true;
}

double read(std::string_view text) {
    double value = 0.0;
    switch (readNumber(text, value)) {
        case ReadResult::Ok: return value;
        case ReadResult::Overflow: throw Failure(FailureKind::Overflow);
        case ReadResult::NoNumber: break;
    }
    throw Failure(FailureKind::NoNumber);
}

std::string plain(double v) {
    requireFinite(v);
    if (v == 0.0) return "0";
    Decimal15 d = decimal15(v);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();

    std::string out = d.negative ? "-" : "";
    const std::size_t n = d.digits.size();
    if (d.exp < -4 || d.exp >= 15) {
        out.push_back(d.digits[0]);
        if (n > 1) {
            out.push_back(',');
            out.append(d.digits, 1);
        }
        out += d.exp < 0 ? "E-" : "E+";
        const int e = d.exp < 0 ? -d.exp : d.exp;
        if (e < 10) out.push_back('0');
        out += std::to_string(e);
    } else if (d.exp >= 0) {
        const auto intDigits = static_cast<std::size_t>(d.exp) + 1;
        if (n <= intDigits) {
            out += d.digits;
            out.append(intDigits - n, '0');
        } else {
            out.append(d.digits, 0, intDigits);
            out.push_back(',');
            out.append(d.digits, intDigits);
        }
    } else {
        out += "0,";
        out.append(static_cast<std::size_t>(-d.exp - 1), '0');
        out += d.digits;
    }
    return out;
}

// Sign of a result that rounds to zero: like the classic Format function, a negative value
// keeps its "-" even when no non-zero digit is left ("-0,00" for -0.001 with two decimals).
// Only an exact zero (also -0.0) is written without a sign.
std::string format(double v, std::string_view pattern) {
    requireFinite(v);
    const Pattern p = parsePattern(pattern);
    if (!p.hasNumber) return plain(v) + std::string(p.tail);

    // scaled = |v| * 10^decimals as a whole decimal number, rounded half away from zero on
    // the 15-digit form. The per cent factor only shifts the decimal exponent.
    std::string scaled = "0";
    if (v != 0.0) {
        const Decimal15 d = decimal15(v);
        const long long lead = static_cast<long long>(d.exp) + (p.percent ? 2 : 0) +
                               static_cast<long long>(p.decimals);
        if (lead >= 14) {
            scaled = d.digits;
            scaled.append(static_cast<std::size_t>(lead - 14), '0');
        } else if (lead == -1) {
            scaled.assign(1, d.digits[0] >= '5' ? '1' : '0');
        } else if (lead >= 0) {
            const auto keep = static_cast<std::size_t>(lead) + 1;
            scaled = d.digits.substr(0, keep);
            if (d.digits[keep] >= '5') incrementDigits(scaled);
        }
    }

    const std::size_t width = p.decimals + p.minInt;
    if (scaled.size() < width) scaled.insert(0, width - scaled.size(), '0');
    const std::size_t intLen = scaled.size() - p.decimals;
    const std::string_view intPart = std::string_view(scaled).substr(0, intLen);

    std::string out = v < 0.0 ? "-" : "";
    out += p.grouping ? groupThousands(intPart) : std::string(intPart);
    if (p.decimals > 0) {
        out.push_back(',');
        out.append(scaled, intLen);
    }
    out += p.tail;
    return out;
}

std::string formatText(std::string_view text, std::string_view pattern) {
    double value = 0.0;
    if (!tryRead(text, value)) return std::string(text);
    return format(value, pattern);
}

double fixed4(double v) {
    requireFinite(v);
    const double r = v * 10000.0;
    // Half to even, spelled out so that the floating-point rounding mode does not matter.
    // r - floor(r) is exact for every double.
    const double lower = std::floor(r);
    const double frac = r - lower;
    double rounded = lower;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(lower, 2.0) != 0.0)) rounded = lower + 1.0;
    // The range of a signed 64-bit count of ten-thousandths: [-2^63, 2^63 - 1].
    constexpr double kTwo63 = 9223372036854775808.0;
    if (rounded >= kTwo63 || rounded < -kTwo63) throw Failure(FailureKind::Overflow);
    return rounded / 10000.0 + 0.0;  // + 0.0 turns a negative zero into zero
}

std::string longDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) {
        throw Failure(FailureKind::Invalid);
    }
    const long long days = daysFromCivil(year, month, day);
    // 1970-01-01 was a Thursday, index 3 when Monday is 0.
    const auto weekday = static_cast<std::size_t>(((days % 7) + 7 + 3) % 7);
    std::string out = kWeekdays[weekday];
    out += ", ";
    out += std::to_string(day);
    out += ". ";
    out += kMonths[static_cast<std::size_t>(month - 1)];
    out += ' ';
    out += std::to_string(year);
    return out;
}

}  // namespace morvane::NumberText
