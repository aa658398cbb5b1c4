// Gathers a design's nets while a reader walks the file. Nets are keyed by
// name, because only names stay the same across format versions; they keep
// the order in which they first appear. A net is served under its net code
// when the file gives one, otherwise under the lowest number no code uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "design/DesignData.h"
#include "design/files/kicad/SourceFile.h"

namespace netlist::kicad {

class NetCollector {
  public:
    // The net of that name, added when it is new.
    std::size_t byName(std::string_view name);
    // Ties a code to the net of that name. Throws through file when another
    // net already holds the code.
    std::size_t declare(std::string_view name, std::int32_t code, const SourceFile& file,
                        const sexpr::Node& place);
    std::optional<std::size_t> byCode(std::int32_t code) const;

    // refDes and pinDes in Windows-1252 already.
    void addNode(std::size_t net, std::string refDes, std::string pinDes);
    void addLength(std::size_t net, double millimetres) { nets_[net].lengthMm += millimetres; }

    // Names in Windows-1252, lengths rounded to database units. Throws
    // through file when a length does not fit the record.
    std::vector<DesignNet> finish(const SourceFile& file) const;

    // The distinct pin designators each reference designator has in the nets.
    std::unordered_map<std::string, std::size_t> distinctPinsByRefDes() const;

  private:
    struct Net {
        std::string name;  // UTF-8, as in the file
        std::optional<std::int32_t> code;
        std::vector<DesignNode> nodes;
        double lengthMm = 0;
    };

    std::vector<Net> nets_;
    std::unordered_map<std::string, std::size_t> indexByName_;
    std::unordered_map<std::int32_t, std::size_t> indexByCode_;
};

}  // namespace netlist::kicad
