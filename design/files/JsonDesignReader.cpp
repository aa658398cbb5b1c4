#include "design/files/JsonDesignReader.h"

#include <nlohmann/json.hpp>
#include <system_error>

#include "design/files/ServedDesignPath.h"
#include "design/files/SourcePlace.h"
#include "design/files/json/DesignSaxHandler.h"
#include "design/files/json/FastDesignReader.h"
#include "design/files/json/TrackedInput.h"

namespace netlist {
namespace {

DesignData servedAt(DesignData design, bool designPathGiven, const std::filesystem::path& path,
                    const std::optional<std::string>& defaultDesignPath) {
    if (!designPathGiven)
        design.designPath = defaultDesignPath ? *defaultDesignPath : ServedDesignPath(path);
    return design;
}

}  // namespace

DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path,
                          const std::optional<std::string>& defaultDesignPath) {
    // The fast reader takes nearly every valid design; on anything else it
    // gives up and the thorough reader starts again, for its exact message.
    if (auto design = ReadWellFormedJsonDesign(content, path, defaultDesignPath))
        return std::move(*design);
    return ReadJsonDesignThoroughly(content, path, defaultDesignPath);
}

std::optional<DesignData> ReadWellFormedJsonDesign(
    std::string_view content, const std::filesystem::path& path,
    const std::optional<std::string>& defaultDesignPath) {
    auto read = json::ReadWellFormedDesign(content);
    if (!read) return std::nullopt;
    return servedAt(std::move(read->design), read->designPathGiven, path, defaultDesignPath);
}

DesignData ReadJsonDesignThoroughly(std::string_view content, const std::filesystem::path& path,
                                    const std::optional<std::string>& defaultDesignPath) {
    json::TrackedInput input(content);
    json::DesignSaxHandler handler(content, input);
    if (!nlohmann::json::sax_parse(input.begin(), input.end(), &handler)) {
        const files::ParseError unexplained(files::PlaceOf(content, input.consumed()),
                                            "not a valid design file");
        throw DesignFileError(handler.fault().value_or(unexplained).message(path));
    }
    return servedAt(handler.takeDesign(), handler.designPathGiven(), path, defaultDesignPath);
}

}  // namespace netlist
