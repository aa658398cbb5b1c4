// Feeds arbitrary bytes to the KiCad board reader, and whatever it accepts to
// the stand-in library through the program's calling sequence. A refusal with
// a DesignFileError is the expected answer to bad input; anything else that
// escapes (another exception, a crash, a sanitizer report, a hang) is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "design/files/kicad/KicadBoardReader.h"
#include "design/standin/StandInLibrary.h"

namespace {

using namespace netlist;

void check(bool holds) {
    if (!holds) __builtin_trap();
}

void serve(DesignData design) {
    std::unordered_set<std::int32_t> ids;
    for (const DesignNet& net : design.nets) {
        check(ids.insert(net.id).second);
        check(net.nodeCount == static_cast<std::int32_t>(net.nodes.size()));
        check(net.length >= 0 && !net.name.empty());
    }
    StandInLibrary library(std::move(design));
    SessionContext context{};
    DesignInfoRecord info;
    NetRecord net;
    NetNodeRecord node;
    LayerRecord layer;
    ComponentRecord component;
    check(library.TOpenDesign(0, kInterfaceVersion, "PCB", context) == 0);
    library.TGetDesignInfo(context, info);
    for (auto status = library.TGetFirstLayer(context, layer); status == 0;
         status = library.TGetNextLayer(context, layer)) {
    }
    for (auto status = library.TGetFirstComponent(context, component); status == 0;
         status = library.TGetNextComponent(context, component)) {
    }
    for (const DesignNet& each : library.design().nets) {
        check(library.TGetNetById(context, each.id, net) == 0);
        for (auto status = library.TGetFirstNetNode(context, each.id, node); status == 0;
             status = library.TGetNextNetNode(context, node)) {
        }
    }
    library.TCloseDesign(context, "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    DesignData design;
    try {
        design = ReadKicadBoard(content, "fuzz.kicad_pcb");
    } catch (const DesignFileError&) {
        return 0;
    }
    serve(std::move(design));
    return 0;
}
