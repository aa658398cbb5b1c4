// The three parts of a report: the header of the design's facts and counts,
// one block per net in list order, and the trailer.
#pragma once

#include <string>
#include <string_view>

#include "design/DesignSession.h"
#include "report/DesignConnection.h"
#include "report/NetList.h"
#include "report/ReportChoices.h"
#include "report/ReportPaths.h"
#include "report/ReportRun.h"
#include "report/ReportWriter.h"

namespace netlist {

// What the header shows beyond the counts.
struct ReportHeading {
    const DesignInfoRecord& info;
    std::string_view designFileName;  // as shown, at most 25 characters
    std::string_view designer;
    std::string_view date;
    std::int64_t netCount;
    // A board's header counts its layers, and its title names it.
    DesignSource kind;
};

void WriteReportHeader(ReportWriter& writer, const ReportHeading& heading,
                       const ReportCounts& counts);

// Hears each net as its block starts: the status line names it.
class NetBlockProgress {
  public:
    virtual ~NetBlockProgress() = default;
    virtual void netStarts(std::int64_t index, std::string_view netName) = 0;
};

// The net blocks, one per item of the sorted list: the net's row, then its
// node listing. Board listings carry the lengths asked for.
void WriteNetBlocks(ReportWriter& writer, DesignSession& session, const NetList& list,
                    DesignSource kind, NetLengths lengths, NetBlockProgress& progress);

void WriteReportTrailer(ReportWriter& writer);

}  // namespace netlist
