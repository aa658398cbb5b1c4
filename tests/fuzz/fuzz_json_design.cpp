// Feeds arbitrary bytes to the JSON design reader, and whatever it accepts to
// the stand-in library through the program's calling sequence. A refusal with
// a DesignFileError is the expected answer to bad input; anything else that
// escapes (another exception, a crash, a sanitizer report, a hang) is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "design/files/JsonDesignReader.h"
#include "design/standin/StandInLibrary.h"

namespace {

using namespace netlist;

void serve(DesignData design) {
    StandInLibrary library(std::move(design));
    SessionContext context{};
    DesignInfoRecord info;
    NetRecord net;
    NetNodeRecord node;
    LayerRecord layer;
    ComponentRecord component;
    library.TOpenDesign(0, kInterfaceVersion, "PCB", context);
    library.TOpenDesign(0, kInterfaceVersion, "SCH", context);
    library.TGetDesignInfo(context, info);
    for (auto status = library.TGetFirstLayer(context, layer); status == 0;
         status = library.TGetNextLayer(context, layer)) {
    }
    for (auto status = library.TGetFirstComponent(context, component); status == 0;
         status = library.TGetNextComponent(context, component)) {
    }
    for (const DesignNet& each : library.design().nets) {
        library.TGetNetById(context, each.id, net);
        for (auto status = library.TGetFirstNetNode(context, each.id, node); status == 0;
             status = library.TGetNextNetNode(context, node)) {
        }
    }
    for (auto status = library.TGetFirstNet(context, net); status == 0;
         status = library.TGetNextNet(context, net)) {
    }
    library.TCloseDesign(context, "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    DesignData design;
    try {
        design = ReadJsonDesign(content, "fuzz.json");
    } catch (const DesignFileError&) {
        return 0;
    }
    serve(std::move(design));
    return 0;
}
