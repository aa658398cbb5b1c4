// What a report run writes beyond the design itself: the choices made in the
// window, and which kind of design it lists.
#pragma once

#include <string>

namespace netlist {

enum class NetLengths { None, Mils, Mm };

// The kind of design the start-up could open; the report's title names it.
enum class DesignSource { Board, Schematic, Neither };

// The kind as Label3 and the report's title show it: "Pcb", "Schmatic" or "".
const char* DesignSourceCaption(DesignSource source);

struct ReportChoices {
    std::string designer;                   // Windows-1252, for the "Design By" line
    NetLengths lengths = NetLengths::None;  // after each net's pins; boards only
    // A board lists pads and counts layers; any other design lists symbol pins.
    DesignSource source = DesignSource::Neither;
};

}  // namespace netlist
