#include "report/ReportSections.h"

#include <memory>

#include "design/FixedText.h"
#include "design/StatusCodes.h"
#include "design/StatusMessage.h"
#include "report/Credits.h"
#include "report/NetLookahead.h"
#include "report/NodeListing.h"

namespace netlist {
namespace {

constexpr int kTextValueTab = 16;
// Numbers start one column earlier: their sign blank stands in column 15,
// so their digits line up with the texts.
constexpr int kNumberValueTab = 15;
constexpr int kTitleTab = 35;
const std::string kRule(89, '-');

using Item = PrintItem;

}  // namespace

void WriteReportHeader(ReportWriter& writer, const ReportHeading& heading,
                       const ReportCounts& counts) {
    const auto line = [&writer](std::initializer_list<PrintItem> items) {
        writer.print(items, LineEnd::Ends);
    };
    const std::string title = TrimFixedText(heading.info.title);
    const std::string revision = TrimFixedText(heading.info.revision);
    const std::string engineer = TrimFixedText(heading.info.engineer);
    const std::string pads = std::to_string(counts.totalPads) +
                             " Top Side= " + std::to_string(counts.topPads) +
                             " Bottom Side= " + std::to_string(counts.bottomPads);

    line({Item::Text("Created By"), Item::Tab(kTextValueTab), Item::Text(kCreatedByText)});
    line({Item::Text("Email"), Item::Tab(kTextValueTab), Item::Text(kContactText)});
    line({Item::Text("Design Name"), Item::Tab(kTextValueTab), Item::Text(heading.designFileName)});
    line({Item::Text("Title "), Item::Tab(kTextValueTab), Item::Text(title)});
    line({Item::Text("Revision"), Item::Tab(kTextValueTab), Item::Text(revision)});
    line({Item::Text("Engineer"), Item::Tab(kTextValueTab), Item::Text(engineer)});
    line({Item::Text("Design By"), Item::Tab(kTextValueTab), Item::Text(heading.designer)});
    line({Item::Text("Date"), Item::Tab(kTextValueTab), Item::Text(heading.date)});
    line({Item::Text("Version"), Item::Tab(kNumberValueTab), Item::Number(kInterfaceVersion)});
    line({Item::Text("Components"), Item::Tab(kNumberValueTab), Item::Value(counts.components)});
    line(
        {Item::Text("Number of Nets"), Item::Tab(kNumberValueTab), Item::Number(heading.netCount)});
    line({Item::Text("Total Pads"), Item::Tab(kTextValueTab), Item::Text(pads)});
    line({Item::Text("Connected Pins"), Item::Tab(kNumberValueTab),
          Item::Value(counts.connectedPins)});
    if (heading.kind == DesignSource::Board)
        line({Item::Text("layers"), Item::Tab(kNumberValueTab), Item::Value(counts.layers)});
    line({Item::Tab(kTitleTab), Item::Text("NETLIST REPORT FROM "),
          Item::Text(DesignSourceCaption(heading.kind))});
    line({Item::Text(kRule)});
    line({Item::Tab(1), Item::Text("net Id"), Item::Tab(9), Item::Text("NetName"), Item::Tab(23),
          Item::Text("Pins"), Item::Tab(45), Item::Text("Pins Names"), Item::Tab(76),
          Item::Text("Net Length")});
    line({Item::Text(kRule)});
    line({});
}

void WriteNetBlocks(ReportWriter& writer, DesignSession& session, const NetList& list,
                    DesignSource kind, NetLengths lengths, NetBlockProgress& progress) {
    // Counted once, before the first block, as wide as the list can grow.
    const std::int64_t netCount = list.ListCount();
    std::int64_t runningNumber = 0;
    NetRecord net{};
    // Large: on the heap.
    const auto node = std::make_unique<NetNodeRecord>();
    // Reused from net to net, so that it keeps its capacity.
    std::string netName;
    NetLookahead lookahead(list, session);
    for (std::int64_t index = 0; index < netCount; ++index) {
        ++runningNumber;
        const std::optional<std::int32_t> netId = lookahead.netIdAt(index);

        std::optional<std::int64_t> nodeCount;
        if (netId) session.netById(*netId, net);
        const bool listed = netId && session.ok();
        if (listed) {
            netName.assign(TrimmedFixedTextView(std::string_view(net.netName, sizeof net.netName)));
            nodeCount = net.nodeCount;
            session.firstNetNode(*netId, *node);
        } else {
            // Nothing of the previous net may show under this number: the row
            // names the failure and the net's id, and lists no pins.
            const std::int32_t status = netId ? session.status() : status::kNetNotFound;
            netName = StatusMessage(status) + " (net id " +
                      (netId ? std::to_string(*netId) : std::string("?")) + ")";
            net = NetRecord{};
            net.netId = netId.value_or(0);
        }

        progress.netStarts(index, netName);
        const char* marker = nodeCount == 1 ? "W" : " ";
        writer.print({Item::Tab(0), Item::Text("")}, LineEnd::Ends);
        writer.print({Item::Tab(0), Item::Text(marker), Item::Tab(2), Item::Number(runningNumber),
                      Item::Tab(9), Item::Text(netName), Item::Tab(24), Item::Value(nodeCount),
                      Item::Tab(30)},
                     LineEnd::StaysOpen);
        if (!listed) continue;
        if (kind == DesignSource::Board)
            ListBoardNodes(session, *node, net.netLength, lengths, writer);
        else
            ListSchematicNodes(session, *node, writer);
    }
}

void WriteReportTrailer(ReportWriter& writer) {
    writer.print({Item::Tab(0)}, LineEnd::Ends);
    writer.print({Item::Tab(kTitleTab), Item::Text("End of Report"), Item::PageEnd()},
                 LineEnd::Ends);
}

}  // namespace netlist
