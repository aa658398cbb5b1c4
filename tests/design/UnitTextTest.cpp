#include <gtest/gtest.h>

#include <climits>

#include "design/Records.h"
#include "design/UnitText.h"

namespace netlist {
namespace {

std::string mils(std::int32_t units) {
    return FormatUnits(units, kUnitsPerMil, ".");
}
std::string mm(std::int32_t units) {
    return FormatUnits(units, kUnitsPerMm, ".");
}

TEST(UnitText, MilsWithTwoDecimals) {
    EXPECT_EQ(mils(2540), "1.00");
    EXPECT_EQ(mils(1270), "0.50");
    EXPECT_EQ(mils(0), "0.00");
    EXPECT_EQ(mils(-2540), "-1.00");
    EXPECT_EQ(mils(254), "0.10");
    EXPECT_EQ(mils(2540000), "1000.00");
}

TEST(UnitText, MillimetresWithTwoDecimals) {
    EXPECT_EQ(mm(100000), "1.00");
    EXPECT_EQ(mm(12500), "0.13");
    EXPECT_EQ(mm(1), "0.00");
    EXPECT_EQ(mm(-12500), "-0.13");
}

TEST(UnitText, HalvesRoundAwayFromZeroFromTheDecimalForm) {
    // 0.005 has no exact binary form; the shown value still rounds up.
    EXPECT_EQ(mm(500), "0.01");
    EXPECT_EQ(mm(1500), "0.02");
    EXPECT_EQ(mm(-500), "-0.01");
    EXPECT_EQ(mm(499), "0.00");
    // A tiny negative length does not show as "-0.00".
    EXPECT_EQ(mm(-1), "0.00");
}

TEST(UnitText, ExtremeLengthsStayFinite) {
    EXPECT_EQ(mm(INT_MAX), "21474.84");
    EXPECT_EQ(mm(INT_MIN), "-21474.84");
    // Single precision holds only 845466 of 845466.14 mils.
    EXPECT_EQ(mils(INT_MAX), "845466.00");
}

TEST(UnitText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(FormatUnits(12500, kUnitsPerMm, ","), "0,13");
}

}  // namespace
}  // namespace netlist
