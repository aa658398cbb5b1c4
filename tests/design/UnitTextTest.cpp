#include <gtest/gtest.h>

#include <sstream>

#include "design/Records.h"
#include "design/UnitText.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

TEST(UnitText, TwoDecimalsRoundedAwayFromZeroFromTheDecimalForm) {
    for (const auto& row : ReadDataCases("design/data/unit-texts.txt")) {
        std::istringstream input(row.input);
        std::int32_t units = 0;
        std::string unit;
        input >> units >> unit;
        EXPECT_EQ(FormatUnits(units, unit == "mil" ? kUnitsPerMil : kUnitsPerMm, "."), row.expected)
            << "unit-texts.txt:" << row.line;
    }
    EXPECT_EQ(FormatUnits(12500, kUnitsPerMm, ","), "0,13");
}

}  // namespace
}  // namespace netlist::test
