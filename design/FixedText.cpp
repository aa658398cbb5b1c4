#include "design/FixedText.h"

#include <cstring>

namespace netlist {

std::string_view TrimmedFixedTextView(std::string_view field) {
    if (field.empty()) return {};
    const char* begin = field.data();
    const char* end = static_cast<const char*>(std::memchr(begin, '\0', field.size()));
    if (!end) end = begin + field.size();
    while (begin != end && *begin == ' ') ++begin;
    while (end != begin && end[-1] == ' ') --end;
    return std::string_view(begin, static_cast<std::size_t>(end - begin));
}

std::string TrimFixedText(std::string_view field) {
    return std::string(TrimmedFixedTextView(field));
}

}  // namespace netlist
