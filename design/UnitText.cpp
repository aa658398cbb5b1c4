#include "design/UnitText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "design/LocaleText.h"
#include "design/Records.h"

namespace netlist {
namespace {

// Hundredths of the single-precision value, rounded half away from zero from
// its seven-significant-digit decimal form.
std::int64_t roundedHundredths(float value) {
    if (value == 0.0f) return 0;
    char digits[32];
    // "d.dddddde[+-]x": seven significant digits and a decimal exponent.
    std::snprintf(digits, sizeof digits, "%.6e", static_cast<double>(value < 0 ? -value : value));
    std::int64_t mantissa = digits[0] - '0';
    for (int i = 2; i <= 7; ++i) mantissa = mantissa * 10 + (digits[i] - '0');
    const int exponent = std::atoi(std::strchr(digits, 'e') + 1);
    // value = mantissa * 10^(exponent - 6); hundredths = mantissa * 10^(exponent - 4).
    int shift = exponent - 4;
    std::int64_t hundredths = mantissa;
    if (shift >= 0) {
        while (shift-- > 0) hundredths *= 10;
    } else if (shift < -7) {
        hundredths = 0;
    } else {
        std::int64_t divisor = 1;
        while (shift++ < 0) divisor *= 10;
        hundredths = (mantissa + divisor / 2) / divisor;
    }
    return value < 0 ? -hundredths : hundredths;
}

}  // namespace

std::string FormatUnits(std::int32_t units, std::int32_t unitsPerShownUnit,
                        const std::string& decimalSeparator) {
    const float value = static_cast<float>(static_cast<double>(units) / unitsPerShownUnit);
    const std::int64_t hundredths = roundedHundredths(value);
    const std::int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    char fraction[3];
    std::snprintf(fraction, sizeof fraction, "%02d", static_cast<int>(magnitude % 100));
    std::string text;
    if (hundredths < 0) text.push_back('-');
    text.append(std::to_string(magnitude / 100));
    text.append(decimalSeparator);
    text.append(fraction);
    return text;
}

std::string UnitsToMilsText(std::int32_t units) {
    return FormatUnits(units, kUnitsPerMil, LocaleDecimalSeparator());
}

std::string UnitsToMmText(std::int32_t units) {
    return FormatUnits(units, kUnitsPerMm, LocaleDecimalSeparator());
}

}  // namespace netlist
