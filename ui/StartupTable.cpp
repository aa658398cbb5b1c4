#include "ui/StartupTable.h"

namespace netlist {
namespace {

struct StartupRow {
    DesignSource kind;
    bool designInfoRead;
    StartupControls controls;
};

// A design that answers as both kinds counts as a schematic: the connection
// has already made it one. Lengths can be asked for on a board even when its
// design information cannot be read; nothing can be run then.
constexpr StartupRow kStartupTable[] = {
    {DesignSource::Schematic, true, {"Schmatic", false, true}},
    {DesignSource::Board, true, {"Pcb", true, true}},
    {DesignSource::Neither, true, {"", false, true}},
    {DesignSource::Schematic, false, {"Schmatic", false, false}},
    {DesignSource::Board, false, {"Pcb", true, false}},
    {DesignSource::Neither, false, {"", false, false}},
};

}  // namespace

StartupControls ControlsAfterStartUp(DesignSource kind, bool designInfoRead) {
    for (const StartupRow& row : kStartupTable)
        if (row.kind == kind && row.designInfoRead == designInfoRead) return row.controls;
    return {"", false, false};
}

}  // namespace netlist
