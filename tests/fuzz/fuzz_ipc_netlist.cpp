// Arbitrary bytes through the IPC-D-356 netlist reader (see FuzzSupport.h),
// and through the look at the first records that tells the format.
#include "design/files/ipc/IpcNetlistReader.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// Nets are numbered in order of appearance and carry no length; every part
// has a pad. (A name may still convert to nothing: characters such as U+FEFF
// have no Windows-1252 form and are dropped, as in every reader.)
void CheckIpcDesign(const netlist::DesignData& design) {
    using netlist::test::Check;
    for (std::size_t i = 0; i < design.nets.size(); ++i) {
        const netlist::DesignNet& net = design.nets[i];
        Check(net.id == static_cast<std::int32_t>(i + 1) && net.length == 0);
        Check(net.nodeCount == static_cast<std::int32_t>(net.nodes.size()));
    }
    for (const netlist::DesignComponent& component : design.components)
        Check(component.padCount > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace netlist;
    LooksLikeIpcNetlist(std::string_view(reinterpret_cast<const char*>(data), size));
    return test::ReadAndServe(
        data, size, [](std::string_view content) { return ReadIpcNetlist(content, "fuzz.ipc"); },
        CheckIpcDesign, "PCB");
}
