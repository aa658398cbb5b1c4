#include "design/FixedText.h"

namespace netlist {

std::string TrimFixedText(std::string_view field) {
    return std::string(TrimmedFixedTextView(field));
}

}  // namespace netlist
