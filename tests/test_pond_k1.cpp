// The pond decay constant and its live diagram.
#include <gtest/gtest.h>

#include <algorithm>

#include "geometry/k1_diagram.h"
#include "shell/failure.h"

namespace morvane {
namespace {

TEST(PondK1, FormulaAtTheWorkedDesignPoints) {
    EXPECT_NEAR(pondK1(1000.0 * 40 / 140 / 5, 20, 5), 0.0563, 5e-4);
    EXPECT_NEAR(pondK1(1000.0 * 40 / 140 / 5, 5, 5), 0.032, 5e-4);
    EXPECT_NEAR(pondK1(1000.0 * 40 / 140 / 2, 20, 2), 0.031, 5e-4);
    EXPECT_THROW(pondK1(57, 0, 5), Failure);
    EXPECT_THROW(pondK1(57, 20, 0), Failure);
}

TEST(PondK1, DiagramIsLocaleFreeSvgWithTheDesignPointOnlyInRange) {
    const std::string plain = k1Diagram(false, 0, 0);
    EXPECT_EQ(plain.rfind("<svg", 0), 0u);
    EXPECT_EQ(plain.find("circle"), std::string::npos);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), 'M'), 8 + 0) << "eight curves";
    const std::string marked = k1Diagram(true, 57.14, 0.056);
    EXPECT_NE(marked.find("<circle"), std::string::npos);
    EXPECT_NE(marked.find("Bemessungspunkt"), std::string::npos);
    EXPECT_EQ(k1Diagram(true, 142.86, 0.031).find("<circle"), std::string::npos);
    // Attribute numbers use a decimal point, never a comma.
    EXPECT_EQ(marked.find("x=\"1,"), std::string::npos);
}

}  // namespace
}  // namespace morvane
