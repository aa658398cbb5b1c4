// The report run: what a press of Start does.
#include <algorithm>
#include <array>
#include <filesystem>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

#include "design/FixedText.h"
#include "design/StatusCodes.h"
#include "design/StatusMessage.h"
#include "platform/NativePath.h"
#include "report/Credits.h"
#include "report/Form1Model.h"
#include "report/NetOrdering.h"
#include "report/ReportFile.h"
#include "report/StoredReport.h"

namespace netlist {
namespace {

constexpr int kTextValueTab = 16;
// Numbers start one column earlier: their sign blank stands in column 15,
// so their digits line up with the texts.
constexpr int kNumberValueTab = 15;
constexpr int kTitleTab = 35;
const std::string kRule(89, '-');
constexpr char kNoMemory[] = "cannot be written: there is not enough memory for the design's nets";

using Item = PrintItem;

}  // namespace

ReportCounts Form1Model::countLayersAndComponents() {
    ReportCounts counts;
    dbStatus = library_->TGetFirstLayer(theSessionContext, layerRecord);
    while (dbStatus == 0) {
        if (layerRecord.layerType == 0 || layerRecord.layerType == 1)
            counts.layers = counts.layers.value_or(0) + 1;
        dbStatus = library_->TGetNextLayer(theSessionContext, layerRecord);
    }
    dbStatus = library_->TGetFirstComponent(theSessionContext, componentRecord);
    while (dbStatus == 0) {
        counts.components = counts.components.value_or(0) + 1;
        counts.totalPads += componentRecord.padCount;
        if (componentRecord.bottomSide == 0)
            counts.topPads += componentRecord.padCount;
        else
            counts.bottomPads += componentRecord.padCount;
        dbStatus = library_->TGetNextComponent(theSessionContext, componentRecord);
    }
    return counts;
}

RunOutcome Form1Model::Start_Click() {
    viewerError_.clear();
    replacedReportNotice_.clear();
    dbStatus = library_->TCloseDesign(theSessionContext, "");
    Form_Load();
    setStatusCaption(StatusMessage(dbStatus));
    if (dbStatus != 0) return RunOutcome::DesignNotOpen;
    const ReportChoices choices = reportChoices();

    controls_.startEnabled = false;
    dbStatus = library_->TGetDesignInfo(theSessionContext, designInfo);
    const std::string designPath = TrimFixedText(designInfo.designPath);
    const ReportNames names = DeriveReportNames(designPath);
    controls_.statusLabel3Caption = names.designFileName;

    const std::string reportPath =
        reportTarget_ ? *reportTarget_ : NativeFileSystemPath(names.reportPath);
    const std::string reportFileName =
        reportTarget_
            ? NativeTextToWindows1252(std::filesystem::path(reportPath).filename().string())
            : names.reportFileName;
    std::optional<std::string> replacedDesign;
    bool sessionClosed = false;
    // The previous report, if any, stays untouched; the user can put the
    // folder right, or free memory, and press Start again.
    const auto notWritten = [&](const std::string& why) {
        writer.AbandonAll();
        if (!sessionClosed) dbStatus = library_->TCloseDesign(theSessionContext, "");
        List1.Clear();
        controls_.startEnabled = true;
        setStatusCaption(why);
        return RunOutcome::ReportNotWritten;
    };
    try {
        const std::optional<std::int64_t> connectedPins = CollectNets(*library_, netRecord, List1);
        ReportCounts counts = countLayersAndComponents();
        counts.connectedPins = connectedPins;
        RefuseToReplaceTheDesign(reportPath, NativeFileSystemPath(designPath));
        replacedDesign = DesignNamedByReport(reportPath);
        writer.OpenOutput(reportPath, kReportFileNumber);
        writeHeader(names, counts, choices);
        writeNetBlocks(choices);
        dbStatus = library_->TCloseDesign(theSessionContext, "");
        sessionClosed = true;
        setStatusCaption("Written to ." + reportFileName);
        writeTrailer();
        writer.CloseAll();
    } catch (const ReportFileError& error) {
        return notWritten(NativeTextToWindows1252(error.what()));
    } catch (const std::bad_alloc&) {
        return notWritten(NativeTextToWindows1252(reportPath) + ": " + kNoMemory);
    } catch (const std::length_error&) {
        return notWritten(NativeTextToWindows1252(reportPath) + ": " + kNoMemory);
    }
    List1.Clear();
    controls_.startEnabled = true;
    reportPath_ = reportPath;
    if (replacedDesign && AreOtherDesigns(*replacedDesign, names.designFileName))
        replacedReportNotice_ = reportFileName + " replaced a report of " + *replacedDesign;

    if (controls_.option3Selected && environment_.openViewer) {
        const ViewerLaunch launch = environment_.openViewer(reportPath_);
        if (!launch.started)
            viewerError_ =
                launch.error.empty() ? "the report could not be opened in a viewer" : launch.error;
    }
    return RunOutcome::Written;
}

void Form1Model::writeHeader(const ReportNames& names, const ReportCounts& counts,
                             const ReportChoices& choices) {
    const auto line = [this](std::initializer_list<PrintItem> items) {
        writer.Print(kReportFileNumber, items, LineEnd::Ends);
    };
    const std::string title = TrimFixedText(designInfo.title);
    const std::string revision = TrimFixedText(designInfo.revision);
    const std::string engineer = TrimFixedText(designInfo.engineer);
    const std::string date = environment_.dateTimeText ? environment_.dateTimeText() : "";
    const std::string pads = std::to_string(counts.totalPads) +
                             " Top Side= " + std::to_string(counts.topPads) +
                             " Bottom Side= " + std::to_string(counts.bottomPads);

    line({Item::Text("Created By"), Item::Tab(kTextValueTab), Item::Text(kCreatedByText)});
    line({Item::Text("Email"), Item::Tab(kTextValueTab), Item::Text(kContactText)});
    line({Item::Text("Design Name"), Item::Tab(kTextValueTab), Item::Text(names.designFileName)});
    line({Item::Text("Title "), Item::Tab(kTextValueTab), Item::Text(title)});
    line({Item::Text("Revision"), Item::Tab(kTextValueTab), Item::Text(revision)});
    line({Item::Text("Engineer"), Item::Tab(kTextValueTab), Item::Text(engineer)});
    line({Item::Text("Design By"), Item::Tab(kTextValueTab), Item::Text(choices.designer)});
    line({Item::Text("Date"), Item::Tab(kTextValueTab), Item::Text(date)});
    line({Item::Text("Version"), Item::Tab(kNumberValueTab), Item::Number(kInterfaceVersion)});
    line({Item::Text("Components"), Item::Tab(kNumberValueTab), Item::Value(counts.components)});
    line({Item::Text("Number of Nets"), Item::Tab(kNumberValueTab),
          Item::Number(List1.ListCount())});
    line({Item::Text("Total Pads"), Item::Tab(kTextValueTab), Item::Text(pads)});
    line({Item::Text("Connected Pins"), Item::Tab(kNumberValueTab),
          Item::Value(counts.connectedPins)});
    if (choices.source == DesignSource::Board)
        line({Item::Text("layers"), Item::Tab(kNumberValueTab), Item::Value(counts.layers)});
    line({Item::Tab(kTitleTab), Item::Text("NETLIST REPORT FROM "),
          Item::Text(DesignSourceCaption(choices.source))});
    line({Item::Text(kRule)});
    line({Item::Tab(1), Item::Text("net Id"), Item::Tab(9), Item::Text("NetName"), Item::Tab(23),
          Item::Text("Pins"), Item::Tab(45), Item::Text("Pins Names"), Item::Tab(76),
          Item::Text("Net Length")});
    line({Item::Text(kRule)});
    line({});
}

void Form1Model::writeNetBlocks(const ReportChoices& choices) {
    // Counted once, before the first block, as wide as the list can grow.
    const std::int64_t netCount = List1.ListCount();
    std::int64_t runningNumber = 0;
    // Reused from net to net, so that they keep their capacity.
    std::string netName;
    std::string caption;
    // Items lie in the list's memory in the order they were added: the ones
    // a few places ahead are fetched early, while this one is written. The
    // library hears of the nets a few places ahead too, as the list's order
    // leads it through its nets out of order. Their ids wait in ahead.
    constexpr std::int64_t kFetchAhead = 8;
    constexpr std::int64_t kHintAhead = 4;
    std::array<std::optional<std::int32_t>, kHintAhead> ahead{};
    const auto readAhead = [&](std::int64_t index) {
        std::optional<std::int32_t>& id = ahead[static_cast<std::size_t>(index % kHintAhead)];
        id = ReadNetId(List1.List(index));
        if (id) library_->HintNetById(*id);
    };
    for (std::int64_t index = 0; index < std::min(netCount, kHintAhead); ++index) readAhead(index);
    for (std::int64_t index = 0; index < netCount; ++index) {
        ++runningNumber;
        if (index + kFetchAhead < netCount)
            __builtin_prefetch(List1.List(index + kFetchAhead).data());
        const std::optional<std::int32_t> netId =
            ahead[static_cast<std::size_t>(index % kHintAhead)];
        if (index + kHintAhead < netCount) readAhead(index + kHintAhead);

        std::optional<std::int64_t> nodeCount;
        dbStatus = netId ? library_->TGetNetById(theSessionContext, *netId, netRecord)
                         : status::kNetNotFound;
        if (dbStatus == 0) {
            netName.assign(TrimmedFixedTextView(
                std::string_view(netRecord.netName, sizeof netRecord.netName)));
            nodeCount = netRecord.nodeCount;
            dbStatus = library_->TGetFirstNetNode(theSessionContext, *netId, nodeRecord);
        } else {
            // Nothing of the previous net may show under this number: the row
            // names the failure and the net's id, and lists no pins.
            netName = StatusMessage(dbStatus) + " (net id " +
                      (netId ? std::to_string(*netId) : std::string("?")) + ")";
            netRecord = NetRecord{};
            netRecord.netId = netId.value_or(0);
        }

        // The caption's previous text lends its buffer to the next one.
        caption.swap(controls_.statusLabelCaption);
        caption.assign("Nodes ");
        caption += std::to_string(index);
        caption += " Nets Name ";
        caption += netName;
        setStatusCaption(std::move(caption));
        const char* marker = nodeCount == 1 ? "W" : " ";
        writer.Print(kReportFileNumber, {Item::Tab(0), Item::Text("")}, LineEnd::Ends);
        writer.Print(kReportFileNumber,
                     {Item::Tab(0), Item::Text(marker), Item::Tab(2), Item::Number(runningNumber),
                      Item::Tab(9), Item::Text(netName), Item::Tab(24), Item::Value(nodeCount),
                      Item::Tab(30)},
                     LineEnd::StaysOpen);
        if (choices.source == DesignSource::Board)
            compnextreport(choices.lengths);
        else
            compnextreportsch();
    }
}

void Form1Model::writeTrailer() {
    writer.Print(kReportFileNumber, {Item::Tab(0)}, LineEnd::Ends);
    writer.Print(kReportFileNumber,
                 {Item::Tab(kTitleTab), Item::Text("End of Report"), Item::PageEnd()},
                 LineEnd::Ends);
}

}  // namespace netlist
