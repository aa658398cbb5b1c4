// Arbitrary bytes through both JSON design readers (see FuzzSupport.h). The
// fast reader may give up on anything, but what it accepts the thorough
// reader must accept too, with the same design. A JSON design may name any
// kind and force any status, so nothing is asked of the library's answers.
#include "design/files/JsonDesignReader.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace netlist;
    return test::ReadAndServe(
        data, size,
        [](std::string_view content) {
            std::optional<DesignData> fast = ReadWellFormedJsonDesign(content, "fuzz.json");
            if (!fast) return ReadJsonDesignThoroughly(content, "fuzz.json");
            try {
                test::Check(ReadJsonDesignThoroughly(content, "fuzz.json") == *fast);
            } catch (const DesignFileError&) {
                test::Check(false);  // the fast reader accepted what the thorough one refuses
            }
            return std::move(*fast);
        },
        [](const DesignData&) {}, nullptr);
}
