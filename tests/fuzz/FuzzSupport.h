// What every reader's fuzz target does with its input: read it, and serve
// whatever the reader accepts through the stand-in library as the program
// reads a design. A refusal with a DesignFileError is the expected answer to
// bad input; anything else that escapes (another exception, a crash, a
// sanitizer report, a hang) is a fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "design/files/DesignFileError.h"
#include "design/standin/StandInLibrary.h"
#include "report/compare/DesignSnapshot.h"

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

// Serves the design to the compare's reading, which makes the program's calls:
// start-up, the net, layer and component walks, every net by id with its
// nodes, and the close. servedKind, when given, must open, and then every
// net must be found by its id with each of its nodes.
inline void ServeAsTheProgramDoes(DesignData design, const char* servedKind) {
    StandInLibrary library(std::move(design));
    const SnapshotResult side = TakeSnapshot(library);
    if (!servedKind) return;
    Check(side.status == 0 && side.snapshot.isBoard() == (std::string_view(servedKind) == "PCB"));
    const std::vector<DesignNet>& nets = library.design().nets;
    Check(side.snapshot.nets.size() == nets.size());
    for (std::size_t i = 0; i < nets.size(); ++i)
        Check(side.snapshot.nets[i].pinCount == nets[i].nodeCount &&
              side.snapshot.nets[i].pins.size() == nets[i].nodes.size());
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
