#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale>
#include <optional>
#include <random>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "failure_of.h"
#include "shell/failure.h"
#include "shell/number_text.h"

namespace morvane {
namespace {

using NumberText::format;
using NumberText::plain;

std::optional<double> readOpt(std::string_view text) {
    double v = 0.0;
    if (!NumberText::tryRead(text, v)) return std::nullopt;
    return v;
}

TEST(NumberTextRead, AcceptsGermanNotation) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"1,5", 1.5},        {"1.5", 15},      {"1.000,5", 1000.5},
        {"1..2.3", 123},     {" 7 ", 7},       {"\t7\t", 7},
        {"+7", 7},           {"-7,25", -7.25}, {",5", 0.5},
        {"-,5", -0.5},       {"5,", 5},        {"1,5E3", 1500},
        {"1,5e-3", 0.0015},  {"2E+02", 200},   {"0", 0},
        {"-0", 0},           {"007", 7},       {"1.234,500 ", 1234.5},
        {"1,5E+20", 1.5e20}, {"1E-05", 1e-5},  {"19\r\n", 19},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(readOpt(text), expected) << '"' << text << '"';
    }
}

TEST(NumberTextRead, RefusesTextsThatAreNoNumber) {
    // clang-format off
    const std::vector<std::string> refused = {
        "", " ", "\t ", "+", "-", ",", ".", "+,", "-.", "abc", "12 %", "12%", "5 m", "1,5,0",
        "1,5.0", "1E", "1E+", "E5", ",E5", "1E2,5", "1E1.0", "1 000", "- 5", "+-5", "5-", "(5)",
        "€5", "inf", "NaN", "Infinity", "0x10", "1,5 E3", "１２",
        std::string("1\0" "2", 3), std::string("\xff\xfe", 2)};
    // clang-format on
    for (const auto& text : refused) {
        EXPECT_FALSE(readOpt(text).has_value()) << '"' << text << '"';
        EXPECT_EQ(failureOf([&] { NumberText::read(text); }), FailureKind::NoNumber);
    }
}

TEST(NumberTextRead, RangeLimitsAndLongTexts) {
    for (const char* text : {"1E400", "-1E400", "1E99999999999999999999999"}) {
        EXPECT_FALSE(readOpt(text).has_value()) << text;
        EXPECT_EQ(failureOf([&] { NumberText::read(text); }), FailureKind::Overflow) << text;
    }
    EXPECT_EQ(readOpt("1E-400"), 0.0);
    EXPECT_EQ(readOpt("1E-324"), 0.0);
    EXPECT_EQ(readOpt("-2,5E-330"), 0.0);
    EXPECT_EQ(readOpt("1E-310"), 1e-310);
    EXPECT_EQ(readOpt("-1E-99999999999999999999"), 0.0);
    EXPECT_EQ(readOpt(std::string("1").append(299, '0')), 1e299);
    EXPECT_EQ(failureOf([] { NumberText::read(std::string("1").append(400, '0')); }),
              FailureKind::Overflow);
    EXPECT_EQ(readOpt(std::string("0,").append(400, '0').append("1")), 0.0);
    EXPECT_EQ(readOpt(std::string("0,").append(399, '0').append("15E400")), 1.5);
    EXPECT_EQ(readOpt(std::string("1E").append(1000, '0').append("3")), 1000.0);
    EXPECT_EQ(readOpt(std::string(400, '9') + "E-400"), 1.0);  // 0,999... rounds to 1
}

TEST(NumberTextRead, ArbitraryBytesNeverCrashAndBlanksDoNotMatter) {
    std::string alphabet = "0123456789.,+-eE %\t\xff\xc3\xa4x";
    alphabet.push_back('\0');
    std::mt19937 rng(4711);
    int accepted = 0;
    for (int n = 0; n < 20000; ++n) {
        std::string text(rng() % 16, ' ');
        for (char& c : text) c = alphabet[rng() % alphabet.size()];
        const auto v = readOpt(text);
        if (!v) continue;
        ++accepted;
        ASSERT_TRUE(std::isfinite(*v)) << text;
        EXPECT_EQ(readOpt(" \t" + text + "  "), v) << text;
        EXPECT_EQ(NumberText::formatText(text, "##,##0.00 "), format(*v, "##,##0.00 "));
    }
    EXPECT_GT(accepted, 100);  // the generator must also hit valid numbers
}

