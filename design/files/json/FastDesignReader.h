// Reads a well-formed JSON design file in one pass over its bytes, building
// the records as it goes and keeping nothing else.
//
// It words no fault. At anything that is not plainly a valid design (any
// fault, from a missing comma to a repeated net id) it gives up, and
// ReadJsonDesign runs the thorough reader (DesignSaxHandler) from the
// start: that one places and words every fault, so a refused file gets the
// same message either way. Whatever this reader accepts, the thorough one
// accepts too and builds the same DesignData from it; the fuzz target
// tests/fuzz/fuzz_json_design.cpp runs both and holds them to that.
#pragma once

#include <optional>
#include <string_view>

#include "design/DesignData.h"

namespace netlist::json {

struct FastRead {
    DesignData design;
    bool designPathGiven = false;
};

// Nothing when the file is not plainly a valid design.
std::optional<FastRead> ReadWellFormedDesign(std::string_view content);

}  // namespace netlist::json
