#include "design/files/json/SyntaxFault.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "design/files/json/FaultText.h"

namespace netlist::json {
namespace {

// The parser's text reads "[json.exception.parse_error.101] parse error at
// line 1, column 5: syntax error ..."; the place is given our own way.
std::string explanationOf(const nlohmann::detail::exception& error) {
    std::string explanation = error.what();
    if (const std::size_t tag = explanation.find("] "); tag != std::string::npos)
        explanation.erase(0, tag + 2);
    if (explanation.starts_with("parse error"))
        if (const std::size_t colon = explanation.find(": "); colon != std::string::npos)
            explanation.erase(0, colon + 2);
    return explanation;
}

// The parser's "last read" of a misspelt word (tru, nul, x) can reach back
// over earlier tokens; show the misspelt word alone. Returns where it starts.
std::optional<std::size_t> showMisspeltWordAlone(std::string& explanation, std::string_view content,
                                                 std::size_t lastByte, std::size_t tokensFrom) {
    constexpr std::string_view kLastRead = "invalid literal; last read: '";
    const std::size_t quoted = explanation.find(kLastRead);
    if (quoted == std::string::npos || lastByte >= content.size()) return std::nullopt;
    const std::size_t from = quoted + kLastRead.size();
    const std::size_t expected = explanation.find("'; expected", from);
    const std::size_t to = expected != std::string::npos ? expected : explanation.rfind('\'');
    if (to == std::string::npos || to < from) return std::nullopt;
    const std::size_t wordStart = std::min(NextTokenStart(content, tokensFrom), lastByte);
    explanation.replace(from, to - from, content.substr(wordStart, lastByte + 1 - wordStart));
    return wordStart;
}

}  // namespace

files::ParseError SyntaxFault(std::string_view content, std::size_t bytesRead,
                              const std::string& lastToken,
                              const nlohmann::detail::exception& error, std::size_t tokensFrom,
                              std::string path) {
    const std::size_t lastByte = bytesRead > 0 ? bytesRead - 1 : 0;
    std::string explanation = explanationOf(error);

    constexpr int kNumberOverflow = 406;
    if (error.id == kNumberOverflow) {
        return files::ParseError(files::PlaceOf(content, StartOfTokenEndingAt(content, lastByte)),
                                 "the number " + files::Printable(lastToken, 30) + " is too large",
                                 std::move(path));
    }
    std::size_t offset = lastByte;
    if (const auto word = showMisspeltWordAlone(explanation, content, lastByte, tokensFrom)) {
        offset = *word;
    } else if (explanation.find("unexpected") != std::string::npos) {
        // A token that is well-formed but out of place has been read whole:
        // point at its start rather than at its last byte.
        offset = StartOfTokenEndingAt(content, lastByte);
    }
    return files::ParseError(files::PlaceOf(content, offset),
                             "not valid JSON: " + files::Printable(explanation, 160),
                             std::move(path));
}

}  // namespace netlist::json