TEST(NumberTextPlain, ShortestFifteenDigitText) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.25, "0,25"},
        {1.31, "1,31"},
        {1234.5, "1234,5"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {-2.0 / 3.0, "-0,666666666666667"},
        {0.0001, "0,0001"},
        {365, "365"},
        {123456789012345.0, "123456789012345"},
        {99999.99999999999, "100000"},      // rounding to 15 digits removes the decimals
        {9.9999999999999999e-5, "0,0001"},  // rounding lifts it out of the exponent form
        {0.0, "0"},
        {-0.0, "0"},
    };
    for (const auto& [v, expected] : cases) EXPECT_EQ(plain(v), expected) << v;
}

TEST(NumberTextPlain, ExponentFormBelowOneTenThousandthAndFromOneE15) {
    EXPECT_EQ(plain(1e15), "1E+15");
    EXPECT_EQ(plain(999999999999999.9), "1E+15");
    EXPECT_EQ(plain(1e-5), "1E-05");
    EXPECT_EQ(plain(-2.5e-7), "-2,5E-07");
    EXPECT_EQ(plain(1.5e20), "1,5E+20");
    EXPECT_EQ(plain(1e-100), "1E-100");
    EXPECT_EQ(plain(1.23456789012346e300), "1,23456789012346E+300");
    EXPECT_EQ(plain(5e-324), "4,94065645841247E-324");
}

