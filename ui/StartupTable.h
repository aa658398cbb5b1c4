// Which controls the main window enables after it connected to the design,
// at start-up and again at every report run: one row per outcome.
#pragma once

#include "report/DesignConnection.h"

namespace netlist {

struct StartupControls {
    const char* kindCaption;  // "Pcb", "Schmatic" or ""
    bool lengthsEnabled;      // "With Nets Length"
    bool runnable;            // Start, "File" and "Screen"
};

StartupControls ControlsAfterStartUp(DesignSource kind, bool designInfoRead);

}  // namespace netlist
