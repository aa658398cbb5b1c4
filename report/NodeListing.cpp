#include "report/NodeListing.h"

#include "design/FixedText.h"
#include "design/UnitText.h"

namespace netlist {
namespace {

// The node texts start in columns 30, 42, 54 and 66; past the fourth, the
// next node starts a new line.
constexpr int kFirstNodeTab = 42;
constexpr int kNodeTabStep = 12;
constexpr int kLastNodeOffset = 36;
constexpr int kContinuationTab = 30;
constexpr int kLengthTab = 78;

void listNodes(DesignSession& session, NetNodeRecord& node, bool board, std::int32_t netLength,
               NetLengths lengths, ReportWriter& writer) {
    // Offset of the next node's tab stop from column 42: 0, 12, 24, 36.
    std::int16_t nodeColumn = 0;
    while (session.ok()) {
        const auto& refDes = board ? node.pad.padRefDes : node.symbolPin.symPinRefDes;
        const auto& pinDes = board ? node.pad.pin.pinDes : node.symbolPin.pin.pinDes;
        if (nodeColumn > kLastNodeOffset) {
            writer.print({PrintItem::Tab(kContinuationTab)}, LineEnd::StaysOpen);
            nodeColumn = 0;
        }
        // The node text: reference designator, "-", pin designator.
        writer.printTextsThenTab(TrimmedFixedTextView({refDes, sizeof refDes}), "-",
                                 TrimmedFixedTextView({pinDes, sizeof pinDes}),
                                 nodeColumn + kFirstNodeTab);
        session.nextNetNode(node);
        nodeColumn = static_cast<std::int16_t>(nodeColumn + kNodeTabStep);

        if (lengths != NetLengths::None && !session.ok()) {
            const std::string length = lengths == NetLengths::Mils
                                           ? UnitsToMilsText(netLength) + " mils"
                                           : UnitsToMmText(netLength) + " mm";
            writer.print({PrintItem::Tab(kLengthTab), PrintItem::Text(length)}, LineEnd::Ends);
        }
    }
}

}  // namespace

void ListBoardNodes(DesignSession& session, NetNodeRecord& node, std::int32_t netLength,
                    NetLengths lengths, ReportWriter& writer) {
    listNodes(session, node, true, netLength, lengths, writer);
}

void ListSchematicNodes(DesignSession& session, NetNodeRecord& node, ReportWriter& writer) {
    listNodes(session, node, false, 0, NetLengths::None, writer);
}

}  // namespace netlist
