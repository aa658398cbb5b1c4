// Places a syntax error that the JSON parser reports in the file and words it
// for the user.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "design/files/SourcePlace.h"

namespace netlist::json {

// bytesRead: the parser's count of bytes read, the offending one included;
// lastToken: what it read of the offending token; tokensFrom: where the
// search for the offending token starts (the end of the last value or key
// that was read without fault); path: the place of the enclosing value.
files::ParseError SyntaxFault(std::string_view content, std::size_t bytesRead,
                              const std::string& lastToken,
                              const nlohmann::detail::exception& error, std::size_t tokensFrom,
                              std::string path);

}  // namespace netlist::json
