// What every reader's fuzz target does with its input: read it, and serve
// whatever the reader accepts through the stand-in library in the program's
// calling order. A refusal with a DesignFileError is the expected answer to
// bad input; anything else that escapes (another exception, a crash, a
// sanitizer report, a hang) is a fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "design/files/DesignFileError.h"
#include "design/standin/StandInLibrary.h"

namespace netlist::test {

inline void Check(bool holds) {
    if (!holds) __builtin_trap();
}

// What a KiCad reader promises about every design it accepts.
inline void CheckKicadDesign(const DesignData& design) {
    std::unordered_set<std::int32_t> ids;
    for (const DesignNet& net : design.nets) {
        Check(ids.insert(net.id).second);
        Check(net.nodeCount == static_cast<std::int32_t>(net.nodes.size()));
        Check(net.length >= 0 && !net.name.empty());
    }
}

// Start-up, the collection pass, the layer and component walks, then every
// net by id with its nodes, and the close. servedKind, when given, must open.
inline void ServeAsTheProgramDoes(DesignData design, const char* servedKind) {
    StandInLibrary library(std::move(design));
    SessionContext context{};
    DesignInfoRecord info;
    NetRecord net;
    NetNodeRecord node;
    LayerRecord layer;
    ComponentRecord component;
    const std::int32_t board = library.TOpenDesign(0, kInterfaceVersion, "PCB", context);
    const std::int32_t schematic = library.TOpenDesign(0, kInterfaceVersion, "SCH", context);
    if (servedKind) Check((std::string_view(servedKind) == "PCB" ? board : schematic) == 0);
    library.TGetDesignInfo(context, info);
    for (auto status = library.TGetFirstNet(context, net); status == 0;
         status = library.TGetNextNet(context, net)) {
    }
    for (auto status = library.TGetFirstLayer(context, layer); status == 0;
         status = library.TGetNextLayer(context, layer)) {
    }
    for (auto status = library.TGetFirstComponent(context, component); status == 0;
         status = library.TGetNextComponent(context, component)) {
    }
    for (const DesignNet& each : library.design().nets) {
        const std::int32_t found = library.TGetNetById(context, each.id, net);
        if (servedKind) Check(found == 0);
        for (auto status = library.TGetFirstNetNode(context, each.id, node); status == 0;
             status = library.TGetNextNetNode(context, node)) {
        }
    }
    library.TCloseDesign(context, "");
}

// Reads the input with read(content); serves what it accepts.
template <typename Reader, typename Accepted>
int ReadAndServe(const std::uint8_t* data, std::size_t size, Reader read, Accepted checkAccepted,
                 const char* servedKind) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    DesignData design;
    try {
        design = read(content);
    } catch (const DesignFileError&) {
        return 0;
    }
    checkAccepted(design);
    ServeAsTheProgramDoes(std::move(design), servedKind);
    return 0;
}

}  // namespace netlist::test
