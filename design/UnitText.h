#pragma once

#include <cstdint>
#include <string>

namespace netlist {

// A length in database units as text with two decimals, in mils or in
// millimetres. The quotient is taken to single precision, as the host shows
// lengths, and rounded half away from zero from its seven-significant-digit
// decimal form, so 0.005 shows as 0.01. The decimal separator is the user's
// locale's. The caller appends the unit.
std::string UnitsToMilsText(std::int32_t units);
std::string UnitsToMmText(std::int32_t units);

// The same with an explicit decimal separator (Windows-1252 bytes); the two
// functions above pass the user's locale's separator.
std::string FormatUnits(std::int32_t units, std::int32_t unitsPerShownUnit,
                        const std::string& decimalSeparator);

}  // namespace netlist
