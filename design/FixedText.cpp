#include "design/FixedText.h"

#include <algorithm>
#include <cstring>

namespace netlist {

std::string_view TrimmedFixedTextView(std::string_view field) {
    const std::size_t nul = field.find('\0');
    if (nul != std::string_view::npos) field = field.substr(0, nul);
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = field.find_last_not_of(' ');
    return field.substr(first, last - first + 1);
}

std::string TrimFixedText(std::string_view field) {
    return std::string(TrimmedFixedTextView(field));
}

void StoreFixedText(char* field, std::size_t size, std::string_view text) {
    const std::size_t length = std::min(size, text.size());
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, size - length);
}

}  // namespace netlist
