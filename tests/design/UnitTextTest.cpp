#include <gtest/gtest.h>

#include <climits>

#include "design/Records.h"
#include "design/UnitText.h"

namespace netlist::test {
namespace {

TEST(UnitText, TwoDecimalsRoundedAwayFromZeroFromTheDecimalForm) {
    const struct {
        std::int32_t units;
        std::int32_t perUnit;
        const char* text;
    } cases[] = {
        {2540, kUnitsPerMil, "1.00"},
        {1270, kUnitsPerMil, "0.50"},
        {-2540, kUnitsPerMil, "-1.00"},
        {254, kUnitsPerMil, "0.10"},
        {100000, kUnitsPerMm, "1.00"},
        {12500, kUnitsPerMm, "0.13"},
        {-12500, kUnitsPerMm, "-0.13"},
        {1, kUnitsPerMm, "0.00"},
        // 0.005 has no exact binary form; the shown value still rounds up.
        {500, kUnitsPerMm, "0.01"},
        {1500, kUnitsPerMm, "0.02"},
        {-500, kUnitsPerMm, "-0.01"},
        {499, kUnitsPerMm, "0.00"},
        // A tiny negative length does not show as "-0.00".
        {-1, kUnitsPerMm, "0.00"},
        {INT_MAX, kUnitsPerMm, "21474.84"},
        {INT_MIN, kUnitsPerMm, "-21474.84"},
        // Single precision holds only 845466 of 845466.14 mils.
        {INT_MAX, kUnitsPerMil, "845466.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatUnits(c.units, c.perUnit, "."), c.text) << c.units << "/" << c.perUnit;
    EXPECT_EQ(FormatUnits(12500, kUnitsPerMm, ","), "0,13");
}

}  // namespace
}  // namespace netlist::test
