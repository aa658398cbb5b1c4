#include "report/DesignConnection.h"

#include "design/FixedText.h"
#include "report/ReportPaths.h"

namespace netlist {

const char* DesignSourceCaption(DesignSource source) {
    switch (source) {
        case DesignSource::Board:
            return "Pcb";
        case DesignSource::Schematic:
            return "Schmatic";
        case DesignSource::Neither:
            break;
    }
    return "";
}

DesignConnection ConnectToDesign(DesignSession& session) {
    DesignConnection connection;
    const std::int32_t boardStatus = session.open("PCB");
    const std::int32_t schematicStatus = session.open("SCH");
    // The schematic's answer is tested first.
    if (schematicStatus == 0)
        connection.kind = DesignSource::Schematic;
    else if (boardStatus == 0)
        connection.kind = DesignSource::Board;
    connection.status = session.readDesignInfo(connection.info);
    connection.designNameShown = DesignFileNameShown(TrimFixedText(connection.info.designPath));
    return connection;
}

}  // namespace netlist
