#include "design/files/JsonDesignReader.h"

#include <nlohmann/json.hpp>
#include <system_error>

#include "design/Windows1252.h"
#include "design/files/json/DesignSaxHandler.h"
#include "design/files/json/FaultText.h"
#include "design/files/json/TrackedInput.h"

namespace netlist {
namespace {

std::string describe(const std::filesystem::path& path, std::string_view content,
                     const json::Fault& fault) {
    const json::TextPosition position = json::PositionOf(content, fault.offset);
    std::string message = path.string() + ": line " + std::to_string(position.line) + ", column " +
                          std::to_string(position.column);
    if (!fault.path.empty()) message += ", at " + fault.path;
    return message + ": " + fault.what;
}

std::string absoluteText(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal().string();
}

}  // namespace

DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path) {
    json::TrackedInput input(content);
    json::DesignSaxHandler handler(content, input);
    if (!nlohmann::json::sax_parse(input.begin(), input.end(), &handler)) {
        const json::Fault unexplained{input.consumed(), {}, "not a valid design file"};
        throw DesignFileError(describe(path, content, handler.fault().value_or(unexplained)));
    }
    DesignData design = handler.takeDesign();
    if (!handler.designPathGiven()) design.designPath = Utf8ToWindows1252(absoluteText(path));
    return design;
}

}  // namespace netlist
