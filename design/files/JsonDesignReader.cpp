#include "design/files/JsonDesignReader.h"

#include <nlohmann/json.hpp>
#include <system_error>

#include "design/files/ServedDesignPath.h"
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

}  // namespace

DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path) {
    json::TrackedInput input(content);
    json::DesignSaxHandler handler(content, input);
    if (!nlohmann::json::sax_parse(input.begin(), input.end(), &handler)) {
        const json::Fault unexplained{input.consumed(), {}, "not a valid design file"};
        throw DesignFileError(describe(path, content, handler.fault().value_or(unexplained)));
    }
    DesignData design = handler.takeDesign();
    if (!handler.designPathGiven()) design.designPath = ServedDesignPath(path);
    return design;
}

}  // namespace netlist
