// The node listings: the pins of one net, from column 30 of the open net row
// on, four to a line. They list while the session's status is 0, starting
// with the node in the record, and leave the status as the last
// TGetNextNetNode returned.
#pragma once

#include <cstdint>

#include "design/DesignSession.h"
#include "report/ReportChoices.h"
#include "report/ReportWriter.h"

namespace netlist {

// A board's pads, then the net's length in the unit asked for (none: no
// length) after the last of them.
void ListBoardNodes(DesignSession& session, NetNodeRecord& node, std::int32_t netLength,
                    NetLengths lengths, ReportWriter& writer);
// Any other design's symbol pins.
void ListSchematicNodes(DesignSession& session, NetNodeRecord& node, ReportWriter& writer);

}  // namespace netlist
