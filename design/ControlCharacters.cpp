#include "design/ControlCharacters.h"

#include "design/files/Utf8Sequence.h"

namespace netlist {

std::string WithoutControlCharacters(std::string_view windows1252) {
    std::string shown(windows1252);
    ReplaceControlCharacters(shown);
    return shown;
}

std::string TerminalText(std::string_view utf8) {
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        const std::optional<char32_t> code = files::NextCodePoint(utf8, at);
        if (!code || *code < 0x20 || (*code >= 0x7F && *code <= 0x9F))
            shown += kControlStandIn;
        else
            shown.append(utf8.substr(start, at - start));
    }
    return shown;
}

}  // namespace netlist
