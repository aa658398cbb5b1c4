#include "design/UnitText.h"

#include <charconv>

#include "design/Records.h"
#include "platform/LocaleText.h"

namespace netlist {
namespace {

// Hundredths of the single-precision value, rounded half away from zero from
// its seven-significant-digit decimal form.
std::int64_t roundedHundredths(float value) {
    if (value == 0.0f) return 0;
    // "d.dddddde[+-]xx": seven significant digits and a decimal exponent,
    // as printf's "%.6e" writes them, at a fraction of its cost.
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits - 1,
                                       static_cast<double>(value < 0 ? -value : value),
                                       std::chars_format::scientific, 6);
    *written.ptr = '\0';
    std::int64_t mantissa = digits[0] - '0';
    for (int i = 2; i <= 7; ++i) mantissa = mantissa * 10 + (digits[i] - '0');
    int exponent = 0;
    for (const char* digit = digits + 10; *digit != '\0'; ++digit)
        exponent = exponent * 10 + (*digit - '0');
    if (digits[9] == '-') exponent = -exponent;
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
    char whole[24];
    const char* wholeEnd = std::to_chars(whole, whole + sizeof whole, magnitude / 100).ptr;
    const auto fraction = static_cast<int>(magnitude % 100);
    std::string text;
    if (hundredths < 0) text.push_back('-');
    text.append(whole, static_cast<std::size_t>(wholeEnd - whole));
    text.append(decimalSeparator);
    text.push_back(static_cast<char>('0' + fraction / 10));
    text.push_back(static_cast<char>('0' + fraction % 10));
    return text;
}

std::string UnitsToMilsText(std::int32_t units) {
    return FormatUnits(units, kUnitsPerMil, LocaleDecimalSeparator());
}

std::string UnitsToMmText(std::int32_t units) {
    return FormatUnits(units, kUnitsPerMm, LocaleDecimalSeparator());
}

}  // namespace netlist
