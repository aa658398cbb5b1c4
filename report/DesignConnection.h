// How the program connects to the design: the window's start-up, and every
// report run again before it reads anything. A board is asked for first,
// then a schematic on the same session; a design that answers both counts
// as a schematic. Then the design information is read.
#pragma once

#include <cstdint>
#include <string>

#include "design/DesignSession.h"

namespace netlist {

// The kind of design the connection could open; the report's title names it.
enum class DesignSource { Board, Schematic, Neither };

// The kind as the window's kind marker and the report's title show it:
// "Pcb", "Schmatic" or "".
const char* DesignSourceCaption(DesignSource source);

struct DesignConnection {
    DesignSource kind = DesignSource::Neither;
    // The design information's status: 0 when the design can be reported on.
    std::int32_t status = 0;
    DesignInfoRecord info{};
    // The design file's name as shown: at most 25 characters, Windows-1252.
    std::string designNameShown;

    bool designOpen() const { return status == 0; }
};

// Opens the session for a board, then for a schematic, and reads the design
// information; the session's status is then the last call's.
DesignConnection ConnectToDesign(DesignSession& session);

}  // namespace netlist
