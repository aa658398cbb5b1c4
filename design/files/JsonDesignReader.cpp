#include "design/files/JsonDesignReader.h"

#include <nlohmann/json.hpp>
#include <system_error>

#include "design/files/ServedDesignPath.h"
#include "design/files/SourcePlace.h"
#include "design/files/json/DesignSaxHandler.h"
#include "design/files/json/TrackedInput.h"

namespace netlist {

DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path,
                          std::optional<std::string> defaultDesignPath) {
    json::TrackedInput input(content);
    json::DesignSaxHandler handler(content, input);
    if (!nlohmann::json::sax_parse(input.begin(), input.end(), &handler)) {
        const files::ParseError unexplained(files::PlaceOf(content, input.consumed()),
                                            "not a valid design file");
        throw DesignFileError(handler.fault().value_or(unexplained).message(path));
    }
    DesignData design = handler.takeDesign();
    if (!handler.designPathGiven())
        design.designPath =
            defaultDesignPath ? std::move(*defaultDesignPath) : ServedDesignPath(path);
    return design;
}

}  // namespace netlist
