// The node listings: each net's pins, continuing the net row's open line.
#include "design/FixedText.h"
#include "design/UnitText.h"
#include "report/Form1Model.h"

namespace netlist {
namespace {

// The node texts start in columns 30, 42, 54 and 66; past the fourth, the
// next node starts a new line.
constexpr int kFirstNodeTab = 42;
constexpr int kNodeTabStep = 12;
constexpr int kLastNodeOffset = 36;
constexpr int kContinuationTab = 30;
constexpr int kLengthTab = 78;

}  // namespace

void Form1Model::compnextreport(NetLengths lengths) {
    listNodes(true, lengths);
}
void Form1Model::compnextreportsch() {
    listNodes(false, NetLengths::None);
}

void Form1Model::listNodes(bool boardListing, NetLengths lengths) {
    // Offset of the next node's tab stop from column 42: 0, 12, 24, 36.
    std::int16_t nodeColumn = 0;
    while (dbStatus == 0) {
        const auto& refDes =
            boardListing ? nodeRecord.pad.padRefDes : nodeRecord.symbolPin.symPinRefDes;
        const auto& pinDes =
            boardListing ? nodeRecord.pad.pin.pinDes : nodeRecord.symbolPin.pin.pinDes;
        if (nodeColumn > kLastNodeOffset) {
            writer.Print(kReportFileNumber, {PrintItem::Tab(kContinuationTab)}, LineEnd::StaysOpen);
            nodeColumn = 0;
        }
        // The node text: reference designator, "-", pin designator.
        writer.PrintTextsThenTab(kReportFileNumber, TrimmedFixedTextView({refDes, sizeof refDes}),
                                 "-", TrimmedFixedTextView({pinDes, sizeof pinDes}),
                                 nodeColumn + kFirstNodeTab);
        dbStatus = library_->TGetNextNetNode(theSessionContext, nodeRecord);
        nodeColumn = static_cast<std::int16_t>(nodeColumn + kNodeTabStep);

        if (lengths != NetLengths::None && dbStatus != 0) {
            const std::string length = lengths == NetLengths::Mils
                                           ? UnitsToMilsText(netRecord.netLength) + " mils"
                                           : UnitsToMmText(netRecord.netLength) + " mm";
            writer.Print(kReportFileNumber, {PrintItem::Tab(kLengthTab), PrintItem::Text(length)},
                         LineEnd::Ends);
        }
    }
}

}  // namespace netlist