TEST(NumberTextPlain, NonFiniteValuesFail) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(failureOf([&] { plain(inf); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([&] { plain(-inf); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { plain(std::nan("")); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([&] { format(inf, "##,##0"); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { format(std::nan(""), "##,##0"); }), FailureKind::Invalid);
}

struct PatternRow {
    const char* pattern;
    const char* forValue;     // 1234.5678
    const char* forNegative;  // -0.5
};

TEST(NumberTextFormat, PatternTable) {
    const PatternRow rows[] = {
        {"##,##0", "1.235", "-1"},
        {"##,##0 ", "1.235 ", "-1 "},
        {"##,##0.0", "1.234,6", "-0,5"},
        {"##,##0.0 ", "1.234,6 ", "-0,5 "},
        {"##,##0.0  ", "1.234,6  ", "-0,5  "},
        {"##,##0.00", "1.234,57", "-0,50"},
        {"##,##0.00 ", "1.234,57 ", "-0,50 "},
        {"##,##0.000", "1.234,568", "-0,500"},
        {"##,##0.000 ", "1.234,568 ", "-0,500 "},
        {"##,##0.0000", "1.234,5678", "-0,5000"},
        {"##,##0.0000 ", "1.234,5678 ", "-0,5000 "},
        {"##,##0.00000", "1.234,56780", "-0,50000"},
        {"##,##0.00000 ", "1.234,56780 ", "-0,50000 "},
        {"##,##0.000000 ", "1.234,567800 ", "-0,500000 "},
        {"##,##0.0 Mio € ", "1.234,6 Mio € ", "-0,5 Mio € "},
        {"##,##0.0 TEW ", "1.234,6 TEW ", "-0,5 TEW "},
        {"##,##0.0 % ", "123.456,8 % ", "-50,0 % "},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(format(1234.5678, row.pattern), row.forValue) << row.pattern;
        EXPECT_EQ(format(-0.5, row.pattern), row.forNegative) << row.pattern;
    }
}

TEST(NumberTextFormat, RoundsHalfAwayFromZeroOnFifteenDigits) {
    EXPECT_EQ(format(2.675, "##,##0.00"), "2,68");  // the double is 2.67499999...
    EXPECT_EQ(format(1.005, "##,##0.00"), "1,01");
    EXPECT_EQ(format(0.0185, "##,##0.0 % "), "1,9 % ");  // 0.0185 * 100 is 1.8499999...
    EXPECT_EQ(format(0.49999999999999994, "##,##0"), "1");
    EXPECT_EQ(format(-2.5, "##,##0"), "-3");
    EXPECT_EQ(format(0.005, "##,##0.00 "), "0,01 ");
    EXPECT_EQ(format(0.0049, "##,##0.00 "), "0,00 ");
    EXPECT_EQ(format(999.9996, "##,##0.000"), "1.000,000");  // carry into a new group
    EXPECT_EQ(format(9.5, "##,##0"), "10");
    EXPECT_EQ(format(1000000, "##,##0.00 "), "1.000.000,00 ");
    EXPECT_EQ(format(123456789012345678.0, "##,##0"), "123.456.789.012.346.000");
}

// Like the classic Format function, a negative value keeps its sign when it rounds to zero;
// only an exact zero is unsigned.
TEST(NumberTextFormat, SignOfValuesRoundingToZero) {
    EXPECT_EQ(format(-0.001, "##,##0.00"), "-0,00");
    EXPECT_EQ(format(-1e-300, "##,##0"), "-0");
    EXPECT_EQ(format(-0.0, "##,##0.00"), "0,00");
    EXPECT_EQ(format(0.0, "##,##0.0 % "), "0,0 % ");
}

TEST(NumberTextFormat, ExtremeValuesAndOtherPatterns) {
    const std::string huge = format(1e300, "##,##0.00");
    EXPECT_EQ(huge.substr(0, 10), "1.000.000.");
    EXPECT_EQ(std::count(huge.begin(), huge.end(), '0'), 302);
    EXPECT_EQ(readOpt(huge), 1e300);
    EXPECT_EQ(readOpt(format(std::numeric_limits<double>::max(), "##,##0.0 % ")), std::nullopt);
    EXPECT_EQ(format(5e-324, "##,##0.000000 "), "0,000000 ");
    EXPECT_EQ(format(1234.5678, "0.00"), "1234,57");  // no ',' placeholder: no grouping
    EXPECT_EQ(format(0.5, "#.00"), ",50");            // no '0' before the point
}

TEST(NumberTextFormatText, FormatsNumbersAndKeepsOtherTexts) {
    EXPECT_EQ(NumberText::formatText("1234,5678", "##,##0.0 "), "1.234,6 ");
    EXPECT_EQ(NumberText::formatText("1.234,500 ", "##,##0.00"), "1.234,50");
    EXPECT_EQ(NumberText::formatText(plain(0.1 + 0.2), "##,##0.000 "), "0,300 ");
    EXPECT_EQ(NumberText::formatText("", "##,##0.00 "), "");
    EXPECT_EQ(NumberText::formatText("Fehler", "##,##0.00 "), "Fehler");
    EXPECT_EQ(NumberText::formatText("1E400", "##,##0.00 "), "1E400");
}

TEST(NumberTextFixed4, RoundsHalfToEvenOnTheScaledValue) {
    EXPECT_EQ(NumberText::fixed4(0.00005), 0.0);  // 0.00005 * 10000 is exactly 0.5
    EXPECT_EQ(NumberText::fixed4(2.5 / 10000), 0.0002);
    EXPECT_EQ(NumberText::fixed4(0.00035), 0.0004);
    EXPECT_EQ(NumberText::fixed4(-0.00025), -0.0002);
    EXPECT_EQ(NumberText::fixed4(1.00005), 1.0001);  // scaled 10000.500000000002: no tie
    EXPECT_EQ(NumberText::fixed4(0.123456789), 0.1235);
    EXPECT_FALSE(std::signbit(NumberText::fixed4(-0.00005)));
    EXPECT_FALSE(std::signbit(NumberText::fixed4(-0.0)));
    EXPECT_EQ(NumberText::fixed4(922337203685477.0), 922337203685477.0);
    EXPECT_EQ(NumberText::fixed4(-922337203685477.5), -922337203685477.5);
    EXPECT_EQ(failureOf([] { NumberText::fixed4(922337203685478.0); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { NumberText::fixed4(-1e300); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { NumberText::fixed4(std::nan("")); }), FailureKind::Invalid);
}

TEST(NumberTextLongDate, GermanWeekdayAndMonth) {
    EXPECT_EQ(NumberText::longDate(2026, 12, 8), "Dienstag, 8. Dezember 2026");
    EXPECT_EQ(NumberText::longDate(2000, 2, 29), "Dienstag, 29. Februar 2000");
    EXPECT_EQ(NumberText::longDate(2024, 3, 1), "Freitag, 1. März 2024");
    EXPECT_EQ(NumberText::longDate(1970, 1, 1), "Donnerstag, 1. Januar 1970");
    EXPECT_EQ(NumberText::longDate(1900, 3, 1), "Donnerstag, 1. März 1900");
    EXPECT_EQ(NumberText::longDate(2100, 3, 1), "Montag, 1. März 2100");
    EXPECT_EQ(NumberText::longDate(1600, 1, 1), "Samstag, 1. Januar 1600");
    EXPECT_EQ(failureOf([] { NumberText::longDate(2023, 2, 29); }), FailureKind::Invalid);
    EXPECT_EQ(failureOf([] { NumberText::longDate(2023, 13, 1); }), FailureKind::Invalid);
}

TEST(NumberTextLocale, ResultsDoNotDependOnTheEnvironment) {
    auto sample = [] {
        return std::vector<std::string>{plain(1234.5),
                                        plain(1.5e20),
                                        format(1234.5678, "##,##0.00 "),
                                        format(0.0185, "##,##0.0 % "),
                                        NumberText::formatText("1.234,5", "##,##0.0"),
                                        plain(NumberText::read(" 1.000,25E-1 ")),
                                        NumberText::longDate(2024, 3, 1)};
    };
    const auto reference = sample();
    const char* candidates[] = {"de_DE.UTF-8", "de_DE.utf8",  "de_DE",      "German_Germany.1252",
                                "fr_FR.UTF-8", "ru_RU.UTF-8", "en_US.UTF-8"};
    const char* chosen = nullptr;
    for (const char* name : candidates) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) GTEST_SKIP() << "no locale besides C is installed";
    try {
        std::locale::global(std::locale(chosen));
    } catch (const std::runtime_error&) {
    }
    const auto inLocale = sample();
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
    EXPECT_EQ(inLocale, reference) << chosen;
}

// The value rounded to 15 significant digits, computed independently with printf/strtod
// (the tests run in the C locale).
double roundedTo15(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v);
    return std::strtod(buf, nullptr);
}

TEST(NumberTextRoundTrip, PlainReadsBackAsTheFifteenDigitValue) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 307);
    for (int n = 0; n < 20000; ++n) {
        double v = (n % 2 == 0) ? mantissa(rng) * std::pow(10.0, exponent(rng))
                                : std::bit_cast<double>(rng());
        if (!std::isfinite(v) || std::fabs(v) > 1e307) continue;
        if (n % 3 == 0) v = -v;
        const std::string text = plain(v);
        ASSERT_EQ(readOpt(text), roundedTo15(v) + 0.0) << text;
    }
}

TEST(NumberTextRoundTrip, FormatReadsBackWithinHalfALastDecimal) {
    std::mt19937_64 rng(815);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-7, 9);
    const std::regex grouped(R"(-?\d{1,3}(\.\d{3})*(,\d+)?)");
    for (int n = 0; n < 5000; ++n) {
        const double v = (n % 2 ? -1 : 1) * mantissa(rng) * std::pow(10.0, exponent(rng));
        for (int decimals = 0; decimals <= 6; ++decimals) {
            const std::string pattern =
                decimals == 0 ? "##,##0 " : "##,##0." + std::string(decimals, '0') + " ";
            const std::string text = format(v, pattern);
            ASSERT_TRUE(std::regex_match(text.substr(0, text.size() - 1), grouped)) << text;
            const auto back = readOpt(text);
            ASSERT_TRUE(back.has_value()) << text;
            const double tolerance = 0.5 * std::pow(10.0, -decimals) + 1e-14 * std::fabs(v);
            ASSERT_LE(std::fabs(*back - v), tolerance) << v << " " << text;
        }
        const std::string percentText = format(v, "##,##0.0 % ");
        ASSERT_EQ(percentText.substr(percentText.size() - 3), " % ");
        const auto percent = readOpt(percentText.substr(0, percentText.size() - 3));
        ASSERT_TRUE(percent.has_value()) << percentText;
        ASSERT_LE(std::fabs(*percent / 100 - v), 0.0005 + 1e-14 * std::fabs(v)) << v;
    }
}

}  // namespace
}  // namespace morvane
