// The oxygen saturation table and its lookup by temperature.
#include <gtest/gtest.h>

#include "rain/oxygen_saturation.h"
#include "shell/number_text.h"

namespace morvane {
namespace {

TEST(OxygenTable, FallsStrictlyFromZeroToFortyOneDegrees) {
    const auto& t = OxygenSaturationForm::table();
    EXPECT_EQ(t.front(), 14.64);
    EXPECT_EQ(t[99], 11.28);
    EXPECT_EQ(t[200], 9.08);
    EXPECT_EQ(t[203], 9.02);
    EXPECT_EQ(t.back(), 6.31);
    for (std::size_t i = 1; i < t.size(); ++i) EXPECT_LT(t[i], t[i - 1]) << i;
}

TEST(OxygenTable, MatchesOnlyTemperaturesWithAtMostOneDecimal) {
    for (int k = 0; k <= 410; ++k) {
        const std::string typed = NumberText::plain(k / 10.0);
        EXPECT_EQ(OxygenSaturationForm::entry(NumberText::read(typed)), k) << typed;
    }
    EXPECT_EQ(OxygenSaturationForm::entry(NumberText::read("020,30")), 203);
    EXPECT_EQ(OxygenSaturationForm::entry(20.35), -1);
    EXPECT_EQ(OxygenSaturationForm::entry(20.30000001), -1);
    EXPECT_EQ(OxygenSaturationForm::entry(41.1), -1);
    EXPECT_EQ(OxygenSaturationForm::entry(-0.1), -1);
}

}  // namespace
}  // namespace morvane
