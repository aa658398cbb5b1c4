// The report run: what a press of Start does, and what the batch mode does
// after its start-up. It closes the session, connects to the design again,
// collects and orders the nets, counts the layers and components, and
// writes the report's header, one block per net with its pins, and the
// trailer. The report replaces the previous one only when it is complete;
// a run that fails leaves the previous report as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "design/DesignSession.h"
#include "report/DesignConnection.h"
#include "report/ReportChoices.h"
#include "report/ReportEnvironment.h"

namespace netlist {

// What a report run counts before it writes. No value: nothing was counted.
struct ReportCounts {
    std::optional<std::int64_t> components;
    std::int64_t totalPads = 0;
    std::int64_t topPads = 0;
    std::int64_t bottomPads = 0;
    std::optional<std::int64_t> layers;
    std::optional<std::int64_t> connectedPins;
};

enum class ReportResult {
    Written,             // the report is complete
    DesignNotAvailable,  // the connection found no design: the status text says why
    ReportNotWritten     // the report file could not be written: the status text says why
};

struct ReportOutcome {
    ReportResult result = ReportResult::DesignNotAvailable;
    // What the run's own connection found.
    DesignConnection connection;
    // The status line's last text (Windows-1252): the library's message, the
    // reason the report was not written, or "Written to ." and its name.
    std::string statusText;
    // The report written, as the file system names it (a native path).
    std::string reportPath;
    // Set when the report was written but the viewer could not be started.
    std::string viewerError;
    // Set when the report replaced the report of another design with the
    // same report name: "amp.wrf replaced a report of amp.rev-b.pcb".
    std::string replacedReportNotice;
    ReportCounts counts;
};

// Hears how a run goes, so that a window can show it while the run keeps
// its event loop waiting.
class RunProgress {
  public:
    virtual ~RunProgress() = default;
    // The run connected to the design, as a start-up would.
    virtual void connected(const DesignConnection& connection) { (void)connection; }
    // The status line's text changed (Windows-1252); once per net too.
    virtual void statusChanged(std::string_view text) { (void)text; }
};

ReportOutcome WriteReport(DesignSession& session, const ReportChoices& choices,
                          const ReportEnvironment& environment, RunProgress& progress);

}  // namespace netlist
