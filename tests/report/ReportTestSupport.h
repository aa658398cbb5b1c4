// Shared helpers of the report tests: scratch folders, designs built in code,
// and a report run with a fixed clock and a recording viewer.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "design/DesignData.h"
#include "report/ReportRun.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {

// A net whose nodes are "REF-PIN" texts; nodeCount is their number.
DesignNet Net(std::int32_t id, std::string name, std::initializer_list<const char*> nodes,
              std::int32_t length = 0);

// A board (or other kind of) design whose file lies in folder.
DesignData Design(DesignKind kind, const std::string& designPath, std::vector<DesignNet> nets);

struct RunOptions {
    std::string designer;
    bool lengths = false;
    bool mils = true;
    bool screen = false;
};

struct RunResult {
    ReportResult result;
    std::string status;  // the status text when the run ended
    std::string report;  // the report's bytes, empty when none was written
    std::vector<std::string> viewerCalls;
};

// Start-up and one report run over a stand-in serving design.
RunResult RunReport(const DesignData& design, const RunOptions& options = {});

}  // namespace netlist::test
