// Arbitrary bytes through the KiCad board reader (see FuzzSupport.h).
#include "design/files/kicad/KicadBoardReader.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace netlist;
    return test::ReadAndServe(
        data, size,
        [](std::string_view content) { return ReadKicadBoard(content, "fuzz.kicad_pcb"); },
        test::CheckKicadDesign, "PCB");
}
