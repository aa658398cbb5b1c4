#include "app/BatchRun.h"

#include <iostream>

#include "app/ExitCodes.h"
#include "app/Messages.h"
#include "design/DesignSession.h"
#include "platform/NativePath.h"
#include "platform/Windows1252.h"
#include "report/ReportRun.h"

namespace netlist {

int RunBatch(DesignLibrary& library, const RunChoices& choices) {
    DesignSession session(library);
    // The start-up, as the window's; the run then connects again.
    ConnectToDesign(session);
    ReportChoices report;
    report.designer = Utf8ToWindows1252(choices.designer);
    report.lengths = choices.lengths;
    report.openInViewer = choices.screen;
    if (choices.output) report.outputPath = NativePathFromUtf8(*choices.output);
    RunProgress unseen;
    const ReportOutcome outcome = WriteReport(session, report, SystemReportEnvironment(), unseen);

    const std::string status = Windows1252ToUtf8(outcome.statusText);
    switch (outcome.result) {
        case ReportResult::Written:
            Tell(std::cout, status + " (" + NativePathToUtf8(outcome.reportPath) + ")");
            // Written all the same: stored reports and scripts rely on the
            // report's name.
            if (!outcome.replacedReportNotice.empty())
                Tell(std::cerr, Windows1252ToUtf8(outcome.replacedReportNotice) +
                                    "; use --output to keep both");
            if (!outcome.viewerError.empty())
                Tell(std::cerr, Windows1252ToUtf8(outcome.viewerError));
            return exitcode::kReportWritten;
        case ReportResult::DesignNotAvailable:
            Tell(std::cerr, "design not available: " + status);
            return exitcode::kDesignNotAvailable;
        case ReportResult::ReportNotWritten:
            Tell(std::cerr, "report not written: " + status);
            return exitcode::kReportNotWritten;
    }
    return exitcode::kReportNotWritten;
}

}  // namespace netlist
