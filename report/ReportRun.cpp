#include "report/ReportRun.h"

#include <filesystem>
#include <new>
#include <stdexcept>

#include "design/FixedText.h"
#include "design/StatusMessage.h"
#include "platform/NativePath.h"
#include "report/NetOrdering.h"
#include "report/ReportFile.h"
#include "report/ReportPaths.h"
#include "report/ReportSections.h"
#include "report/StoredReport.h"

namespace netlist {
namespace {

constexpr char kNoMemory[] = "cannot be written: there is not enough memory for the design's nets";

ReportCounts countLayersAndComponents(DesignSession& session) {
    ReportCounts counts;
    LayerRecord layer{};
    session.firstLayer(layer);
    while (session.ok()) {
        if (layer.layerType == 0 || layer.layerType == 1)
            counts.layers = counts.layers.value_or(0) + 1;
        session.nextLayer(layer);
    }
    ComponentRecord component{};
    session.firstComponent(component);
    while (session.ok()) {
        counts.components = counts.components.value_or(0) + 1;
        counts.totalPads += component.padCount;
        if (component.bottomSide == 0)
            counts.topPads += component.padCount;
        else
            counts.bottomPads += component.padCount;
        session.nextComponent(component);
    }
    return counts;
}

// Keeps the outcome's status text and passes it on.
class StatusLine final : public NetBlockProgress {
  public:
    StatusLine(ReportOutcome& outcome, RunProgress& progress)
        : outcome_(outcome), progress_(progress) {}

    void show(std::string text) {
        outcome_.statusText = std::move(text);
        progress_.statusChanged(outcome_.statusText);
    }
    void netStarts(std::int64_t index, std::string_view netName) override {
        // The previous text lends its buffer to the next one.
        std::string& caption = outcome_.statusText;
        caption.assign("Nodes ");
        caption += std::to_string(index);
        caption += " Nets Name ";
        caption += netName;
        progress_.statusChanged(caption);
    }

  private:
    ReportOutcome& outcome_;
    RunProgress& progress_;
};

}  // namespace

ReportOutcome WriteReport(DesignSession& session, const ReportChoices& choices,
                          const ReportEnvironment& environment, RunProgress& progress) {
    ReportOutcome outcome;
    StatusLine statusLine(outcome, progress);
    session.close();
    outcome.connection = ConnectToDesign(session);
    const DesignConnection& connection = outcome.connection;
    progress.connected(connection);
    statusLine.show(StatusMessage(connection.status));
    if (!connection.designOpen()) {
        outcome.result = ReportResult::DesignNotAvailable;
        return outcome;
    }
    const DesignSource kind = connection.kind;
    const NetLengths lengths = kind == DesignSource::Board ? choices.lengths : NetLengths::None;

    // Read once more: the report shows what the library gives now.
    session.readDesignInfo(outcome.connection.info);
    const std::string designPath = TrimFixedText(connection.info.designPath);
    const ReportNames names = DeriveReportNames(designPath);
    const std::string reportPath =
        choices.outputPath ? *choices.outputPath : NativeFileSystemPath(names.reportPath);
    const std::string reportFileName =
        choices.outputPath
            ? NativeTextToWindows1252(std::filesystem::path(reportPath).filename().string())
            : names.reportFileName;

    std::optional<std::string> replacedDesign;
    bool sessionClosed = false;
    NetList nets;
    ReportWriter writer;
    // The previous report, if any, stays untouched; the user can put the
    // folder right, or free memory, and run again.
    const auto notWritten = [&](const std::string& why) {
        writer.abandon();
        if (!sessionClosed) session.close();
        statusLine.show(why);
        outcome.result = ReportResult::ReportNotWritten;
        return outcome;
    };
    try {
        NetRecord net{};
        const std::optional<std::int64_t> connectedPins = CollectNets(session, net, nets);
        outcome.counts = countLayersAndComponents(session);
        outcome.counts.connectedPins = connectedPins;
        RefuseToReplaceTheDesign(reportPath, NativeFileSystemPath(designPath));
        replacedDesign = DesignNamedByReport(reportPath);
        writer.open(reportPath);
        const std::string date = environment.dateTimeText ? environment.dateTimeText() : "";
        WriteReportHeader(
            writer,
            {connection.info, names.designFileName, choices.designer, date, nets.ListCount(), kind},
            outcome.counts);
        WriteNetBlocks(writer, session, nets, kind, lengths, statusLine);
        session.close();
        sessionClosed = true;
        statusLine.show("Written to ." + reportFileName);
        WriteReportTrailer(writer);
        writer.commit();
    } catch (const ReportFileError& error) {
        return notWritten(NativeTextToWindows1252(error.what()));
    } catch (const std::bad_alloc&) {
        return notWritten(NativeTextToWindows1252(reportPath) + ": " + kNoMemory);
    } catch (const std::length_error&) {
        return notWritten(NativeTextToWindows1252(reportPath) + ": " + kNoMemory);
    }
    outcome.result = ReportResult::Written;
    outcome.reportPath = reportPath;
    if (replacedDesign && AreOtherDesigns(*replacedDesign, names.designFileName))
        outcome.replacedReportNotice = reportFileName + " replaced a report of " + *replacedDesign;

    if (choices.openInViewer && environment.openViewer) {
        const ViewerLaunch launch = environment.openViewer(reportPath);
        if (!launch.started)
            outcome.viewerError =
                launch.error.empty() ? "the report could not be opened in a viewer" : launch.error;
    }
    return outcome;
}

}  // namespace netlist
