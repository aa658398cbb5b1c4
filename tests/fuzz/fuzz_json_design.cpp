// Arbitrary bytes through the JSON design reader (see FuzzSupport.h). A JSON
// design may name any kind and force any status, so nothing is asked of the
// library's answers.
#include "design/files/JsonDesignReader.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace netlist;
    return fuzz::ReadAndServe(
        data, size, [](std::string_view content) { return ReadJsonDesign(content, "fuzz.json"); },
        [](const DesignData&) {}, nullptr);
}
