#include "design/files/JsonDesignReader.h"

#include <nlohmann/json.hpp>
#include <system_error>
#include <utility>

#include "design/files/ServedDesignPath.h"
#include "design/files/SourcePlace.h"
#include "design/files/json/DesignSaxHandler.h"
#include "design/files/json/TrackedInput.h"

namespace netlist {

namespace {

// The design, and whether the file named its designPath.
std::pair<DesignData, bool> readDesign(std::string_view content,
                                       const std::filesystem::path& path) {
    json::TrackedInput input(content);
    json::DesignSaxHandler handler(content, input);
    if (!nlohmann::json::sax_parse(input.begin(), input.end(), &handler)) {
        const files::ParseError unexplained(files::PlaceOf(content, input.consumed()),
                                            "not a valid design file");
        throw DesignFileError(handler.fault().value_or(unexplained).message(path));
    }
    return {handler.takeDesign(), handler.designPathGiven()};
}

}  // namespace

DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path) {
    auto [design, designPathGiven] = readDesign(content, path);
    if (!designPathGiven) design.designPath = ServedDesignPath(path);
    return design;
}

DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path,
                          std::string defaultDesignPath) {
    auto [design, designPathGiven] = readDesign(content, path);
    if (!designPathGiven) design.designPath = std::move(defaultDesignPath);
    return design;
}

}  // namespace netlist
