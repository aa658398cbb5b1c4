#include "design/files/SampleDesign.h"

#include <filesystem>
#include <string_view>

#include "design/files/JsonDesignReader.h"

namespace netlist {
namespace embedded {
// docs/examples/sample-board.json, built into the program.
extern const char kSampleBoard[];
extern const std::size_t kSampleBoardSize;
}  // namespace embedded

DesignData SampleDesign() {
    const std::string_view content(embedded::kSampleBoard, embedded::kSampleBoardSize);
    return ReadJsonDesign(content, "sample-board.json",
                          (std::filesystem::current_path() / "sample-board.pcb").string());
}

}  // namespace netlist
